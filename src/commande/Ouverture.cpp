#include "commande/Ouverture.h"

#include "projet/Cles.h"
#include "regles/TextesProjet.h"

#include "regles/Erreurs.h"
#include "regles/TextesCommande.h"
#include "regles/TextesLigne.h"
#include "regles/Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>

namespace Commande {

namespace {

// Qt's own help is 79 columns wide too.
constexpr qsizetype Largeur = 79;

QString nomTape(const QString &nom)
{
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

const QCommandLineOption *option(const QList<QCommandLineOption> &options, const QString &nom)
{
    const auto it = std::find_if(options.begin(), options.end(),
                                 [&](const auto &o) { return o.names().contains(nom); });
    return it == options.end() ? nullptr : &*it;
}

// Qt only says what went wrong, in English: the arguments tell which option.
QString faute(const QCommandLineParser &parseur, const QList<QCommandLineOption> &options,
              const QStringList &arguments)
{
    if (!parseur.unknownOptionNames().isEmpty())
        return Textes::NecOptionInconnue().arg(nomTape(parseur.unknownOptionNames().constFirst()));
    for (const QString &a : arguments.mid(1)) {
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1String("--")) || !a.contains(u'='))
            continue;
        const QString nom = a.mid(2).section(u'=', 0, 0);
        if (const auto *o = option(options, nom); o && o->valueName().isEmpty())
            return Textes::OptionSansValeur().arg(nomTape(nom));
    }
    // A value is taken from the next argument, whatever it is: only the last
    // argument can lack one.
    const QString &dernier = arguments.constLast();
    QString nom = dernier;
    while (nom.startsWith(u'-'))
        nom.remove(0, 1);
    if (const auto *o = option(options, nom); o && !o->valueName().isEmpty())
        return Textes::NecValeurManquante().arg(dernier);
    return Textes::CommandeIncorrecte().arg(parseur.errorText());
}

// Words of the text, each line at most this wide. French puts a space before
// ":" and ";" and inside « »: those stay with their word.
QStringList lignes(QString texte, qsizetype largeur)
{
    constexpr QChar Insecable(0x00A0);
    for (const QString &signe : {QStringLiteral(":"), QStringLiteral(";"), QStringLiteral("»")})
        texte.replace(u' ' + signe, Insecable + signe);
    texte.replace(QStringLiteral("« "), QStringLiteral("«") + Insecable);
    QStringList r;
    QString ligne;
    for (const QString &mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        if (!ligne.isEmpty() && ligne.size() + 1 + mot.size() > largeur) {
            r << ligne;
            ligne.clear();
        }
        ligne += (ligne.isEmpty() ? QString() : QStringLiteral(" ")) + mot;
    }
    if (!ligne.isEmpty())
        r << ligne;
    for (QString &l : r)
        l.replace(Insecable, u' ');
    return r;
}

} // namespace

QCommandLineOption optionAide()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              Textes::AideOptionAide());
}

QCommandLineOption optionVersion()
{
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              Textes::AideOptionVersion());
}

QString texteVersion()
{
    return QStringLiteral("Kesu ") + QLatin1String(KesuVersion);
}

QString analyse(QCommandLineParser &parseur, const QList<QCommandLineOption> &options,
                const QStringList &arguments)
{
    parseur.addOptions(options);
    if (!parseur.parse(arguments))
        return faute(parseur, options, arguments);
    if (!parseur.positionalArguments().isEmpty())
        return Textes::ArgumentInattendu().arg(parseur.positionalArguments().constFirst());
    return {};
}

QString aide(const QString &utilisation, const QString &description,
             const QList<QCommandLineOption> &options)
{
    QList<std::pair<QString, QString>> colonnes;
    qsizetype gauche = 0;
    for (const QCommandLineOption &o : options) {
        if (o.flags() & QCommandLineOption::HiddenFromHelp)
            continue;
        QStringList noms;
        for (const QString &n : o.names())
            noms << nomTape(n);
        QString nom = noms.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty())
            nom += QStringLiteral(" <%1>").arg(o.valueName());
        gauche = std::max(gauche, nom.size());
        colonnes.append({nom, o.description()});
    }
    QString r = Textes::AideUtilisation().arg(utilisation) + u'\n';
    for (const QString &l : lignes(description, Largeur))
        r += l + u'\n';
    r += u'\n' + Textes::AideTitreOptions() + u'\n';
    const qsizetype retrait = 2 + gauche + 2;
    for (const auto &[nom, texte] : colonnes) {
        QString debut = QStringLiteral("  ") + nom.leftJustified(gauche + 2);
        for (const QString &l : lignes(texte, Largeur - retrait)) {
            r += debut + l + u'\n';
            debut = QString(retrait, u' ');
        }
    }
    return r;
}

std::optional<int> ouvre(QCommandLineParser &parseur, const QList<QCommandLineOption> &options,
                         const QCommandLineOption &commande, const QStringList &arguments,
                         const QString &utilisation, const QString &description,
                         QTextStream &sortie, QTextStream &erreurs,
                         const std::function<QString()> &etat, const LecteurBandes &litBandes)
{
    const QList<QCommandLineOption> toutes =
        options + QList{optionProjet(), optionEnregistreProjet()};
    // The line as typed first; the parser skips a first argument, the
    // program's name.
    QCommandLineParser tapee;
    QString faute =
        analyse(tapee, toutes + QList{commande}, QStringList{QStringLiteral("kesu")} + arguments);
    if (!faute.isEmpty()) {
        erreurs << faute << '\n';
        return Refus;
    }
    if (tapee.isSet(optionAide().names().constFirst())) {
        sortie << aide(utilisation, description, toutes);
        return Reussite;
    }
    if (tapee.isSet(optionVersion().names().constFirst())) {
        sortie << texteVersion() << '\n';
        if (etat) {
            sortie.flush();
            erreurs << etat() << '\n';
        }
        return Reussite;
    }
    const bool longueurs = commande.names().constFirst() == QLatin1String("longueurs");
    Projet::Fichier projet;
    QStringList avant;
    if (tapee.isSet(optionProjet())) {
        const QString chemin = tapee.value(optionProjet());
        QString raison;
        const auto texte = Projet::charge(chemin, raison);
        if (!texte) {
            erreurs << Textes::ProjetIllisible().arg(chemin, raison) << '\n';
            return Echec;
        }
        QList<int> bandes;
        if (litBandes) {
            try {
                bandes = nomsBandes(litBandes());
            } catch (const std::exception &) {
            }
        }
        const Projet::Lecture l = Projet::lit(*texte, bandes);
        // A bad value is refused as a bad option is: the command would
        // otherwise compute the default in its place.
        if (!l.refusees.empty()) {
            for (const Projet::ValeurRefusee &v : l.refusees)
                erreurs << Textes::ProjetValeurRefusee().arg(chemin).arg(v.ligne).arg(
                               v.cle, v.valeur, v.raison)
                        << '\n';
            return Refus;
        }
        // Its other faults are said; the command goes on with the rest.
        for (const QString &f : l.fautes)
            erreurs << f << '\n';
        projet = l.fichier;
        avant = argumentsDuProjet(projet, longueurs);
    }
    // The project's inputs first: the line's, read after them, win.
    faute = analyse(parseur, toutes + QList{commande},
                    QStringList{QStringLiteral("kesu")} + avant + arguments);
    if (!faute.isEmpty()) {
        erreurs << faute << '\n';
        return Refus;
    }
    if (parseur.isSet(optionEnregistreProjet())) {
        const QString chemin = parseur.value(optionEnregistreProjet());
        // A project of a newer Kesu is not written over with this one's
        // format: the window opens it read-only for the same reason.
        QString raison;
        if (const auto existant = Projet::charge(chemin, raison)) {
            if (const Projet::Lecture l = Projet::lit(*existant); l.lectureSeule) {
                erreurs << Textes::ProjetNonEnregistre().arg(chemin,
                                                             Textes::ProjetPlusRecentConserve()
                                                                 .arg(l.fichier.format)
                                                                 .arg(Projet::Format))
                        << '\n';
                return Echec;
            }
        }
        raison.clear();
        // What the project held, and what the line itself typed: the
        // project's inputs that the parser was handed are in it already.
        if (!Projet::enregistre(chemin, projetDeLaLigne(tapee, projet, longueurs), raison)) {
            erreurs << Textes::ProjetNonEnregistre().arg(chemin, raison) << '\n';
            return Echec;
        }
    }
    return std::nullopt;
}

QCommandLineOption optionProjet()
{
    return QCommandLineOption(QStringLiteral("projet"), Textes::AideProjet(),
                              QCoreApplication::translate("Commande", "FICHIER"));
}

QCommandLineOption optionEnregistreProjet()
{
    return QCommandLineOption(QStringLiteral("enregistre-projet"), Textes::AideEnregistreProjet(),
                              QCoreApplication::translate("Commande", "FICHIER"));
}

QStringList argumentsDuProjet(const Projet::Fichier &f, bool longueurs)
{
    const auto v = [&f](const QString &k) { return f.valeur(k); };
    const bool branche = v(QStringLiteral("longueurs.chercher_branche")) == QLatin1String("oui");
    QStringList a;
    for (const Projet::Cle &c : Projet::cles()) {
        const QString nom = QString::fromLatin1(c.nom);
        if (!c.option || (!longueurs && nom.startsWith(QLatin1String("longueurs."))))
            continue;
        const bool deBranche = nom.startsWith(QLatin1String("longueurs.branche_")) ||
                               nom == QLatin1String("longueurs.pas_cm");
        if (deBranche && !branche)
            continue;
        if (const auto x = v(nom))
            a << QStringLiteral("--") + QLatin1String(c.option) << *x;
    }
    QString critere = v(QStringLiteral("nec.critere")).value_or(QStringLiteral("limite"));
    if (longueurs) {
        if (const auto lc = v(QStringLiteral("longueurs.critere"))) {
            const bool graphe = *lc == QLatin1String("graphe");
            a << QStringLiteral("--regle")
              << (graphe ? QStringLiteral("graphe") : QStringLiteral("nec"));
            if (!graphe)
                critere = *lc;
        }
    }
    const QString classe = v(QStringLiteral("classe")).value_or(QStringLiteral("moyenne"));
    a << QStringLiteral("--classe") << (critere == QLatin1String("limite") ? classe : critere);
    if (critere == QLatin1String("limite"))
        if (const auto l = v(QStringLiteral("nec.limite_%1_ohm").arg(classe)))
            a << QStringLiteral("--limite") << *l;
    if (const auto b = v(QStringLiteral("bandes")); b && !b->trimmed().isEmpty())
        a << QStringLiteral("--bandes") << b->split(u' ', Qt::SkipEmptyParts).join(u',');
    return a;
}

Projet::Fichier projetDeLaLigne(const QCommandLineParser &parseur, Projet::Fichier base,
                                bool longueurs)
{
    // Only the options found: asking the parser about one a command lacks warns.
    const QStringList trouvees = parseur.optionNames();
    const auto donnee = [&trouvees](const char *o) {
        return trouvees.contains(QString::fromLatin1(o));
    };
    const auto valeur = [&parseur](const char *o) { return parseur.value(QString::fromLatin1(o)); };
    for (const Projet::Cle &c : Projet::cles())
        if (c.option && donnee(c.option))
            base.pose(QString::fromLatin1(c.nom), c.genre == Projet::Genre::Choix
                                                      ? valeur(c.option).toLower()
                                                      : valeur(c.option));
    if (donnee("bandes")) {
        // Each band once, as the command computes it.
        QStringList bandes = valeur("bandes").split(u',');
        bandes.removeDuplicates();
        base.pose(QStringLiteral("bandes"), bandes.join(u' '));
    }
    if (donnee("branche-min") || donnee("branche-max") || donnee("pas"))
        base.pose(QStringLiteral("longueurs.chercher_branche"), QStringLiteral("oui"));
    if (donnee("classe")) {
        const QString v = valeur("classe").toLower();
        const bool classe = v == QLatin1String("basse") || v == QLatin1String("moyenne") ||
                            v == QLatin1String("haute");
        if (classe)
            base.pose(QStringLiteral("classe"), v);
        base.pose(QStringLiteral("nec.critere"), classe ? QStringLiteral("limite") : v);
        if (longueurs)
            base.pose(QStringLiteral("longueurs.critere"), classe ? QStringLiteral("limite") : v);
    }
    if (donnee("limite"))
        base.pose(
            QStringLiteral("nec.limite_%1_ohm")
                .arg(base.valeur(QStringLiteral("classe")).value_or(QStringLiteral("moyenne"))),
            valeur("limite"));
    if (longueurs && donnee("regle") && valeur("regle").toLower() == QLatin1String("graphe"))
        base.pose(QStringLiteral("longueurs.critere"), QStringLiteral("graphe"));
    return base;
}

QString enumeration(const QStringList &noms)
{
    if (noms.size() < 2)
        return noms.join(QString());
    return Textes::AideOu().arg(noms.first(noms.size() - 1).join(QStringLiteral(", ")),
                                noms.constLast());
}

std::optional<FichierBandes::Table> tableDeLaCommande(const LecteurBandes &litBandes,
                                                      QTextStream &erreurs)
{
    try {
        return litBandes();
    } catch (const std::exception &) {
        erreurs << Textes::FichierBandesIntrouvableLigne().arg(
                       QDir::toNativeSeparators(QDir::currentPath()))
                << '\n';
        return std::nullopt;
    }
}

QList<int> nomsBandes(const FichierBandes::Table &table)
{
    QList<int> r;
    for (const LigneBande &l : table)
        r << l.Bande;
    return r;
}

FichierBandes::Table litKesuIni()
{
    return FichierBandes::litFichier();
}

} // namespace Commande
