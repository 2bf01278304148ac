// The results cache's entry reader on any bytes, for a key and frequencies
// of its own: it returns or refuses the entry, and an entry it takes answers
// every frequency asked, in order. The bytes are tried as a whole entry, and
// as the body of one whose heading carries the right key and checksum, so
// that the body's reader is reached past the checksum a mutation breaks.
#include "nec/CacheResultats.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const QByteArray brut(reinterpret_cast<const char *>(octets), static_cast<qsizetype>(taille));
    static const QByteArray cle =
        "3b1f0c9a6d2e4f5a8b7c6d5e4f3a2b1c0d9e8f7a6b5c4d3e2f1a0b9c8d7e6f5a";
    static const std::vector<double> frequences{3.65, 7.05, 14.1};
    const QByteArray corps = "kesu-resultats 2 " + cle + ' ' +
                             QCryptographicHash::hash(brut, QCryptographicHash::Sha256).toHex() +
                             '\n' + brut;
    for (const QByteArray &entree : {brut, corps}) {
        const auto z = Nec::CacheResultats::litEntree(entree, cle, frequences);
        if (!z)
            continue;
        if (z->size() != frequences.size()) {
            std::fprintf(stderr, "%zu answers for %zu frequencies\n", z->size(), frequences.size());
            std::abort();
        }
        // Within the engine's five significant digits of the frequency asked.
        for (std::size_t i = 0; i < z->size(); ++i)
            if (!(std::abs((*z)[i].frequenceMHz - frequences[i]) <= 1e-4 * frequences[i])) {
                std::fprintf(stderr, "answer %zu is for %g MHz, not %g\n", i, (*z)[i].frequenceMHz,
                             frequences[i]);
                std::abort();
            }
    }
    return 0;
}
