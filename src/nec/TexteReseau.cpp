#include "nec/TexteReseau.h"

#include "nec/Nombres.h"
#include "regles/TextesBoite.h"

#include <QStringList>
#include <cmath>

namespace Nec {

using Reseau::Limite;
using Reseau::Montage;

QString nomMontage(Montage m)
{
    switch (m) {
    case Montage::CCoteEmetteur:
        return QStringLiteral("l-emetteur");
    case Montage::CCoteAntenne:
        return QStringLiteral("l-antenne");
    case Montage::T:
        break;
    }
    return QStringLiteral("t");
}

QString nomLimite(Limite l)
{
    static const char *const noms[] = {"",       "c1-min", "c1-max", "l-min",  "l-max",
                                       "c2-min", "c2-max", "perte",  "tension"};
    return QString::fromLatin1(noms[static_cast<int>(l)]);
}

QString texteLimite(const Reseau::Reglage &r)
{
    const bool l = r.montage != Montage::T;
    QString piece;
    switch (r.limite) {
    case Limite::Aucune:
        return {};
    case Limite::Perte:
        return Textes::LimitePerte();
    case Limite::Tension:
        return Textes::LimiteTension();
    case Limite::C1Min:
    case Limite::C1Max:
        piece = l ? Textes::PieceCCoteEmetteur() : QStringLiteral("C1");
        break;
    case Limite::C2Min:
    case Limite::C2Max:
        piece = l ? Textes::PieceCCoteAntenne() : QStringLiteral("C2");
        break;
    case Limite::LMin:
    case Limite::LMax:
        piece = Textes::PieceSelf();
        break;
    }
    const bool min =
        r.limite == Limite::C1Min || r.limite == Limite::C2Min || r.limite == Limite::LMin;
    const QString phrase = (min ? Textes::LimiteSousMin() : Textes::LimiteSurMax()).arg(piece);
    if (!std::isfinite(r.valeurRequise))
        return phrase;
    const QString unite = r.limite == Limite::LMin || r.limite == Limite::LMax
                              ? QStringLiteral(" µH")
                              : QStringLiteral(" pF");
    return (min ? Textes::LimiteRequiseMin() : Textes::LimiteRequiseMax())
        .arg(phrase, texteSignificatif(r.valeurRequise, 4) + unite,
             texteLisible(r.valeurBorne) + unite);
}

QString nomsButees(const Reseau::Reglage &r)
{
    QStringList noms;
    const auto ajoute = [&](Reseau::Butee b, Limite min, Limite max) {
        if (b != Reseau::Butee::Non)
            noms << nomLimite(b == Reseau::Butee::Min ? min : max);
    };
    ajoute(r.buteeC1, Limite::C1Min, Limite::C1Max);
    ajoute(r.buteeL, Limite::LMin, Limite::LMax);
    ajoute(r.buteeC2, Limite::C2Min, Limite::C2Max);
    return noms.join(u'+');
}

} // namespace Nec
