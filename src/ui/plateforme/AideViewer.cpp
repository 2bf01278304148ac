#include "ui/plateforme/AideViewer.h"

#include "regles/Erreurs.h"

#include "ui/plateforme/Emplacements.h"
#include "ui/plateforme/Langue.h"
#include "ui/plateforme/NavigateurAide.h"
#include "ui/plateforme/Plateforme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include <array>

namespace {

// The help in the program's language: Kesu.hlp in French, Kesu.<code>.hlp in
// the others.
QString nomDocument()
{
    return Langue::courante() == Langue::codes().first()
               ? QStringLiteral("Kesu.hlp")
               : QStringLiteral("Kesu.%1.hlp").arg(Langue::courante());
}

// Help context k of the main window's controls is the section named after the
// control that carries it; the other windows' contexts follow.
constexpr std::array<const char *, 17> Ancres = {
    "",          "LongDip",   "CoefDip",    "LongEch", "CbCoefEch", "ChSerie_bas", "ChSerie_moy",
    "GroupBox1", "Button1",   "ClicAB",     "ClicBC",  "LRayon",    "editeur",     "apropos",
    "nec",       "longueurs", "diagrammes",
};

constexpr QSize TailleFenetre(620, 560);

QPointer<QTextBrowser> instance;

QTextBrowser *creeFenetre()
{
    auto *navigateur = new NavigateurAide;
    navigateur->setWindowTitle(QCoreApplication::translate("AideViewer", "Aide de Kesu"));
    navigateur->setObjectName(QStringLiteral("AideKesu"));
    navigateur->resize(TailleFenetre);
    navigateur->setOpenExternalLinks(true);
    // The help window is not the program: closing the main window still ends
    // the run, and the help goes with it.
    navigateur->setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete instance.data(); });
    return navigateur;
}

// The window whole on its screen: its frame, title bar included, within the
// area the desktop's panels leave. The frame is known once shown; until then
// the window alone is placed.
void placeSurEcran(QWidget *fenetre)
{
    const QScreen *ecran = fenetre->screen();
    if (!ecran)
        return;
    const QRect cadre = fenetre->frameGeometry();
    const QSize bords = cadre.size() - fenetre->size();
    const QRect place = AideViewer::placeDans(cadre, ecran->availableGeometry());
    if (place == cadre)
        return;
    fenetre->resize(place.size() - bords);
    fenetre->move(place.topLeft());
}

} // namespace

QRect AideViewer::placeDans(const QRect &cadre, const QRect &ecran)
{
    QRect r(cadre.topLeft(), cadre.size().boundedTo(ecran.size()));
    if (r.right() > ecran.right())
        r.moveRight(ecran.right());
    if (r.bottom() > ecran.bottom())
        r.moveBottom(ecran.bottom());
    if (r.left() < ecran.left())
        r.moveLeft(ecran.left());
    if (r.top() < ecran.top())
        r.moveTop(ecran.top());
    return r;
}

QString AideViewer::cheminResolu(const QString &fichier)
{
    if (fichier.isEmpty())
        return {};
    const QFileInfo info(QDir::current(), fichier);
    if (info.isFile())
        return info.absoluteFilePath();
    const QDir dossier = info.absoluteDir();
    const QStringList noms = dossier.entryList(QDir::Files | QDir::Hidden);
    for (const QString &nom : noms) {
        if (nom.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dossier.absoluteFilePath(nom);
    }
    return {};
}

QString AideViewer::document()
{
    return document(QCoreApplication::applicationDirPath());
}

QString AideViewer::document(const QString &dossierProgramme)
{
    // The French document stands in for a translation that is missing.
    for (const QString &nom : {nomDocument(), QStringLiteral("Kesu.hlp")}) {
        const QString copie = cheminResolu(QDir::current().filePath(nom));
        if (!copie.isEmpty())
            return copie;
        const QString fourni = Emplacements::fichierFourni(nom, dossierProgramme);
        if (!fourni.isEmpty())
            return fourni;
    }
    return nomDocument();
}

QString AideViewer::ancre(int contexte)
{
    if (contexte < 0 || contexte >= static_cast<int>(Ancres.size()))
        return {};
    return QString::fromLatin1(Ancres[contexte]);
}

QTextBrowser *AideViewer::fenetre()
{
    return instance;
}

void AideViewer::ouvre(const QString &fichier, int contexte)
{
    const QString chemin = cheminResolu(fichier);
    // QTextBrowser shows an unreadable file as an empty page; say so instead.
    if (chemin.isEmpty() || !QFile(chemin).open(QIODevice::ReadOnly)) {
        plateforme().erreur(Textes::AideIntrouvable().arg(fichier));
        return;
    }
    if (!instance)
        instance = creeFenetre();

    QUrl adresse = QUrl::fromLocalFile(chemin);
    const QString section = ancre(contexte);
    if (!section.isEmpty())
        adresse.setFragment(section);
    // The document is HTML whatever its name says.
    instance->setSource(adresse, QTextDocument::HtmlResource);
    placeSurEcran(instance);
    instance->show();
    placeSurEcran(instance);
    instance->raise();
    instance->activateWindow();
}
