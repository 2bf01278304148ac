// The number reading of projects and command-line options on any text: a
// finite number or nothing, its own shortest text reads back to it, and a
// project file takes a value exactly when the command line's option does, so
// that a project the command line writes reads back.
#include "commande/CommandeNec.h"
#include "nec/Nombres.h"
#include "projet/Cles.h"
#include "regles/Erreurs.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

[[noreturn]] void faute(const char *quoi, const QString &texte)
{
    std::fprintf(stderr, "%s: \"%s\"\n", quoi, texte.toUtf8().constData());
    std::abort();
}

template <typename F> auto option(F lecture) -> std::optional<decltype(lecture())>
{
    try {
        return lecture();
    } catch (const KesuErreur &) {
        return std::nullopt;
    }
}

void verifie(const QString &texte)
{
    const auto v = Nec::nombre(texte);
    if (v && !std::isfinite(*v))
        faute("not a finite number", texte);
    if (v && Nec::nombre(Nec::texte(*v)) != v)
        faute("the value's text does not read back to it", texte);
    const QString o = QStringLiteral("--hauteur");
    const auto reel = option([&] { return Nec::reelOption(o, texte); });
    if (reel != v)
        faute("the option's real is not the number read", texte);
    const auto entier =
        option([&] { return Nec::entierOption(o, texte, Defauts::PlageBrancheCm, {}); });
    if (entier && (!v || *v != *entier))
        faute("the option's integer is not the number read", texte);
    const Projet::Cle *cleReelle = Projet::cle(QStringLiteral("nec.hauteur_m"));
    const Projet::Cle *cleEntiere = Projet::cle(QStringLiteral("branche_cm"));
    if (!cleReelle || !cleEntiere)
        faute("a key the project lost", texte);
    // A project refuses what the option refuses, and what the window would
    // refuse afterwards: a value beyond the key's range.
    const bool reelAdmis = reel && Defauts::PlageHauteurM.contient(*reel);
    if (Projet::fauteValeur(*cleReelle, texte).has_value() == reelAdmis)
        faute("the project and the option disagree on a real", texte);
    const bool entierAdmis = entier && Defauts::PlageBrancheCm.contient(*entier);
    if (Projet::fauteValeur(*cleEntiere, texte).has_value() == entierAdmis)
        faute("the project and the option disagree on an integer", texte);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille)
{
    const auto *texte = reinterpret_cast<const char *>(octets);
    const auto n = static_cast<qsizetype>(taille);
    // As a file gives it and as a command line or an edit box does.
    verifie(QString::fromUtf8(texte, n));
    verifie(QString::fromLatin1(texte, n));
    return 0;
}
