#include "state/FichierBandes.h"

#include "calc/Arithmetique.h"
#include "calc/Erreurs.h"

#include <QFile>
#include <QSaveFile>

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

void charge(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        leveErreur(fichier.errorString());
    const QByteArray contenu = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        leveErreur(fichier.errorString());
    EtatCalcul.TableBandes = lit(contenu);
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

void sauve(const Table &table)
{
    QSaveFile fichier(NomFichier);
    const QByteArray octets = texte(table);
    // flush() before commit(): a write cut short (disk full, size limit) only
    // shows there, and commit() would otherwise rename the truncated file.
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() ||
        !fichier.flush() || !fichier.commit())
        leveErreur(Textes::EnregistrementImpossible.arg(NomFichier));
}

} // namespace FichierBandes
