#include "mesure/Collecte.h"

#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesMesure.h"

#include <cmath>

namespace Mesure {

QList<QByteArray> lignes(const QByteArray &octets)
{
    QByteArray texte = octets;
    texte.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> l = texte.split('\n');
    if (!l.isEmpty() && l.constLast().isEmpty())
        l.removeLast();
    return l;
}

void Collecte::refuse(int ligne, const QString &raison) const
{
    leveErreur(Textes::MesureLigne().arg(releve_.nom).arg(ligne).arg(raison));
}

void Collecte::refuseFichier(const QString &raison) const
{
    leveErreur(Textes::MesureFichier().arg(releve_.nom, raison));
}

double Collecte::nombre(int ligne, const QByteArray &texte) const
{
    bool ok = false;
    // QByteArray reads the C locale's numbers whatever the desktop's.
    const double v = texte.toDouble(&ok);
    if (!ok)
        refuse(ligne, Textes::MesureNombre().arg(QString::fromUtf8(texte.left(40))));
    if (!std::isfinite(v))
        refuse(ligne, Textes::MesureNonFini().arg(QString::fromUtf8(texte.left(40))));
    return v;
}

void Collecte::ajoute(int ligne, double frequenceHz, Complexe gamma,
                      const QByteArray &texteFrequence)
{
    if (!std::isfinite(frequenceHz))
        refuse(ligne, Textes::MesureNonFini().arg(QString::fromUtf8(texteFrequence)));
    if (frequenceHz <= 0)
        refuse(ligne, Textes::MesureFrequenceNulle().arg(QString::fromUtf8(texteFrequence)));
    if (!releve_.points.empty() && frequenceHz <= releve_.points.back().frequenceHz)
        refuse(ligne, Textes::MesureFrequences().arg(QString::fromUtf8(texteFrequence),
                                                     QString::fromUtf8(textePrecedent_)));
    const double module = std::abs(gamma);
    if (!std::isfinite(module))
        refuse(ligne, Textes::MesureNonFini().arg(QString::fromUtf8(texteFrequence)));
    // A magnitude of exactly 1 (an open or a short, 0 dB) is a passive load;
    // the last bits of a conversion from dB or polar form are no more.
    if (module > 1 + 1e-12)
        refuse(ligne, Textes::MesureReflexion().arg(Nec::texteArrondi(module, 4)));
    if (releve_.points.size() >= PointsMax)
        refuse(ligne, Textes::MesureTropDePoints().arg(PointsMax));
    releve_.points.push_back({frequenceHz, gamma});
    textePrecedent_ = texteFrequence;
}

Releve Collecte::fin()
{
    if (releve_.points.empty())
        refuseFichier(Textes::MesureVide());
    return std::move(releve_);
}

} // namespace Mesure
