#include "ui/Plateforme.h"

#include <cstdlib>

namespace {
Plateforme *courante = nullptr;
}

Plateforme &plateforme()
{
    if (courante == nullptr)
        std::abort(); // installed by the program entry, or by a test
    return *courante;
}

void installePlateforme(Plateforme *p)
{
    courante = p;
}
