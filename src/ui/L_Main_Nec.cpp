// "Outils" > "Vérification NEC-2…": the check's window, fed with the main
// window's antenna, ladder, class and bands as they stand.
#include "ui/L_Main.h"

#include "calc/CalculRun.h"
#include "regles/Arithmetique.h"
#include "regles/Reel.h"
#include "ui/HandlerGarde.h"
#include "ui/VerificationNec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

Nec::Entrees entreesPrincipales(const TForm1 &f)
{
    Nec::Entrees e;
    e.antenne.brancheCm = Arith::StrToInt(f.LongDip->text());
    e.longElecDip =
        CalculRun::LongueurElectrique(f.LongDip->text(), StrToRealTexte(f.CoefDip->text()));
    e.echelleCm = Arith::StrToInt(f.LongEch->text());
    e.echelle.coefVelocite = StrToRealTexte(f.CbCoefEch->currentText());
    e.classe = f.ChPara->isChecked()        ? Nec::Classe::Haute
               : f.ChSerie_bas->isChecked() ? Nec::Classe::Basse
                                            : Nec::Classe::Moyenne;
    // The thresholds the chart's strips use.
    e.seuils = {EtatCalcul.SeuilBas, EtatCalcul.SeuilMoyen, EtatCalcul.SeuilHaut};
    for (int k = 1; k <= NombreBandes; ++k)
        if (EtatCalcul.BandeActive[k])
            e.bandes.push_back(
                {k, EtatCalcul.TableBandes[k - 1].Bande, EtatCalcul.TableBandes[k - 1].Frequence});
    return e;
}

} // namespace

void TForm1::VerifNecClick()
{
    if (!verificationNec) {
        verificationNec = new VerificationNec([this] { return entreesPrincipales(*this); }, this);
        verificationNec->setWindowFlag(Qt::Window);
        // A length clicked on the map becomes the ladder's, as a move of C does.
        connect(verificationNec, &VerificationNec::longueurChoisie, this,
                [this](std::int32_t cm) { LongEch->setText(QString::number(cm)); });
        // The map follows the main window's ladder, and says when a new run is due.
        const auto actualise = [this] { executeGarde([this] { verificationNec->actualise(); }); };
        for (QLineEdit *e : {LongDip, LongEch, CoefDip})
            connect(e, &QLineEdit::textChanged, verificationNec, actualise);
        connect(CbCoefEch, &QComboBox::currentTextChanged, verificationNec, actualise);
        for (QRadioButton *r : {ChSerie_bas, ChSerie_moy, ChPara})
            connect(r, &QRadioButton::toggled, verificationNec, actualise);
        for (QCheckBox *c : casesBandes())
            connect(c, &QCheckBox::toggled, verificationNec, actualise);
    }
    verificationNec->show();
    verificationNec->raise();
    verificationNec->activateWindow();
}
