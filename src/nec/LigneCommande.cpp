#include "nec/LigneCommande.h"

#include "nec/Nombres.h"
#include "nec/Verification.h"
#include "regles/Erreurs.h"

#include <QFile>
#include <cmath>
#include <map>

namespace Nec {

namespace {

// The main window's start-up values.
constexpr double BrancheCm = 2062;
constexpr double CoefDipole = 0.97;
constexpr double EchelleCm = 3000;
constexpr double CoefEchelle = 0.92;

struct OptionIncorrecte {
    QString texte;
};

const std::map<QString, Sol> &sols()
{
    static const std::map<QString, Sol> s = [] {
        std::map<QString, Sol> r;
        for (std::size_t i = 0; i < std::size(NomsSols); ++i)
            r[QString::fromLatin1(NomsSols[i])] = static_cast<Sol>(i);
        return r;
    }();
    return s;
}

const std::map<QString, Classe> &classes()
{
    static const std::map<QString, Classe> c{{QStringLiteral("basse"), Classe::Basse},
                                             {QStringLiteral("moyenne"), Classe::Moyenne},
                                             {QStringLiteral("haute"), Classe::Haute}};
    return c;
}

template <class T>
T choix(const std::map<QString, T> &valeurs, const QString &option, const QString &texte)
{
    const auto it = valeurs.find(texte);
    if (it == valeurs.end())
        throw OptionIncorrecte{Textes::NecValeurIncorrecte.arg(option, texte)};
    return it->second;
}

double reel(const QString &option, const QString &texte)
{
    const auto v = nombre(texte);
    if (!v)
        throw OptionIncorrecte{Textes::NecValeurIncorrecte.arg(option, texte)};
    return *v;
}

std::int32_t centimetres(const QString &option, const QString &texte)
{
    const double v = reel(option, texte);
    if (v != std::floor(v) || std::fabs(v) > 1e9)
        throw OptionIncorrecte{Textes::NecValeurIncorrecte.arg(option, texte)};
    return static_cast<std::int32_t>(v);
}

std::vector<BandeVerifiee> bandes(const QString &option, const QString &texte,
                                  const FichierBandes::Table &table)
{
    std::vector<BandeVerifiee> r;
    for (const QString &nom : texte.split(u',')) {
        const double v = reel(option, nom);
        bool trouvee = false;
        for (int k = 1; k <= NombreBandes && !trouvee; ++k)
            if (table[k - 1].Bande == v) {
                r.push_back({k, table[k - 1].Bande, table[k - 1].Frequence});
                trouvee = true;
            }
        if (!trouvee)
            throw OptionIncorrecte{Textes::NecBandeInconnue.arg(nom)};
    }
    return r;
}

// Every option but --nec takes a value; the last one given wins.
std::map<QString, QString> options(const QStringList &arguments)
{
    static const QStringList connues{
        QStringLiteral("--branche"),  QStringLiteral("--echelle"), QStringLiteral("--coef-echelle"),
        QStringLiteral("--diametre"), QStringLiteral("--hauteur"), QStringLiteral("--sol"),
        QStringLiteral("--z0"),       QStringLiteral("--perte"),   QStringLiteral("--classe"),
        QStringLiteral("--limite"),   QStringLiteral("--bandes")};
    std::map<QString, QString> r;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--nec"))
            continue;
        if (!connues.contains(a))
            throw OptionIncorrecte{Textes::NecOptionInconnue.arg(a)};
        if (i + 1 >= arguments.size())
            throw OptionIncorrecte{Textes::NecValeurManquante.arg(a)};
        r[a] = arguments[++i];
    }
    return r;
}

Entrees entrees(const QStringList &arguments, const FichierBandes::Table &table)
{
    const auto o = options(arguments);
    const auto valeur = [&](const char *nom) -> const QString * {
        const auto it = o.find(QString::fromLatin1(nom));
        return it == o.end() ? nullptr : &it->second;
    };
    const auto reelOu = [&](const char *nom, double defaut) {
        const QString *t = valeur(nom);
        return t ? reel(QString::fromLatin1(nom), *t) : defaut;
    };
    Entrees e;
    e.antenne.brancheCm = BrancheCm;
    if (const QString *t = valeur("--branche"))
        e.antenne.brancheCm = centimetres(QStringLiteral("--branche"), *t);
    e.echelleCm = static_cast<std::int32_t>(EchelleCm);
    if (const QString *t = valeur("--echelle"))
        e.echelleCm = centimetres(QStringLiteral("--echelle"), *t);
    e.echelle.coefVelocite = reelOu("--coef-echelle", CoefEchelle);
    e.antenne.diametreMm = reelOu("--diametre", e.antenne.diametreMm);
    e.antenne.hauteurM = reelOu("--hauteur", e.antenne.hauteurM);
    if (const QString *t = valeur("--sol"))
        e.antenne.sol = choix(sols(), QStringLiteral("--sol"), *t);
    e.echelle.z0 = reelOu("--z0", e.echelle.z0);
    e.echelle.perteDb100m = reelOu("--perte", e.echelle.perteDb100m);
    if (const QString *t = valeur("--classe"))
        e.classe = choix(classes(), QStringLiteral("--classe"), *t);
    double &limite = e.classe == Classe::Basse     ? e.limites.basse
                     : e.classe == Classe::Moyenne ? e.limites.moyenne
                                                   : e.limites.haute;
    limite = reelOu("--limite", limite);
    if (const QString *t = valeur("--bandes")) {
        e.bandes = bandes(QStringLiteral("--bandes"), *t, table);
    } else {
        for (int k = 1; k <= NombreBandes; ++k)
            e.bandes.push_back({k, table[k - 1].Bande, table[k - 1].Frequence});
    }
    e.longElecDip =
        positionElectrique(0, static_cast<std::int32_t>(e.antenne.brancheCm), CoefDipole);
    e.longueurMaxCm = longueurMaxParDefaut(e.echelleCm);
    try {
        valide(e);
    } catch (const KesuErreur &erreur) {
        throw OptionIncorrecte{erreur.texte()};
    }
    return e;
}

} // namespace

int ligneCommande(const QStringList &arguments, const FichierBandes::Table &table,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule)
{
    Entrees e;
    QByteArray d;
    try {
        e = entrees(arguments, table);
        d = deck(e);
    } catch (const OptionIncorrecte &o) {
        erreurs << o.texte << '\n';
        return 2;
    } catch (const KesuErreur &erreur) {
        // Too many segments: a value the check refuses.
        erreurs << erreur.texte() << '\n';
        return 2;
    }
    const Bilan bilan = calcule(d, static_cast<int>(e.bandes.size()));
    if (const auto *message = std::get_if<QString>(&bilan)) {
        erreurs << *message << '\n';
        return 1;
    }
    sortie << QString::fromUtf8(csv(evalue(e, std::get<std::vector<ImpedanceB>>(bilan)).lignes));
    return 0;
}

int ligneCommande(const QStringList &arguments)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    FichierBandes::Table table;
    try {
        QFile f(FichierBandes::NomFichier);
        if (!f.open(QIODevice::ReadOnly))
            leveErreur(Textes::FichierBandesIntrouvable);
        table = FichierBandes::lit(f.readAll());
    } catch (const std::exception &) {
        erreurs << Textes::FichierBandesIntrouvable << '\n';
        return 1;
    }
    return ligneCommande(arguments, table, sortie, erreurs, [](const QByteArray &d, int n) {
        return ExecutionNec::executeBloquant(d, n);
    });
}

} // namespace Nec
