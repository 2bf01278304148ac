#include "nec/Modele.h"

#include "nec/Nombres.h"

#include <QStringList>
#include <algorithm>

namespace Nec {

namespace {

struct Point {
    double x;
    double z;
};

// A GW card from a to b; a tapered wire takes its radius from the GC card
// that follows.
QString fil(int tag, int segments, Point a, Point b, const QString &rayon)
{
    return QStringLiteral("GW %1 %2 %3 0 %4 %5 0 %6 %7\n")
        .arg(tag)
        .arg(segments)
        .arg(texte(a.x), texte(a.z), texte(b.x), texte(b.z), rayon);
}

// One branch, from its conductor's end outwards; side is +1 or -1.
QString branche(int tag, double cote, Point depart, Direction d, const Bras &b, double raison,
                const QString &rayon)
{
    const auto le = [&](double distance) {
        return Point{depart.x + cote * d.x * distance, depart.z + d.z * distance};
    };
    QString s;
    if (b.segmentsEffiles > 0) {
        s += fil(tag, b.segmentsEffiles, depart, le(b.longueurEffileeM), QStringLiteral("0"));
        s += QStringLiteral("GC 0 0 %1 %2 %2\n").arg(texte(raison), rayon);
    }
    if (b.segmentsReguliers > 0)
        s += fil(tag, b.segmentsReguliers, le(b.longueurEffileeM),
                 le(b.longueurEffileeM + b.longueurReguliereM), rayon);
    return s;
}

} // namespace

namespace {

QByteArray deckCoupe(const Antenne &antenne, double frequenceMaxMHz,
                     const std::vector<double> &frequencesMHz, const Maillage &maillage)
{
    const Decoupage dec = decoupage(antenne, frequenceMaxMHz, maillage);
    verifiePose(antenne);
    const auto sol = constantes(antenne);
    // In free space the height changes nothing; the feed stays at z = 0.
    const bool auSol = antenne.sol != Sol::Libre;
    const double z = auSol ? antenne.hauteurM : 0;
    const double demiEcart = antenne.ecartementMm / 2000;
    const QString rayon = texte(antenne.diametreMm / 2000);
    const Direction d = direction(antenne);
    QString t = QStringLiteral("CM Kesu\nCE\n");
    t += fil(1, 1, {-demiEcart, z}, {demiEcart, z}, rayon);
    t += branche(2, 1, {demiEcart, z}, d, dec.bras, maillage.raison, rayon);
    t += branche(3, -1, {-demiEcart, z}, d, dec.bras, maillage.raison, rayon);
    if (sol) {
        t += QStringLiteral("GE 1\nGN 2 0 0 0 %1 %2\n")
                 .arg(texte(sol->permittivite), texte(sol->conductivite));
    } else if (auSol) {
        t += QStringLiteral("GE 1\nGN 1\n");
    } else {
        t += QStringLiteral("GE 0\n");
    }
    // The wire's resistance, on every segment.
    t += QStringLiteral("LD 5 0 0 0 %1\n").arg(texte(conductivite(antenne.fil)));
    t += QStringLiteral("EX 0 1 1 0 1 0\n");
    // Currents are not printed: only the feed impedance is read.
    t += QStringLiteral("PT -1\n");
    for (double f : frequencesMHz)
        t += QStringLiteral("FR 0 1 0 0 %1 0\nXQ\n").arg(texte(f));
    t += QStringLiteral("EN\n");
    return t.toLatin1();
}

} // namespace

QByteArray deck(const Antenne &antenne, double frequenceMaxMHz,
                const std::vector<double> &frequencesMHz, const Maillage &maillage)
{
    for (double f : frequencesMHz)
        frequenceMaxMHz = std::max(frequenceMaxMHz, f);
    return deckCoupe(antenne, frequenceMaxMHz, frequencesMHz, maillage);
}

QByteArray deckBalaye(const Antenne &antenne, double frequenceMaxMHz,
                      const std::vector<double> &frequencesMHz,
                      const std::vector<double> &balayageMHz)
{
    for (double f : frequencesMHz)
        frequenceMaxMHz = std::max(frequenceMaxMHz, f);
    std::vector<double> toutes = frequencesMHz;
    toutes.insert(toutes.end(), balayageMHz.begin(), balayageMHz.end());
    return deckCoupe(antenne, frequenceMaxMHz, toutes, {});
}

std::vector<double> frequencesDemandees(const QByteArray &deck)
{
    std::vector<double> r;
    for (const QByteArray &ligne : deck.split('\n')) {
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        if (champs.size() >= 6 && champs[0] == "FR")
            if (const auto f = nombre(QString::fromLatin1(champs[5])))
                r.push_back(*f);
    }
    return r;
}

} // namespace Nec
