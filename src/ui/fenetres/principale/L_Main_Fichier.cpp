// The "Fichier" menu's work: what the picture shows saved as a PNG file.
#include "ui/fenetres/principale/L_Main.h"

#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "ui/fenetres/principale/controles/Coloriage.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Plateforme.h"
#include "ui/plateforme/Reglages.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

// The sizes offered, as the file dialog's filters.
struct Taille {
    const char *filtre;
    int facteur;
};
constexpr Taille Tailles[] = {
    {QT_TRANSLATE_NOOP("TForm1", "Image PNG à la taille affichée (*.png)"), 1},
    {QT_TRANSLATE_NOOP("TForm1", "Image PNG deux fois plus grande (*.png)"), 2},
    {QT_TRANSLATE_NOOP("TForm1", "Image PNG quatre fois plus grande (*.png)"), 4},
};

// Encodes the picture, then writes it in one piece.
void ecritPng(const QImage &image, const QString &chemin)
{
    const auto echec = [&chemin](const QString &raison) {
        leveErreur(Textes::ImageNonEnregistree().arg(QDir::toNativeSeparators(chemin), raison));
    };
    if (image.isNull())
        echec(Textes::ImageTropGrande());
    QByteArray png;
    QBuffer tampon(&png);
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG"))
        echec(Textes::ImageTropGrande());
    EcritOuSignale(chemin, png, Textes::ImageNonEnregistree());
}

} // namespace

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
    // proportions, each from its finer diagram when drawn larger. Each row of
    // diagrams gets a strip below it where each diagram's band is named, as
    // the printed panel's caption names them.
    const double sx = double(rendu.taille.width()) / Image1->width();
    const double sy = double(rendu.taille.height()) / Image1->height();
    const auto zones = imagesLobes();
    const int legende = QFontMetrics(rendu.police).height() + qRound(4 * sy);
    int basPremiereRangee = std::numeric_limits<int>::max();
    for (ZoneImage *zone : zones)
        basPremiereRangee = std::min(basPremiereRangee, zone->geometry().bottom());

    QImage image(rendu.taille + QSize(0, 2 * legende), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Couleurs::Teal);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    peintre.setFont(rendu.police);
    peintre.setPen(QColor::fromRgb(Couleurs::Black));
    for (int k = 1; k <= NombreBandes; ++k) {
        ZoneImage *zone = zones[k - 1];
        if (zone->isHidden())
            continue;
        const QRect r = zone->geometry().translated(-Image1->pos());
        const int decalage = zone->geometry().top() > basPremiereRangee ? legende : 0;
        const QRectF cible(r.x() * sx, r.y() * sy + decalage, r.width() * sx, r.height() * sy);
        peintre.drawImage(cible, zone->pictureA(cible.size().toSize()));
        peintre.drawText(QRectF(cible.left(), cible.bottom(), cible.width(), legende),
                         Qt::AlignCenter,
                         tr("Bande : %1 m").arg(EtatCalcul.TableBandes[k - 1].Bande));
    }
    return image;
}

void TForm1::EnregistrerImageClick()
{
    if (!imageMontree())
        return;
    QStringList filtres;
    QString filtre;
    const int tailleRetenue = Reglages::lit(Reglages::TailleImage, 1).toInt();
    for (const Taille &t : Tailles) {
        filtres << tr(t.filtre);
        if (t.facteur == tailleRetenue || filtre.isEmpty())
            filtre = filtres.last();
    }
    // Named after what is shown: the chart by both lengths, the lobe panel by
    // the branch's, which alone shapes the lobes.
    const QString nom = !Image1->isHidden()
                            ? tr("Kesu %1-%2.png").arg(DipPhysique->text(), EchPhysique->text())
                            : tr("Kesu lobes %1.png").arg(DipPhysique->text());
    const QString chemin =
        plateforme().fichierAEnregistrer(this, tr("Enregistrer l'image"), nom, filtres, filtre);
    if (chemin.isEmpty())
        return;
    int facteur = 1;
    for (const Taille &t : Tailles)
        if (filtre == tr(t.filtre))
            facteur = t.facteur;
    Reglages::ecrit(Reglages::TailleImage, facteur);
    ecritPng(imageAffichee(facteur), chemin);
}
