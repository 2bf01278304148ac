// The sweep reader on any bytes: it either refuses them with a sentence or
// gives points whose frequencies increase and whose reflection is that of a
// passive load, never more than the bound.
#include "mesure/LectureMesure.h"
#include "regles/Erreurs.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const Mesure::Releve r = Mesure::litOctets(octets, QStringLiteral("f.s1p"));
        if (r.points.empty() || r.points.size() > Mesure::PointsMax || !(r.referenceOhms > 0) ||
            !std::isfinite(r.referenceOhms))
            std::abort();
        for (std::size_t i = 0; i < r.points.size(); ++i) {
            const auto &p = r.points[i];
            if (!(p.frequenceHz > 0) || !std::isfinite(p.frequenceHz) ||
                !(std::abs(p.gamma) <= 1 + 1e-12) ||
                (i > 0 && !(p.frequenceHz > r.points[i - 1].frequenceHz)))
                std::abort();
        }
    } catch (const KesuErreur &e) {
        if (e.texte().isEmpty())
            std::abort();
    }
    return 0;
}
