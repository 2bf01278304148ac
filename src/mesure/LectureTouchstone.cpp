#include "mesure/Collecte.h"
#include "regles/TextesMesure.h"

#include <cmath>
#include <numbers>

// Touchstone one-port files. 1.x: an option line "# <unit> <parameter>
// <format> R <ohms>" whose fields come in any order and case, each with its
// default (GHz, S, MA, R 50); Z data normalised to R. 2.0: "[Version] 2.0"
// first, keywords in brackets, the data between [Network Data] and [End], Z
// data in ohms. Comments run from '!' to the line's end.
namespace Mesure {

namespace {

enum class Format { DB, MA, RI };

struct Options {
    double uniteHz = 1e9;
    char parametre = 'S';
    Format format = Format::MA;
    double referenceOhms = 50;
};

Options litOptions(const Collecte &c, int numero, const QByteArray &ligne)
{
    Options o;
    const QList<QByteArray> champs = ligne.mid(1).simplified().toUpper().split(' ');
    const auto incompris = [&] {
        c.refuse(numero, Textes::MesureOption().arg(QString::fromUtf8(ligne.left(80))));
    };
    for (qsizetype i = 0; i < champs.size(); ++i) {
        const QByteArray &m = champs[i];
        if (m.isEmpty())
            continue;
        if (m == "HZ")
            o.uniteHz = 1;
        else if (m == "KHZ")
            o.uniteHz = 1e3;
        else if (m == "MHZ")
            o.uniteHz = 1e6;
        else if (m == "GHZ")
            o.uniteHz = 1e9;
        else if (m == "S" || m == "Z")
            o.parametre = m[0];
        else if (m == "Y" || m == "H" || m == "G")
            c.refuse(numero, Textes::MesureParametre().arg(QString::fromLatin1(m)));
        else if (m == "DB")
            o.format = Format::DB;
        else if (m == "MA")
            o.format = Format::MA;
        else if (m == "RI")
            o.format = Format::RI;
        else if (m == "R" && i + 1 < champs.size()) {
            o.referenceOhms = c.nombre(numero, champs[++i]);
            if (o.referenceOhms <= 0)
                incompris();
        } else
            incompris();
    }
    return o;
}

Complexe valeur(Format f, double a, double b)
{
    constexpr double Degre = std::numbers::pi / 180;
    switch (f) {
    case Format::RI:
        return {a, b};
    case Format::MA:
        return std::polar(a, b * Degre);
    case Format::DB:
        return std::polar(std::pow(10.0, a / 20), b * Degre);
    }
    return {};
}

int entier(const Collecte &c, int numero, const QByteArray &texte)
{
    const double v = c.nombre(numero, texte.simplified().split(' ').constFirst());
    if (v != std::floor(v) || v < 0 || v > 1e9)
        c.refuse(numero, Textes::MesureNombre().arg(QString::fromUtf8(texte.left(40))));
    return static_cast<int>(v);
}

} // namespace

Releve litTouchstone(const QByteArray &octets, const QString &nom)
{
    Collecte c(nom);
    Options o;
    bool optionsLues = false, version2 = false, donnees = false, information = false;
    bool attendReference = false;
    double reference2 = 0; // 2.0's [Reference], which overrides the option line's R
    int annoncees = -1, numero = 0;
    for (const QByteArray &brute : lignes(octets)) {
        ++numero;
        QByteArray ligne = brute;
        if (const qsizetype bang = ligne.indexOf('!'); bang >= 0)
            ligne.truncate(bang);
        ligne = ligne.trimmed();
        if (ligne.isEmpty())
            continue;
        if (ligne.startsWith('[')) {
            const qsizetype ferme = ligne.indexOf(']');
            const QByteArray mot = ligne.left(ferme + 1).toLower().simplified();
            const QByteArray reste = ferme < 0 ? QByteArray() : ligne.mid(ferme + 1).trimmed();
            const auto refuseMot = [&] {
                c.refuse(numero, Textes::MesureMotCle().arg(QString::fromUtf8(ligne.left(40))));
            };
            if (mot == "[version]") {
                if (version2 || optionsLues || !reste.startsWith("2."))
                    refuseMot();
                version2 = true;
            } else if (!version2 || ferme < 0) {
                refuseMot();
            } else if (mot == "[end information]") {
                information = false;
            } else if (information) {
                continue;
            } else if (mot == "[begin information]") {
                information = true;
            } else if (mot == "[number of ports]") {
                if (const int ports = entier(c, numero, reste); ports != 1)
                    c.refuse(numero, Textes::MesurePorts().arg(ports));
            } else if (mot == "[reference]") {
                if (reste.isEmpty())
                    attendReference = true;
                else
                    reference2 = c.nombre(numero, reste.simplified().split(' ').first());
                if (!attendReference && reference2 <= 0)
                    refuseMot();
            } else if (mot == "[number of frequencies]") {
                annoncees = entier(c, numero, reste);
            } else if (mot == "[network data]") {
                donnees = true;
            } else if (mot == "[end]" || mot == "[noise data]") {
                break;
            } else if (mot == "[two-port data order]" || mot == "[matrix format]" ||
                       mot == "[number of noise frequencies]") {
                // Of several ports, or of noise: nothing a one-port file needs.
            } else {
                refuseMot();
            }
            continue;
        }
        if (information)
            continue;
        if (attendReference) {
            reference2 = c.nombre(numero, ligne.simplified().split(' ').first());
            attendReference = false;
            if (reference2 <= 0)
                c.refuse(numero, Textes::MesureOption().arg(QString::fromUtf8(ligne.left(80))));
            continue;
        }
        if (ligne.startsWith('#')) {
            // Only the first option line counts, as the format says.
            if (!optionsLues)
                o = litOptions(c, numero, ligne);
            optionsLues = true;
            continue;
        }
        if (version2 && !donnees)
            c.refuse(numero, Textes::MesureHorsDonnees());
        if (reference2 > 0)
            o.referenceOhms = reference2;
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        if (champs.size() != 3)
            c.refuse(numero, Textes::MesureColonnes().arg(champs.size()).arg(3));
        const double f = c.nombre(numero, champs[0]) * o.uniteHz;
        const Complexe v =
            valeur(o.format, c.nombre(numero, champs[1]), c.nombre(numero, champs[2]));
        Complexe gamma = v;
        if (o.parametre == 'Z') {
            // 1.x normalises Z to R; 2.0 gives it in ohms.
            const Complexe z = version2 ? v : v * o.referenceOhms;
            gamma = reflexion(z, o.referenceOhms);
        }
        c.ajoute(numero, f, gamma, champs[0]);
    }
    if (version2 && annoncees >= 0 && static_cast<std::size_t>(annoncees) != c.nombrePoints())
        c.refuseFichier(Textes::MesureNombreFrequences().arg(annoncees).arg(c.nombrePoints()));
    c.fixeReference(o.referenceOhms);
    return c.fin();
}

} // namespace Mesure
