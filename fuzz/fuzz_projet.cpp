// The project reader on any bytes. A file it reads with a format line of this
// program is written back byte for byte when nothing changed; whatever it
// reads, what is written reads back with the same values, and a file changed
// (keys set, then notes of any text) reads back with the changes and is written
// again unchanged.
#include "projet/FichierProjet.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void faute(const char *quoi, const QByteArray &avant, const QByteArray &apres)
{
    std::fprintf(stderr, "%s\n--- before (%lld bytes)\n%s\n--- after (%lld bytes)\n%s\n", quoi,
                 static_cast<long long>(avant.size()), avant.toPercentEncoding(" =#").constData(),
                 static_cast<long long>(apres.size()), apres.toPercentEncoding(" =#").constData());
    std::abort();
}

// Written, read back, the same values; written again, the same bytes.
void relu(const Projet::Fichier &f, const char *quoi)
{
    const QByteArray ecrit = Projet::ecrit(f);
    Projet::Fichier attendu = f;
    attendu.format = Projet::Format; // this program writes only its own format
    const Projet::Lecture l = Projet::lit(ecrit);
    if (!(l.fichier == attendu) || l.sansFormat || l.lectureSeule)
        faute(quoi, ecrit, Projet::ecrit(l.fichier));
    if (Projet::ecrit(l.fichier) != ecrit)
        faute("written twice, not the same bytes", ecrit, Projet::ecrit(l.fichier));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const QByteArray texte(reinterpret_cast<const char *>(octets), static_cast<qsizetype>(taille));
    const Projet::Lecture l = Projet::lit(texte);
    if (!l.sansFormat && !l.lectureSeule && Projet::ecrit(l.fichier) != texte)
        faute("read and written unchanged, not the same bytes", texte, Projet::ecrit(l.fichier));
    relu(l.fichier, "read, written and read again, not the same values");

    // The user's changes: a known key, an unknown one, notes made of the input.
    Projet::Fichier f = l.fichier;
    f.pose(QStringLiteral("branche_cm"), QStringLiteral("2100"));
    f.pose(QStringLiteral("nec.sol"), QStringLiteral("moyen"));
    f.pose(QStringLiteral("cle_ajoutee"), QStringLiteral("7"));
    relu(f, "keys set, written and read again, not the same values");
    f.notes = QString::fromUtf8(texte);
    relu(f, "notes changed, written and read again, not the same values");
    return 0;
}
