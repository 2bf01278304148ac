#include "state/FichierBandes.h"

#include "state/EcritureFichier.h"
#include "state/LectureFichier.h"

#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"

#include <QFile>

namespace FichierBandes {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char CtrlZ = 26;

// Splits the file into lines the way it is read: a line ends at CR, an LF right
// after that CR belongs to the line end, a lone LF is an ordinary character,
// and Ctrl-Z ends the file.
QList<QByteArray> lignes(const QByteArray &contenu, int combien)
{
    QList<QByteArray> resultat;
    qsizetype i = 0;
    const qsizetype fin = [&] {
        const qsizetype z = contenu.indexOf(CtrlZ);
        return z < 0 ? contenu.size() : z;
    }();
    while (resultat.size() < combien) {
        QByteArray ligne;
        while (i < fin && contenu[i] != CR)
            ligne += contenu[i++];
        if (i < fin && contenu[i] == CR) {
            ++i;
            if (i < fin && contenu[i] == LF)
                ++i;
        }
        resultat.append(ligne); // past the end, a line reads as empty text
    }
    return resultat;
}

} // namespace

Table lit(const QByteArray &contenu)
{
    Table table;
    const QList<QByteArray> texteLignes = lignes(contenu, NombreBandes);
    for (int row = 0; row < NombreBandes; ++row) {
        const QString ligne = QString::fromLatin1(texteLignes[row]);
        table[row].Bande = Arith::StrToInt(ligne.mid(0, 2));
        table[row].Frequence = Arith::StrToInt(ligne.mid(3, 5));
    }
    return table;
}

Table litFichier()
{
    // Eight short lines: a file of a megabyte, a pipe or a device is not one.
    QByteArray contenu;
    if (LitFichierBorne(NomFichier, 1024 * 1024, contenu) != EchecLecture::Aucun)
        leveErreur(Textes::FichierBandesIntrouvable());
    return lit(contenu);
}

void charge()
{
    EtatCalcul.TableBandes = litFichier();
}

QByteArray texte(const Table &table)
{
    QByteArray resultat;
    for (const LigneBande &ligne : table) {
        // A one-digit name keeps its two positions (" 9"), so it reads back.
        const QByteArray bande = QByteArray::number(ligne.Bande);
        resultat += bande.size() == 1 ? ' ' + bande : bande;
        resultat += ' ';
        resultat += QByteArray::number(ligne.Frequence);
        resultat += "\r\n";
    }
    return resultat;
}

std::optional<HorsFichier> horsFichier(const Table &table)
{
    for (int ligne = 0; ligne < NombreBandes; ++ligne) {
        const LigneBande &bande = table[ligne];
        if (bande.Frequence < FrequenceMin || bande.Frequence > FrequenceMax)
            return HorsFichier{ligne, true,
                               Textes::FrequenceHorsFichier()
                                   .arg(ligne + 1)
                                   .arg(bande.Frequence)
                                   .arg(FrequenceMin)
                                   .arg(FrequenceMax)};
        if (bande.Bande < BandeMin || bande.Bande > BandeMax)
            return HorsFichier{ligne, false,
                               Textes::BandeHorsFichier()
                                   .arg(ligne + 1)
                                   .arg(bande.Bande)
                                   .arg(BandeMin)
                                   .arg(BandeMax)};
    }
    return std::nullopt;
}

void sauve(const Table &table)
{
    if (const auto hors = horsFichier(table))
        leveErreur(hors->texte);
    if (EcritEnUneFois(NomFichier, texte(table)) != EchecEcriture::Aucun)
        leveErreur(Textes::EnregistrementImpossible().arg(NomFichier));
}

} // namespace FichierBandes
