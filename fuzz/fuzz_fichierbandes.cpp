// The band settings file's reader on any bytes: it returns a table or throws
// KesuErreur, and a table it returns reads back unchanged once written.
#include "regles/Erreurs.h"
#include "state/FichierBandes.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool egales(const FichierBandes::Table &a, const FichierBandes::Table &b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Bande != b[i].Bande || a[i].Frequence != b[i].Frequence)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const QByteArray contenu(reinterpret_cast<const char *>(octets),
                             static_cast<qsizetype>(taille));
    FichierBandes::Table table;
    try {
        table = FichierBandes::lit(contenu);
    } catch (const KesuErreur &) {
        return 0; // "Fichier KESU.INI introuvable" for the user
    }
    // Two positions of band name and five of frequency hold only values whose
    // decimal text fits the same positions, so the written file reads back.
    const QByteArray ecrit = FichierBandes::texte(table);
    try {
        if (egales(FichierBandes::lit(ecrit), table))
            return 0;
    } catch (const KesuErreur &) {
    }
    std::fprintf(stderr, "A table read from the file does not read back once written:\n%s\n",
                 ecrit.constData());
    std::abort();
}
