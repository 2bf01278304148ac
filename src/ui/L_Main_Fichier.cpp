// The "Fichier" menu: what the picture shows saved as a PNG file, the print
// job, and quitting.
#include "ui/L_Main.h"

#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "ui/Couleurs.h"
#include "ui/Emplacements.h"
#include "ui/HandlerGarde.h"
#include "ui/Plateforme.h"
#include "ui/ZoneImage.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>

namespace {

// The sizes offered, as the file dialog's filters.
struct Taille {
    const char *filtre;
    int facteur;
};
constexpr Taille Tailles[] = {
    {"Image PNG à la taille affichée (*.png)", 1},
    {"Image PNG deux fois plus grande (*.png)", 2},
    {"Image PNG quatre fois plus grande (*.png)", 4},
};

// "Imprimer…" can be chosen exactly when the print button shows.
class SuitBouton : public QObject {
public:
    SuitBouton(QWidget *bouton, QAction *action) : QObject(action), bouton_(bouton), action_(action)
    {
        bouton->installEventFilter(this);
        action_->setEnabled(!bouton_->isHidden());
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent)
            action_->setEnabled(!bouton_->isHidden());
        return false;
    }

private:
    QWidget *bouton_;
    QAction *action_;
};

// Encodes the picture, then writes it in one piece.
void ecritPng(const QImage &image, const QString &chemin)
{
    const QString nom = QDir::toNativeSeparators(chemin);
    const auto echec = [&nom](const QString &raison) {
        leveErreur(Textes::ImageNonEnregistree.arg(nom, raison));
    };
    if (image.isNull())
        echec(Textes::ImageTropGrande);
    QByteArray png;
    QBuffer tampon(&png);
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG"))
        echec(Textes::EcritureInterrompue);
    const EchecEcriture resultat = EcritEnUneFois(chemin, png);
    if (resultat == EchecEcriture::Ouverture) {
        const QFileInfo dossier(QFileInfo(chemin).absolutePath());
        echec(dossier.isDir() && !dossier.isWritable() ? Textes::DossierProtege
                                                       : Textes::FichierNonCree);
    }
    if (resultat == EchecEcriture::Ecriture)
        echec(Textes::EcritureInterrompue);
    if (resultat == EchecEcriture::Remplacement)
        echec(Textes::FichierNonRemplace);
}

} // namespace

void TForm1::construitMenuFichier()
{
    MenuFichier = menuBar()->addMenu(QStringLiteral("Fichier"));
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    EnregistrerImage = MenuFichier->addAction(QStringLiteral("Enregistrer l'image…"));
    EnregistrerImage->setObjectName(QStringLiteral("EnregistrerImage"));
    Imprimer = MenuFichier->addAction(QStringLiteral("Imprimer…"));
    Imprimer->setObjectName(QStringLiteral("Imprimer"));
    MenuFichier->addSeparator();
    Quitter = MenuFichier->addAction(QStringLiteral("Quitter"));
    Quitter->setObjectName(QStringLiteral("Quitter"));
}

void TForm1::connecteMenuFichier()
{
    new SuitBouton(BitBtn2, Imprimer);
    connecteGarde(Imprimer, &QAction::triggered, this, [this] { Impression1Click(); });
    connecteGarde(EnregistrerImage, &QAction::triggered, this, [this] { EnregistrerImageClick(); });
    connecteGarde(Quitter, &QAction::triggered, this, [this] { close(); });
    connect(MenuFichier, &QMenu::aboutToShow, this,
            [this] { EnregistrerImage->setEnabled(imageMontree()); });
}

bool TForm1::imageMontree() const
{
    if (!Image1->isHidden())
        return dernierGraphe_.present() && EtatCalcul.GrapheCourants;
    const auto lobes = imagesLobes();
    return std::any_of(lobes.begin(), lobes.end(), [](ZoneImage *z) { return !z->isHidden(); });
}

QImage TForm1::imageAffichee(int facteur)
{
    if (!imageMontree())
        return {};
    const RenduGraphe rendu = renduGraphe(facteur);
    if (!Image1->isHidden())
        return dernierGraphe_.dessine(rendu).image;

    // The lobe panel: the areas over the window's background, in the same
    // proportions, each from its finer diagram when drawn larger.
    QImage image(rendu.taille, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Couleurs::Teal);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    const double sx = double(rendu.taille.width()) / Image1->width();
    const double sy = double(rendu.taille.height()) / Image1->height();
    for (ZoneImage *zone : imagesLobes()) {
        if (zone->isHidden())
            continue;
        const QRect r = zone->geometry().translated(-Image1->pos());
        const QRectF cible(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy);
        peintre.drawImage(cible, zone->pictureA(cible.size().toSize()));
    }
    return image;
}

void TForm1::EnregistrerImageClick()
{
    if (!imageMontree())
        return;
    QStringList filtres;
    for (const Taille &t : Tailles)
        filtres << QString::fromUtf8(t.filtre);
    const QString dossier = Emplacements::dossierUtilisateur(QStandardPaths::PicturesLocation);
    // Named after the lengths of the chart or panel shown.
    const QString nom =
        QStringLiteral("Kesu %1-%2.png").arg(DipPhysique->text(), EchPhysique->text());
    QString filtre = filtres.first();
    QString chemin = plateforme().fichierAEnregistrer(this, QStringLiteral("Enregistrer l'image"),
                                                      QDir(dossier).filePath(nom), filtres, filtre);
    if (chemin.isEmpty())
        return;
    if (!chemin.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        chemin += QStringLiteral(".png");
    int facteur = 1;
    for (const Taille &t : Tailles)
        if (filtre == QString::fromUtf8(t.filtre))
            facteur = t.facteur;
    ecritPng(imageAffichee(facteur), chemin);
}
