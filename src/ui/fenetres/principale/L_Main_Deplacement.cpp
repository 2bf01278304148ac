// Moving B or C with the mouse: the read-outs follow the mouse over the chart
// and a button release takes the lengths they show.
#include "ui/fenetres/principale/L_Main.h"

#include "calc/Deplacement.h"
#include "regles/Arithmetique.h"
#include "ui/fenetres/principale/controles/Coloriage.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace Couleurs;
using Coloriage::colore;

void couleurs(QLineEdit *e, QRgb fond, QRgb encre)
{
    colore(e, {QPalette::Base}, fond);
    colore(e, {QPalette::Text}, encre);
}

void couleursNormales(QLineEdit *e)
{
    couleurs(e, QApplication::palette().color(QPalette::Base).rgb(), Black);
}

// A read-out's text is replaced only when it differs.
void affiche(QLineEdit *e, std::int64_t valeur)
{
    const QString texte = QString::number(valeur);
    if (e->text() != texte)
        e->setText(texte);
}

} // namespace

void TForm1::arme(bool deplaceAB)
{
    setCursor(Qt::CrossCursor);
    lecturesAvantDeplacement_ = {DipElec->text(), DipPhysique->text(), EchElec->text(),
                                 EchPhysique->text()};
    EtatCalcul.DeplacementArme = true;
    EtatCalcul.DeplaceAB = deplaceAB;
    EtatCalcul.DeplaceBC = !deplaceAB;
    ClicAB->setEnabled(!ClicAB->isEnabled());
    ClicBC->setEnabled(!ClicBC->isEnabled());
    BitBtn2->hide();
    Button1->setEnabled(false);
    couleurs(deplaceAB ? DipElec : EchElec, Yellow, Red);
    couleurs(deplaceAB ? DipPhysique : EchPhysique, Green, Yellow);
}

void TForm1::ClicABClick()
{
    arme(true);
}

void TForm1::ClicBCClick()
{
    arme(false);
}

void TForm1::Image1MouseMove(Qt::MouseButtons, int x, int y)
{
    if (!EtatCalcul.DeplacementArme)
        return;
    EtatCalcul.PointSouris = {x, y};
    if (EtatCalcul.DeplaceAB) {
        const Deplacement::Lectures l = Deplacement::lecturesB(x);
        affiche(DipElec, l.electrique);
        affiche(DipPhysique, l.physique);
    } else if (const auto l = Deplacement::lecturesC(x)) {
        affiche(EchElec, l->electrique);
        affiche(EchPhysique, l->physique);
    }
}

void TForm1::Image1MouseUp(Qt::MouseButton, int, int)
{
    if (!EtatCalcul.DeplacementArme)
        return;
    EtatCalcul.DeplacementArme = false;
    unsetCursor();
    if (EtatCalcul.DeplaceAB) {
        EtatCalcul.LongElecDip = Arith::StrToInt(DipElec->text());
        LongDip->setText(DipPhysique->text());
        EtatCalcul.DeplaceAB = false;
        couleursNormales(DipElec);
        couleursNormales(DipPhysique);
    } else {
        EtatCalcul.LongElecEch = Arith::StrToInt(EchElec->text());
        LongEch->setText(EchPhysique->text());
        EtatCalcul.DeplaceBC = false;
        couleursNormales(EchElec);
        couleursNormales(EchPhysique);
    }
    Button1->setEnabled(!Button1->isEnabled());
}

void TForm1::abandonneDeplacement()
{
    EtatCalcul.DeplacementArme = false;
    EtatCalcul.DeplaceAB = false;
    EtatCalcul.DeplaceBC = false;
    unsetCursor();
    const std::array<QLineEdit *, 4> lectures{DipElec, DipPhysique, EchElec, EchPhysique};
    for (std::size_t i = 0; i < lectures.size(); ++i) {
        if (lectures[i]->text() != lecturesAvantDeplacement_[i])
            lectures[i]->setText(lecturesAvantDeplacement_[i]);
        couleursNormales(lectures[i]);
    }
    Button1->setEnabled(true);
}
