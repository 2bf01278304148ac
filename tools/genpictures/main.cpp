// genpictures: draws the pictures that come with Kesu (the six lobe diagrams,
// the About picture, the window icon and the print button's glyphs) into a
// folder, as PNG files named after their resources. The build runs it; it can
// also be run by hand:  kesu_genpictures <output folder>

#include "Dessins.h"
#include "Rayonnement.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <utility>

int main(int argc, char *argv[])
{
    // Drawing needs no display: build machines often have none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream erreur(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        erreur << "usage: kesu_genpictures <output folder>\n";
        return 2;
    }
    const QDir dossier(arguments.at(1));
    if (!dossier.mkpath(QStringLiteral("."))) {
        erreur << "cannot create " << dossier.path() << '\n';
        return 1;
    }

    bool ok = true;
    const auto ecrit = [&](const QString &nom, const QImage &image) {
        const QString chemin = dossier.filePath(nom + QStringLiteral(".png"));
        if (!image.save(chemin, "PNG")) {
            erreur << "cannot write " << chemin << '\n';
            ok = false;
        }
    };
    // The diagrams write a word: one set per language, the others' names end
    // with the language's code.
    const std::pair<QString, QString> langues[] = {
        {QString(), QStringLiteral("élév.")}, {QStringLiteral("_en"), QStringLiteral("elev.")}};
    for (const Rayonnement::Diagramme &d : Rayonnement::Diagrammes)
        for (const auto &[suffixe, mot] : langues) {
            const QString nom = QString::fromLatin1(d.nom) + suffixe;
            ecrit(nom, Dessins::diagramme(d, 1, mot));
            ecrit(nom + QStringLiteral("@4x"), Dessins::diagramme(d, 4, mot));
        }
    ecrit(QStringLiteral("logo"), Dessins::logo());
    ecrit(QStringLiteral("icone"), Dessins::icone());
    ecrit(QStringLiteral("imprimante"), Dessins::imprimante());
    return ok ? 0 : 1;
}
