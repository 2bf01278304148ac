// The window's layout at any size at or above the designed one: the picture
// takes the room between the top and bottom controls, the bottom row follows
// the bottom edge and the buttons on the right follow the right edge.
#include "ui/fenetres/principale/L_Main.h"

#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QProgressBar>
#include <QPushButton>

namespace {

// Below the picture as designed: the bottom row of controls.
constexpr int HautRangeeBas = 430;

// Where a designed edge of a lobe area lands when the picture's designed span
// [debut, debut + longueur) becomes [debut, debut + nouvelle): the same
// fraction of it, so the eight areas keep their proportions.
int proportion(int bord, int debut, int longueur, int nouvelle)
{
    return debut + qRound(double(bord - debut) * nouvelle / longueur);
}

QRect proportionnel(const QRect &r, const QRect &dessin, const QRect &image)
{
    const int gauche = proportion(r.left(), dessin.left(), dessin.width(), image.width());
    const int droite =
        proportion(r.left() + r.width(), dessin.left(), dessin.width(), image.width());
    const int haut = proportion(r.top(), dessin.top(), dessin.height(), image.height());
    const int bas = proportion(r.top() + r.height(), dessin.top(), dessin.height(), image.height());
    return {gauche, haut, droite - gauche, bas - haut};
}

} // namespace

void TForm1::disposeControles()
{
    if (disposition_.empty()) {
        // Nothing has moved yet: every control stands where it was laid out.
        client_->setMinimumSize(LargeurClient, HauteurClient);
        for (QWidget *w : client_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            disposition_.emplace_back(w, w->geometry());
    }
    const int dx = std::max(0, client_->width() - LargeurClient);
    const int dy = std::max(0, client_->height() - HauteurClient);

    QRect image1;
    for (const auto &[w, dessin] : disposition_)
        if (w == Image1)
            image1 = dessin;
    const QRect image = image1.adjusted(0, 0, dx, dy);
    const auto lobes = imagesLobes();

    for (const auto &[w, dessin] : disposition_) {
        QRect r = dessin;
        if (w == Image1) {
            r = image;
        } else if (std::find(lobes.begin(), lobes.end(), w) != lobes.end()) {
            r = proportionnel(dessin, image1, image);
        } else if (w == ProgressBar1) {
            r.translate(dx / 2, dy / 2); // centred over the picture
        } else {
            if (dessin.top() >= HautRangeeBas)
                r.translate(0, dy);
            if (w == Button1 || w == BitBtn1 || w == AideClic)
                r.translate(dx, 0);
        }
        if (w->geometry() != r)
            w->setGeometry(r);
    }
    executeGarde([this] { redessineGraphe(); });
}

RenduGraphe TForm1::renduGraphe(qreal facteur) const
{
    // The ratio as it is: a desktop at 150 % gets lines, letters and their
    // distances one and a half times those at ratio 1, not twice.
    const qreal ratio = Image1->devicePixelRatioF() * facteur;
    if (ratio == 1)
        return {Image1->size(), 1, font()};
    return {(QSizeF(Image1->size()) * ratio).toSize(), ratio, PoliceGraphe(ratio)};
}

void TForm1::redessineGraphe()
{
    if (!dernierGraphe_.present() || !EtatCalcul.GrapheCourants || Image1->isHidden())
        return;
    const RenduGraphe rendu = renduGraphe();
    if (Image1->picture().size() == rendu.taille)
        return;
    DessinGraphe dessin = dernierGraphe_.dessine(rendu);
    // A move of B or C converts the mouse with the scales of the chart shown.
    dessin.echelles.appliqueA(EtatCalcul);
    dessin.image.setDevicePixelRatio(Image1->devicePixelRatioF());
    Image1->setPicture(dessin.image);
}
