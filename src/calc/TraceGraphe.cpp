#include "calc/TraceGraphe.h"

#include "chart/TraceCadre.h"
#include "chart/TraceCourbes.h"
#include "state/EtatCalcul.h"

void TraceGraphe(Surface &surface, EnvironnementTrace &env)
{
    TraceCadre(surface, env);
    TraceCourbes(surface, env);
    // Only a complete chart can be printed: an error above skips both.
    env.montreImpression();
    EtatCalcul.GrapheCourants = true;
}
