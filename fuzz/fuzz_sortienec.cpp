// The NEC-2 output reader on any text, its patterns included: it returns or
// says it found nothing, and what it returns holds together.
#include "nec/LectureSortie.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void faute(const char *quoi)
{
    std::fprintf(stderr, "%s\n", quoi);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const std::string_view texte(reinterpret_cast<const char *>(octets), taille);
    const auto z = Nec::litSortie(texte);
    const int calculees = Nec::frequencesCalculees(texte);
    if (calculees < 0)
        faute("a negative count of computed frequencies");
    if (z) {
        // Every answer read came from an input parameters block.
        if (z->empty() || static_cast<int>(z->size()) > calculees)
            faute("more answers than input parameters blocks");
        for (const Nec::ImpedanceB &r : *z) {
            if (!std::isfinite(r.frequenceMHz))
                faute("an answer at a frequency that is not a number");
            if (r.diagramme)
                for (const Nec::PointGain &p : r.diagramme->points)
                    (void)(p.theta + p.phi + p.gainDbi);
        }
    }
    // One line, its blanks squeezed to one space.
    const std::string derniere = Nec::derniereLigne(texte);
    if (derniere.find('\n') != std::string::npos || derniere.find("  ") != std::string::npos ||
        (!derniere.empty() && (derniere.front() == ' ' || derniere.back() == ' ')))
        faute("the last line is not one line of single-spaced words");
    return 0;
}
