#include "commande/Ouverture.h"

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
                         const std::function<QString()> &etat)
{
    // The parser skips a first argument: the program's name.
    const QString faute = analyse(parseur, options + QList{commande},
                                  QStringList{QStringLiteral("kesu")} + arguments);
    if (!faute.isEmpty()) {
        erreurs << faute << '\n';
        return Refus;
    }
    if (parseur.isSet(optionAide().names().constFirst())) {
        sortie << aide(utilisation, description, options);
        return Reussite;
    }
    if (parseur.isSet(optionVersion().names().constFirst())) {
        sortie << texteVersion() << '\n';
        if (etat) {
            sortie.flush();
            erreurs << etat() << '\n';
        }
        return Reussite;
    }
    return std::nullopt;
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

FichierBandes::Table litKesuIni()
{
    QFile f(FichierBandes::NomFichier);
    if (!f.open(QIODevice::ReadOnly))
        leveErreur(Textes::FichierBandesIntrouvable());
    return FichierBandes::lit(f.readAll());
}

} // namespace Commande
