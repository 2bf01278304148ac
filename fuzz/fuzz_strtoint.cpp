// The integer conversion of typed text on any text: a 32-bit value or the
// error "'...' n'est pas une valeur entière correcte", never anything else.
#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void verifie(const QString &texte)
{
    std::int32_t valeur = 0;
    try {
        valeur = Arith::StrToInt(texte);
    } catch (const KesuErreur &e) {
        if (e.texte() == Textes::EntierIncorrect().arg(texte))
            return;
        std::fprintf(stderr, "Unexpected error: %s\n", e.what());
        std::abort();
    }
    // The value's own decimal text converts back to it.
    if (Arith::StrToInt(QString::number(valeur)) != valeur) {
        std::fprintf(stderr, "%d does not convert back\n", valeur);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const auto *texte = reinterpret_cast<const char *>(octets);
    const auto n = static_cast<qsizetype>(taille);
    // As the settings file gives it (8-bit text) and as an edit box does.
    verifie(QString::fromLatin1(texte, n));
    verifie(QString::fromUtf8(texte, n));
    return 0;
}
