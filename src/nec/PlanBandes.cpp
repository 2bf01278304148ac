#include "nec/PlanBandes.h"

namespace Nec {

namespace {

struct BandePlan {
    std::int32_t bandeM;
    Bords bords;
};

// Region 1's plan; the Americas and Asia-Pacific widen 80 m and 40 m only.
constexpr BandePlan Region1[] = {
    {80, {3500, 3800}},   {40, {7000, 7200}},   {30, {10100, 10150}}, {20, {14000, 14350}},
    {17, {18068, 18168}}, {15, {21000, 21450}}, {12, {24890, 24990}}, {10, {28000, 29700}},
};

Bords elargie(int region, std::int32_t bandeM, Bords b)
{
    if (bandeM == 80 && region == 2)
        return {3500, 4000};
    if (bandeM == 80 && region == 3)
        return {3500, 3900};
    if (bandeM == 40 && region != 1)
        return {7000, 7300};
    return b;
}

} // namespace

std::optional<Bords> bords(int region, std::int32_t bandeM)
{
    for (const BandePlan &p : Region1)
        if (p.bandeM == bandeM)
            return elargie(region, bandeM, p.bords);
    return std::nullopt;
}

std::vector<double> pointsBande(const Bords &b, int n)
{
    std::vector<double> r;
    for (int i = 0; i < n; ++i)
        r.push_back(n == 1 ? b.basKHz
                           : b.basKHz + static_cast<double>(b.hautKHz - b.basKHz) * i / (n - 1));
    return r;
}

} // namespace Nec
