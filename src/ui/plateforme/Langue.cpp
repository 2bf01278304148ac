#include "ui/plateforme/Langue.h"

#include "ui/plateforme/Emplacements.h"
#include "ui/plateforme/Reglages.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

QString &actuelle()
{
    static QString code = QStringLiteral("fr");
    return code;
}

// Kept for the whole run: an application holds its translators by address,
// and the command line's application gives way to the window's.
QTranslator &traduction()
{
    static QTranslator programme;
    return programme;
}

QString connue(const QString &code)
{
    const QString c = code.trimmed().toLower();
    return Langue::codes().contains(c) ? c : QString();
}

} // namespace

QStringList Langue::codes()
{
    return {QStringLiteral("fr"), QStringLiteral("en")};
}

QString Langue::nomOption()
{
    return QStringLiteral("langue");
}

QString Langue::cleReglage()
{
    return QStringLiteral("Langue");
}

QString Langue::choisie(const QString &demandee)
{
    for (const QString &c :
         {demandee, qEnvironmentVariable("KESU_LANGUE"), Reglages::lit(cleReglage()).toString()})
        if (!connue(c).isEmpty())
            return connue(c);
    return codes().first();
}

void Langue::installe(const QString &code)
{
    actuelle() = connue(code).isEmpty() ? codes().first() : connue(code);
    QTranslator &programme = traduction();
    QCoreApplication::removeTranslator(&programme);
    // French is the source texts' own language: they need no translation.
    if (actuelle() != codes().first()) {
        const QString nom = QStringLiteral("kesu_%1.qm").arg(actuelle());
        const QString fichier = Emplacements::fichierFourni(nom);
        if (!fichier.isEmpty() && programme.load(fichier))
            QCoreApplication::installTranslator(&programme);
    }
}

QString Langue::courante()
{
    return actuelle();
}

bool Langue::retireOption(QStringList &arguments, QString &code)
{
    const QString option = QStringLiteral("--") + nomOption();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (a.startsWith(option + u'=')) {
            code = a.mid(option.size() + 1);
            arguments.removeAt(i--);
        } else if (a == option) {
            if (i + 1 >= arguments.size())
                return false;
            code = arguments[i + 1];
            arguments.remove(i--, 2);
        }
    }
    return true;
}
