// Impedance class: the three radio buttons, their headings and the threshold
// boxes.
#include "ui/fenetres/principale/L_Main.h"

#include "calc/Seuils.h"
#include "regles/Reel.h"
#include "ui/fenetres/principale/controles/Coloriage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace Couleurs;
using Coloriage::colore;

void encre(QWidget *w, QRgb couleur)
{
    colore(w, {QPalette::WindowText}, couleur);
}

} // namespace

void TForm1::ChSerie_moyClick(QObject *sender)
{
    BitBtn2->hide();
    if (ChPara->isChecked()) {
        encre(GroupBox4, Silver);
        encre(GroupBox5, Yellow);
        encre(Label7, Yellow);
        encre(Label5, Silver);
        encre(Label6, Silver);
    } else {
        encre(GroupBox4, Yellow);
        encre(GroupBox5, Silver);
        encre(Label7, Silver);
    }
    if (sender->objectName() == QLatin1String("ChSerie_moy")) {
        encre(Label5, Silver);
        encre(Label6, Yellow);
    }
    if (sender->objectName() == QLatin1String("ChSerie_bas")) {
        encre(Label5, Yellow);
        encre(Label6, Silver);
    }
}

void TForm1::seuilChange(QLineEdit *boite, double &seuil, Seuils::Genre genre)
{
    seuil = StrToRealTexte(boite->text());
    seuil = Seuils::corrige(genre, seuil, EtatCalcul.SeuilBas);
    const QString texte = Seuils::formate(seuil);
    // Setting a different text runs this handler again at once, nested, on the
    // text written here; an equal text ends the round.
    if (texte != boite->text())
        boite->setText(texte);
}

void TForm1::LimiteBasChange()
{
    seuilChange(LimiteBasse, EtatCalcul.SeuilBas, Seuils::Genre::Bas);
}

void TForm1::LimitMoyenneChange()
{
    seuilChange(LimitMoyenne, EtatCalcul.SeuilMoyen, Seuils::Genre::Moyen);
}

void TForm1::LimiteHautChange()
{
    seuilChange(LimiteHaute, EtatCalcul.SeuilHaut, Seuils::Genre::Haut);
}

void TForm1::LimiteSelect(QLineEdit *sender)
{
    sender->selectAll();
}
