#include "ui/plateforme/Reglages.h"

#include <QSettings>

namespace {
const QString Nom = QStringLiteral("Kesu");
}

QVariant Reglages::lit(const QString &cle, const QVariant &defaut)
{
    return QSettings(Nom, Nom).value(cle, defaut);
}

void Reglages::ecrit(const QString &cle, const QVariant &valeur)
{
    QSettings(Nom, Nom).setValue(cle, valeur);
}

QString Reglages::dossierPour(const QString &extension)
{
    return QStringLiteral("Enregistrement/Dossier-") + extension.toLower();
}
