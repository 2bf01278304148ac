// "Outils" > "Vérification NEC-2…": the check's window, fed with the main
// window's antenna, ladder, class and bands as they stand.
#include "ui/fenetres/principale/L_Main.h"

#include "calc/CalculRun.h"
#include "nec/Nombres.h"
#include "regles/Arithmetique.h"
#include "regles/Reel.h"
#include "regles/TextesNec.h"
#include "ui/fenetres/principale/EntreesPrincipales.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/HandlerGarde.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <algorithm>

namespace {

QString AvantLancer()
{
    return QCoreApplication::translate(
        "TForm1",
        "Disponible après « Lancer » : la vérification reprend l'antenne, l'échelle et les bandes "
        "du graphe");
}
QString ApresLancer()
{
    return QCoreApplication::translate(
        "TForm1", "Calcule l'antenne avec NEC-2 (nec2c) et compare l'accord à celui du graphe");
}

// Reads one box of this window; its error names it, as the check's window
// shows it beside the line that stands for this window.
template <class Lecture> auto lit(Nec::Champ champ, const char *nom, Lecture lecture)
{
    try {
        return lecture();
    } catch (const KesuErreur &erreur) {
        throw Nec::ErreurChamp(
            champ, Textes::NecChampPrincipal().arg(QCoreApplication::translate("TForm1", nom),
                                                   erreur.texte()));
    }
}

} // namespace

Nec::Entrees entreesPrincipales(const TForm1 &f)
{
    Nec::Entrees e;
    e.antenne.brancheCm =
        lit(Nec::Champ::Branche, QT_TRANSLATE_NOOP("TForm1", "Longueur physique d'une branche"),
            [&] { return Arith::StrToInt(f.LongDip->text()); });
    const double coefDip =
        lit(Nec::Champ::CoefDipole, QT_TRANSLATE_NOOP("TForm1", "Coef de vélocité de la branche"),
            [&] { return StrToRealTexte(f.CoefDip->text()); });
    e.longElecDip =
        lit(Nec::Champ::CoefDipole, QT_TRANSLATE_NOOP("TForm1", "Coef de vélocité de la branche"),
            [&] { return CalculRun::LongueurElectrique(f.LongDip->text(), coefDip); });
    e.echelleCm =
        lit(Nec::Champ::Echelle, QT_TRANSLATE_NOOP("TForm1", "Longueur physique de l'échelle"),
            [&] { return Arith::StrToInt(f.LongEch->text()); });
    e.echelle.coefVelocite =
        lit(Nec::Champ::CoefEchelle, QT_TRANSLATE_NOOP("TForm1", "Coef de vélocité de l'échelle"),
            [&] { return StrToRealTexte(f.CbCoefEch->currentText()); });
    e.classe = f.ChPara->isChecked()        ? Nec::Classe::Haute
               : f.ChSerie_bas->isChecked() ? Nec::Classe::Basse
                                            : Nec::Classe::Moyenne;
    // The thresholds the chart's strips use.
    e.seuils = {EtatCalcul.SeuilBas, EtatCalcul.SeuilMoyen, EtatCalcul.SeuilHaut};
    // The antenna is cut for the table's highest band, ticked or not, so that
    // a band's impedance does not change with the others ticked.
    for (int k = 1; k <= NombreBandes; ++k)
        e.frequenceMaxTableKHz =
            std::max(e.frequenceMaxTableKHz, EtatCalcul.TableBandes[k - 1].Frequence);
    for (int k = 1; k <= NombreBandes; ++k)
        if (EtatCalcul.BandeActive[k])
            e.bandes.push_back(
                {k, EtatCalcul.TableBandes[k - 1].Bande, EtatCalcul.TableBandes[k - 1].Frequence});
    return e;
}

void TForm1::prepareVerifNec()
{
    // A disabled entry says why: its tip shows in the menu and on the status bar.
    MenuOutils->setToolTipsVisible(true);
    const auto conseil = [this](bool actif) {
        const QString t = actif ? ApresLancer() : AvantLancer();
        VerifNec->setToolTip(t);
        VerifNec->setStatusTip(t);
    };
    conseil(VerifNec->isEnabled());
    connect(VerifNec, &QAction::enabledChanged, this, conseil);
    connecteGarde(VerifNec, &QAction::triggered, this, [this] { VerifNecClick(); });
}

void TForm1::VerifNecClick()
{
    if (!verificationNec) {
        verificationNec = new VerificationNec([this] { return entreesPrincipales(*this); }, this);
        verificationNec->setWindowFlag(Qt::Window);
        // A length clicked on the map becomes the ladder's, as a move of C does.
        connect(verificationNec, &VerificationNec::longueurChoisie, this,
                [this](std::int32_t cm) { LongEch->setText(QString::number(cm)); });
        // A fit to a measurement moves the branch and the ladder's factor here.
        connect(verificationNec, &VerificationNec::modeleAjuste, this,
                [this](std::optional<std::int32_t> branche, std::optional<double> coef) {
                    if (branche)
                        LongDip->setText(QString::number(*branche));
                    if (coef)
                        CbCoefEch->setEditText(Nec::texte(*coef));
                });
        connect(verificationNec, &VerificationNec::champPrincipalIncorrect, this,
                [this](Nec::Champ champ) {
                    QWidget *boite = champ == Nec::Champ::Branche      ? LongDip
                                     : champ == Nec::Champ::Echelle    ? LongEch
                                     : champ == Nec::Champ::CoefDipole ? CoefDip
                                     : champ == Nec::Champ::CoefEchelle
                                         ? static_cast<QWidget *>(CbCoefEch)
                                         : casesBandes().front();
                    activateWindow();
                    boite->setFocus(Qt::OtherFocusReason);
                    if (auto *e = qobject_cast<QLineEdit *>(boite))
                        e->selectAll();
                });
        // The map follows the main window's inputs, and says when a new run is due.
        const auto actualise = [this] { executeGarde([this] { verificationNec->actualise(); }); };
        for (QLineEdit *e : {LongDip, LongEch, CoefDip, LimiteBasse, LimitMoyenne, LimiteHaute})
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
