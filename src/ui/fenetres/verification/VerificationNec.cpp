#include "ui/fenetres/verification/VerificationNec.h"

#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"
#include "state/EcritureFichier.h"
#include "ui/fenetres/communs/ToucheEntree.h"
#include "ui/fenetres/verification/AbaqueSmith.h"
#include "ui/fenetres/verification/CarteNec.h"
#include "ui/fenetres/verification/CourbesMesure.h"
#include "ui/fenetres/verification/TableauNec.h"
#include "ui/plateforme/HandlerGarde.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

QString CalculEnCours()
{
    return QCoreApplication::translate("VerificationNec", "Calcul NEC-2 en cours…");
}
QString Perimes()
{
    return QCoreApplication::translate(
        "VerificationNec", "Les résultats affichés ne correspondent plus aux entrées : ");
}
QString ValeurIncorrecte()
{
    return QCoreApplication::translate("VerificationNec", "corrigez la valeur signalée en rouge.");
}

QString nomClasse(Nec::Classe c)
{
    switch (c) {
    case Nec::Classe::Basse:
        return QCoreApplication::translate("VerificationNec", "impédance basse");
    case Nec::Classe::Haute:
        return QCoreApplication::translate("VerificationNec", "impédance haute");
    case Nec::Classe::Moyenne:
        break;
    }
    return QCoreApplication::translate("VerificationNec", "impédance moyenne");
}

// What changed, among what a new nec2c run depends on, said as a sentence.
QString raisonPerime(const Nec::Entrees &avant, const Nec::Entrees &apres)
{
    const Nec::Antenne &a = avant.antenne;
    const Nec::Antenne &b = apres.antenne;
    const char *const bandes = QT_TRANSLATE_NOOP("VerificationNec", "les bandes");
    const std::pair<bool, const char *> changements[] = {
        {a.brancheCm != b.brancheCm, QT_TRANSLATE_NOOP("VerificationNec", "la branche")},
        {a.diametreMm != b.diametreMm, QT_TRANSLATE_NOOP("VerificationNec", "le diamètre du fil")},
        {a.hauteurM != b.hauteurM, QT_TRANSLATE_NOOP("VerificationNec", "la hauteur")},
        {a.sol != b.sol, QT_TRANSLATE_NOOP("VerificationNec", "le sol")},
        {a.ecartementMm != b.ecartementMm,
         QT_TRANSLATE_NOOP("VerificationNec", "l'écartement de l'échelle")},
        {a.forme != b.forme, QT_TRANSLATE_NOOP("VerificationNec", "la forme")},
        {a.angleDeg != b.angleDeg, QT_TRANSLATE_NOOP("VerificationNec", "l'angle du V")},
        {a.fil != b.fil, QT_TRANSLATE_NOOP("VerificationNec", "la matière du fil")},
        {avant.frequenceMaxTableKHz != apres.frequenceMaxTableKHz,
         QT_TRANSLATE_NOOP("VerificationNec", "les fréquences des bandes")},
        {avant.bandes != apres.bandes, bandes},
        {avant.region != apres.region, QT_TRANSLATE_NOOP("VerificationNec", "la région IARU")},
    };
    QStringList quoi;
    bool pluriel = false;
    for (const auto &[change, nom] : changements)
        if (change) {
            quoi << QCoreApplication::translate("VerificationNec", nom);
            pluriel = pluriel || nom == bandes;
        }
    QString sujet = QCoreApplication::translate("VerificationNec", "l'antenne");
    if (!quoi.isEmpty()) {
        pluriel = pluriel || quoi.size() > 1;
        sujet = quoi.takeLast();
        if (!quoi.isEmpty())
            sujet = QCoreApplication::translate("VerificationNec", "%1 et %2")
                        .arg(quoi.join(QStringLiteral(", ")), sujet);
    }
    return Perimes() + (pluriel ? QCoreApplication::translate(
                                      "VerificationNec", "%1 ont changé. Appuyez sur « Calculer ».")
                                : QCoreApplication::translate(
                                      "VerificationNec", "%1 a changé. Appuyez sur « Calculer »."))
                           .arg(sujet);
}

bool principal(Nec::Champ c)
{
    return c < Nec::Champ::Diametre;
}

} // namespace

Nec::Entrees VerificationNec::entrees(std::int32_t carteAuto, QByteArray &deck) const
{
    const auto valeur = [](const QLineEdit *e, Nec::Champ champ) {
        if (const auto v = Nec::nombre(e->text()))
            return *v;
        throw Nec::ErreurChamp(champ, Textes::NecPasUnNombre().arg(e->accessibleName(), e->text()));
    };
    Nec::Entrees e = principales_();
    e.antenne.diametreMm = valeur(Diametre, Nec::Champ::Diametre);
    e.antenne.hauteurM = valeur(Hauteur, Nec::Champ::Hauteur);
    e.antenne.sol = static_cast<Nec::Sol>(std::max(0, Sol->currentIndex()));
    if (e.antenne.sol == Nec::Sol::Personnalise)
        e.antenne.solPersonnalise = {valeur(Epsilon, Nec::Champ::Permittivite),
                                     valeur(Sigma, Nec::Champ::Conductivite)};
    e.antenne.ecartementMm = valeur(Ecartement, Nec::Champ::Ecartement);
    e.antenne.forme = static_cast<Nec::Forme>(std::max(0, Forme->currentIndex()));
    e.antenne.fil = static_cast<Nec::Fil>(std::max(0, Fil->currentIndex()));
    if (e.antenne.forme == Nec::Forme::VInversee)
        e.antenne.angleDeg = valeur(Angle, Nec::Champ::Angle);
    e.echelle.z0 = valeur(Z0, Nec::Champ::Z0);
    e.echelle.perteDb100m = valeur(Perte, Nec::Champ::Perte);
    e.limites = {valeur(LimiteBasse, Nec::Champ::LimiteBasse),
                 valeur(LimiteMoyenne, Nec::Champ::LimiteMoyenne),
                 valeur(LimiteHaute, Nec::Champ::LimiteHaute)};
    e.region = Region->currentData().toInt();
    // The list holds the criteria in the order of the class names after the
    // chart's three classes.
    if (Critere->currentIndex() > 0)
        Nec::depuisRang(Critere->currentIndex() + 2, e.critere, e.classe);
    e.pieces = {e.critere == Nec::Critere::ReseauL ? Reseau::Type::L : Reseau::Type::T,
                valeur(CMin, Nec::Champ::CMin),
                valeur(CMax, Nec::Champ::CMax),
                valeur(LMin, Nec::Champ::LMin),
                valeur(LMax, Nec::Champ::LMax),
                valeur(QBobine, Nec::Champ::QBobine),
                valeur(QCondensateur, Nec::Champ::QCondensateur),
                valeur(Puissance, Nec::Champ::Puissance),
                valeur(PerteBoiteMax, Nec::Champ::PerteBoiteMax),
                valeur(TensionMax, Nec::Champ::TensionMax)};
    e.boite = {Balun->currentData().toInt(), valeur(RosMax, Nec::Champ::RosMax)};
    const QString fin = LongueurMax->text().trimmed();
    if (fin.isEmpty() || fin.compare(Auto, Qt::CaseInsensitive) == 0) {
        // A ladder typed beyond the map makes it grow all the same.
        e.longueurMaxCm = carteAuto > 0 && e.echelleCm <= carteAuto
                              ? carteAuto
                              : Nec::longueurMaxParDefaut(e.echelleCm);
    } else {
        // In centimetres, as its range is checked; far beyond it, still
        // beyond it once converted.
        const double m = valeur(LongueurMax, Nec::Champ::LongueurMax);
        e.longueurMaxCm = static_cast<std::int32_t>(std::lround(std::clamp(m * 100, -1e9, 1e9)));
    }
    Nec::valide(e);
    try {
        deck = Nec::deck(e);
    } catch (const Nec::ErreurChamp &) {
        throw;
    } catch (const KesuErreur &erreur) {
        // Too many segments: the branch is too long for the highest band.
        throw Nec::ErreurChamp(Nec::Champ::Branche, erreur.texte());
    }
    return e;
}

void VerificationNec::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    actualise();
    // Said before any "Calculer": without nec2c nothing can be computed.
    if (zB_.empty() && !execution_->enCours()) {
        if (!execution_->disponible())
            afficheEtat(Textes::NecIntrouvable(), Ton::Erreur);
        else if (Etat->text() == Textes::NecIntrouvable())
            afficheEtat({}); // installed since
    }
}

void VerificationNec::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    // Coming back from the band editor: the frequencies may have changed.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        executeGarde([this] { actualise(); });
}

void VerificationNec::afficheContexteCourant()
{
    Nec::Entrees e;
    try {
        e = principales_();
    } catch (const KesuErreur &) {
        // Said under this line by actualise().
        return;
    }
    Principale->setText(tr("Branche %1 cm, échelle %2 cm, coefficient %3")
                            .arg(Nec::texte(e.antenne.brancheCm), QString::number(e.echelleCm),
                                 Nec::texte(e.echelle.coefVelocite)));
    Classe->setText(tr("Classe de la fenêtre principale : ") + nomClasse(e.classe));
}

void VerificationNec::afficheEtat(const QString &texte, Ton ton)
{
    static const QString styles[] = {
        QString(),
        QStringLiteral("QLabel { background: #fff3c4; color: #5c4400; padding: 4px; }"),
        QStringLiteral("QLabel { color: #c00000; }"),
    };
    Etat->setStyleSheet(styles[static_cast<int>(ton)]);
    Etat->setText(texte);
    Etat->setVisible(!texte.isEmpty());
}

void VerificationNec::montreErreur(const Nec::ErreurChamp &erreur, bool focalise)
{
    erreurs_.montre(erreur, focalise && !principal(erreur.champ()));
    if (focalise && principal(erreur.champ()))
        emit champPrincipalIncorrect(erreur.champ());
}

void VerificationNec::CalculerClick()
{
    erreurs_.efface();
    Nec::Entrees e;
    QByteArray d;
    try {
        // A new computation chooses the map's end afresh.
        e = entrees(0, d);
    } catch (const Nec::ErreurChamp &erreur) {
        montreErreur(erreur, true);
        throw;
    }
    sauveReglages();
    demandees_ = std::move(e);
    deckDemande_ = d;
    carteAuto_ = Nec::longueurMaxParDefaut(demandees_.echelleCm);
    vide(CalculEnCours());
    enCours(true);
    execution_->lance(d, Nec::nombreFrequences(demandees_));
}

void VerificationNec::AnnulerClick()
{
    arrete();
}

void VerificationNec::arrete()
{
    if (!execution_->enCours())
        return;
    execution_->annule();
    enCours(false);
    afficheEtat(Textes::NecAnnule());
}

void VerificationNec::termine(const std::vector<Nec::ImpedanceB> &z)
{
    enCours(false);
    deck_ = deckDemande_;
    zB_ = z;
    entrees_ = demandees_;
    resultat_ = Nec::evalue(entrees_, zB_);
    perime_ = false;
    afficheEchecs();
    montre();
    // What was typed during the run.
    actualise();
}

void VerificationNec::echec(const QString &texte)
{
    enCours(false);
    vide(texte);
    afficheEtat(texte, Ton::Erreur);
}

void VerificationNec::actualise()
{
    afficheContexteCourant();
    erreurs_.efface();
    Nec::Entrees e;
    QByteArray d;
    try {
        e = entrees(carteAuto_, d);
    } catch (const Nec::ErreurChamp &erreur) {
        // Typing goes through bad texts: said beside the box, the focus stays
        // where the user types.
        montreErreur(erreur, false);
        if (!zB_.empty())
            grise(Perimes() + ValeurIncorrecte());
        return;
    }
    if (zB_.empty())
        return;
    if (d != deck_) {
        grise(raisonPerime(entrees_, e));
        return;
    }
    if (!perime_ && e == entrees_)
        return;
    entrees_ = std::move(e);
    resultat_ = Nec::evalue(entrees_, zB_, &resultat_);
    perime_ = false;
    afficheEchecs();
    montre();
}

void VerificationNec::proposeSommet()
{
    if (Forme->currentIndex() != static_cast<int>(Nec::Forme::VInversee))
        return;
    Nec::Antenne a;
    try {
        a = principales_().antenne;
    } catch (const KesuErreur &) {
        return; // the main window's own fault is said elsewhere
    }
    const auto diametre = Nec::nombre(Diametre->text());
    const auto hauteur = Nec::nombre(Hauteur->text());
    const auto angle = Nec::nombre(Angle->text());
    a.sol = static_cast<Nec::Sol>(std::max(0, Sol->currentIndex()));
    a.forme = Nec::Forme::VInversee;
    if (!diametre || !hauteur || !angle || a.sol == Nec::Sol::Libre)
        return;
    a.diametreMm = *diametre;
    a.hauteurM = *hauteur;
    a.angleDeg = *angle;
    // Only the ends reaching the ground are mended here; any other fault of
    // these values is said beside its box as usual.
    const double sommet = Nec::sommetMinimalM(a);
    if (!(sommet > a.hauteurM) || !(a.angleDeg > Nec::AngleMin && a.angleDeg <= Nec::AngleMax))
        return;
    Hauteur->setText(Nec::texte(sommet));
    afficheEtat(tr("Sommet du V inversé placé à %1 m : à %2 m, les extrémités des branches "
                   "descendraient à %3 m, trop près du sol ou dessous.")
                    .arg(Nec::texte(sommet), Nec::texte(a.hauteurM),
                         Nec::texteArrondi(a.hauteurM - Nec::chuteM(a), 2)));
}

void VerificationNec::afficheEchecs()
{
    // The bands computed are shown; those left out are said, one a line.
    QStringList lignes;
    for (const Nec::BandeEchouee &b : resultat_.echecs)
        lignes << Textes::BandeEchouee().arg(b.bande.bande).arg(b.raison);
    afficheEtat(lignes.join(u'\n'), lignes.isEmpty() ? Ton::Info : Ton::Erreur);
}

void VerificationNec::grise(const QString &raison)
{
    perime_ = true;
    afficheEtat(raison, Ton::Perime);
    montre();
}

void VerificationNec::enCours(bool oui)
{
    Calculer->setEnabled(!oui);
    Annuler->setEnabled(oui);
    Progression->setVisible(oui);
    if (oui)
        Progression->setRange(0, 0);
}

void VerificationNec::vide(const QString &etat)
{
    resultat_ = {};
    zB_.clear();
    deck_.clear();
    perime_ = false;
    Carte->efface();
    Abaque->efface();
    Courbes->efface();
    Tableau->setRowCount(0);
    Exporter->setEnabled(false);
    ExporterTouchstone->setEnabled(false);
    afficheEtat(etat);
}

void VerificationNec::montre()
{
    Carte->montre(resultat_, entrees_.echelleCm, perime_, Verdict->currentIndex() == 1);
    Tableau->montre(resultat_.lignes, resultat_.echecs, perime_,
                    Nec::critereReseau(entrees_.critere), mesuresTableau());
    // The Smith chart's bands, and the list of those whose zone it shades.
    std::vector<AbaqueSmith::Bande> bandes;
    QStringList noms;
    for (const Nec::LigneTableau &l : resultat_.lignes) {
        const auto j = static_cast<std::size_t>(
            std::find(entrees_.bandes.begin(), entrees_.bandes.end(), l.bande) -
            entrees_.bandes.begin());
        bandes.push_back({l.bande, Nec::pointsC(entrees_, zB_, j)});
        noms << tr("%1 m").arg(l.bande.bande);
    }
    Abaque->montre(entrees_, std::move(bandes), perime_);
    montreMesureGraphique();
    QStringList avant;
    for (int i = 0; i < ZoneBande->count(); ++i)
        avant << ZoneBande->itemText(i);
    if (avant != noms) {
        const int j = std::max(0, ZoneBande->currentIndex());
        ZoneBande->clear();
        ZoneBande->addItems(noms);
        ZoneBande->setCurrentIndex(std::min(j, static_cast<int>(noms.size()) - 1));
    }
    ZoneBande->setEnabled(Nec::critereReseau(entrees_.critere));
    Exporter->setEnabled(!perime_ && !resultat_.lignes.empty());
    ExporterTouchstone->setEnabled(!perime_ && !zB_.empty());
}

void VerificationNec::ExporterClick()
{
    QString filtre = tr("CSV (*.csv)");
    const QString nom = plateforme().fichierAEnregistrer(
        this, tr("Exporter CSV"), tr("verification-nec.csv"), {filtre}, filtre);
    if (nom.isEmpty())
        return;
    EcritOuSignale(nom, Nec::csv(entrees_, resultat_.lignes), Textes::FichierNonEnregistre());
}

void VerificationNec::keyPressEvent(QKeyEvent *e)
{
    if (!traiteEntree(e, *Calculer))
        QDialog::keyPressEvent(e);
}

void VerificationNec::closeEvent(QCloseEvent *e)
{
    arrete();
    sauveReglages();
    QDialog::closeEvent(e);
}

void VerificationNec::hideEvent(QHideEvent *e)
{
    // Escape hides the window without closing it: the run stops all the same.
    arrete();
    QDialog::hideEvent(e);
}
