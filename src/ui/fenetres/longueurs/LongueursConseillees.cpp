#include "ui/fenetres/longueurs/LongueursConseillees.h"
#include "ui/fenetres/communs/TableauEtale.h"

#include "nec/Nombres.h"
#include "nec/TexteReseau.h"
#include "regles/Erreurs.h"
#include "regles/TextesLongueurs.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"
#include "ui/fenetres/communs/ToucheEntree.h"
#include "ui/fenetres/longueurs/CarteLongueurs.h"
#include "ui/plateforme/HandlerGarde.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <cmath>

namespace {

QString valeurOuTiret(double v, int decimales)
{
    return std::isfinite(v) ? Nec::texte(v, decimales) : QStringLiteral("—");
}

// What the search's criterion judges a band by, its worst value at a window
// and the limit it is held to: the SWR behind the balun against the tuner's
// maximum, or |Z| at C against the class's limit (a floor for the high class).
struct Jugement {
    bool boite;
    bool reseau = false; // the network's loss against the user's maximum
    bool plancher;
    double valeur;
    double limite;
    double marge() const { return plancher ? valeur - limite : limite - valeur; }
};

Jugement juge(const Nec::Entrees &e, const Longueurs::DetailBande &d)
{
    const bool boite = e.critere == Nec::Critere::Boite;
    const bool haute = e.classe == Nec::Classe::Haute;
    if (Nec::critereReseau(e.critere))
        return {false, true, false,
                d.reglagePire.trouve ? d.reglagePire.perteDb
                                     : std::numeric_limits<double>::quiet_NaN(),
                e.pieces.perteMaxDb};
    const double limite = boite                            ? e.boite.rosMax
                          : e.classe == Nec::Classe::Basse ? e.limites.basse
                          : haute                          ? e.limites.haute
                                                           : e.limites.moyenne;
    return {boite, false, haute && !boite, boite ? d.rosBoiteMax : d.moduleCPire, limite};
}

QString nomsBandes(const std::vector<std::int32_t> &bandes)
{
    QStringList r;
    for (std::int32_t b : bandes)
        r << QString::number(b);
    return r.join(u' ');
}

QTableWidgetItem *celluleLongueurs(const QString &texte)
{
    auto *c = new QTableWidgetItem(texte);
    c->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

// What the window says without nec2c.
QString sansNec()
{
    return QCoreApplication::translate(
        "LongueursConseillees",
        "nec2c n'est pas installé : la recherche suit la règle des bandeaux du graphe. Avec "
        "NEC-2 (paquet nec2c), elle jugerait l'impédance calculée de l'antenne, sur toute la "
        "bande et pour les branches raccourcies et allongées de la tolérance, et donnerait pour "
        "chaque fenêtre le ROS que voit la boîte et la perte de l'échelle.");
}

} // namespace

int LongueursConseillees::choisie() const
{
    const int r = Liste->currentRow();
    return r >= 0 && r < static_cast<int>(fenetres_.size()) ? r : -1;
}

Longueurs::Parametres LongueursConseillees::parametres() const
{
    const auto nombre = [](const QLineEdit *e) {
        if (const auto v = Nec::nombre(e->text()))
            return *v;
        leveErreur(Textes::NecPasUnNombre().arg(e->accessibleName(), e->text()));
    };
    const auto entier = [&](const QLineEdit *e) {
        const double v = nombre(e);
        if (v != std::floor(v) || std::fabs(v) > 1e9)
            leveErreur(Textes::EntierIncorrect().arg(e->text()));
        return static_cast<std::int32_t>(v);
    };
    Longueurs::Parametres p;
    p.echelleMinCm = entier(EchelleMin);
    p.echelleMaxCm = entier(EchelleMax);
    p.tolerancePct = nombre(Tolerance);
    p.toleranceEchellePct = nombre(ToleranceEchelle);
    p.largeurMinCm = entier(LargeurMin);
    p.regle = Critere->currentIndex() == 0 ? Longueurs::Regle::Graphe : Longueurs::Regle::Nec;
    p.surLaBande = SurLaBande->isChecked();
    Longueurs::valide(p);
    return p;
}

std::optional<Longueurs::Branches> LongueursConseillees::branches() const
{
    if (!ChercherBranche->isChecked())
        return std::nullopt;
    const auto entier = [](const QLineEdit *e) {
        const auto v = Nec::nombre(e->text());
        if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9)
            leveErreur(Textes::EntierIncorrect().arg(e->text()));
        return static_cast<std::int32_t>(*v);
    };
    const Longueurs::Branches b{entier(BrancheMin), entier(BrancheMax), entier(Pas)};
    Longueurs::valide(b);
    return b;
}

void LongueursConseillees::ChercherClick()
{
    const Longueurs::Parametres p = parametres();
    const std::optional<Longueurs::Branches> b = branches();
    Nec::Entrees e = principales_();
    // After the chart's rule, the criteria in the order of the class names
    // that follow the chart's three classes.
    if (Critere->currentIndex() > 1)
        Nec::depuisRang(Critere->currentIndex() + 1, e.critere, e.classe);
    else if (Critere->currentIndex() == 1)
        e.critere = Nec::Critere::Limite;
    // An L's capacitors start wider than a T's, as in the NEC-2 window.
    const auto defautAutre =
        e.critere == Nec::Critere::ReseauL ? Defauts::CMaxPfT : Defauts::CMaxPfL;
    if (Nec::critereReseau(e.critere) && e.pieces.cMaxPf == defautAutre)
        e.pieces.cMaxPf = e.critere == Nec::Critere::ReseauL ? Defauts::CMaxPfL : Defauts::CMaxPfT;
    std::vector<Longueurs::Antennes> a = Longueurs::prepare(e, p, b);
    // NEC-2 gives the SWR and the loss under the chart's rule too, when the
    // antenna is one it computes.
    bool avecNec = calculs_->disponible();
    try {
        for (const Longueurs::Antennes &x : a)
            for (const Nec::Entrees &v : x.entrees)
                Nec::valide(v);
        if (avecNec)
            (void)Longueurs::decks(a);
    } catch (const KesuErreur &) {
        if (p.regle == Longueurs::Regle::Nec)
            throw;
        avecNec = false;
    }
    if (p.regle == Longueurs::Regle::Nec && !avecNec)
        leveErreur(Textes::NecIntrouvable());
    sauveReglages();
    parametres_ = p;
    brancheCherchee_ = b.has_value();
    branchesCherchees_ = b;
    antennes_ = std::move(a);
    fenetres_.clear();
    if (!avecNec) {
        termine();
        return;
    }
    enCours(true);
    afficheEtat(tr("Calcul NEC-2 en cours…"));
    calculs_->lance(Longueurs::decks(antennes_));
}

void LongueursConseillees::estimeCout()
{
    Cout->clear();
    if (!ChercherBranche->isChecked())
        return;
    try {
        int aFaire = 0;
        const std::optional<double> duree = calculs_->dureeS(
            Longueurs::decks(Longueurs::prepare(principales_(), parametres(), branches())),
            &aFaire);
        QString t = tr("%1 calculs NEC-2 à faire").arg(aFaire);
        if (duree && aFaire > 0)
            t += tr(", environ %1 s d'après les derniers").arg(std::lround(*duree));
        Cout->setText(t + u'.');
    } catch (const KesuErreur &) {
        // A box being typed: said when "Chercher" is pressed.
    }
}

void LongueursConseillees::termine()
{
    enCours(false);
    estimeCout();
    fenetres_ =
        Longueurs::cherche(antennes_, parametres_, Defauts::FenetresListees,
                           [this](const QByteArray &deck) { return calculs_->impedances(deck); });
    const std::size_t bandes = antennes_.empty() || antennes_.front().entrees.empty()
                                   ? 0
                                   : antennes_.front().entrees.front().bandes.size();
    QString etat;
    if (fenetres_.empty())
        etat = tr("Aucune longueur de la plage n'accorde une bande.");
    else if (fenetres_.front().manquantes.empty())
        etat = tr("Toutes les bandes cochées s'accordent dans les fenêtres ci-dessous, de la plus "
                  "large à la plus étroite.");
    else
        etat = tr("Aucune longueur de la plage n'accorde toutes les bandes : voici celles qui en "
                  "accordent le plus (%1 sur %2).")
                   .arg(fenetres_.front().accordables.size())
                   .arg(bandes);
    // The bands the best window misses, and how close each comes.
    if (!fenetres_.empty() && !antennes_.empty() && !antennes_.front().entrees.empty()) {
        QStringList manquees;
        const Nec::Entrees &e = antennes_.front().entrees.front();
        for (const Longueurs::DetailBande &d : fenetres_.front().details) {
            if (d.accordable)
                continue;
            const Jugement jg = juge(e, d);
            const bool perteSeule = d.reglagePire.limite == Reseau::Limite::Perte;
            manquees << (jg.reseau && !perteSeule
                             ? tr("%1 m : %2").arg(d.bande).arg(Nec::texteLimite(d.reglagePire))
                         : !std::isfinite(jg.valeur) ? tr("%1 m").arg(d.bande)
                         : jg.reseau
                             ? tr("%1 m : perte %2 dB pour %3 au plus")
                                   .arg(d.bande)
                                   .arg(Nec::texte(jg.valeur, 2), Nec::texteLisible(jg.limite))
                         : jg.boite
                             ? tr("%1 m : ROS %2 pour %3 au plus")
                                   .arg(d.bande)
                                   .arg(Nec::texte(jg.valeur, 1), Nec::texteLisible(jg.limite))
                         : jg.plancher
                             ? tr("%1 m : |Z| %2 Ω pour %3 au moins")
                                   .arg(d.bande)
                                   .arg(Nec::texte(jg.valeur, 0), Nec::texteLisible(jg.limite))
                             : tr("%1 m : |Z| %2 Ω pour %3 au plus")
                                   .arg(d.bande)
                                   .arg(Nec::texte(jg.valeur, 0), Nec::texteLisible(jg.limite)));
        }
        if (!manquees.isEmpty())
            etat += u' ' + tr("Manquent : %1.").arg(manquees.join(QStringLiteral(" ; ")));
    }
    // The best window at the end of a range: the best length may lie beyond.
    if (!fenetres_.empty()) {
        const Longueurs::Bord b =
            Longueurs::bord(fenetres_.front(), parametres_, branchesCherchees_);
        if (b.brancheCm)
            etat += u' ' + Textes::LongueursBrancheAuBord().arg(*b.brancheCm);
        if (b.echelleCm)
            etat += u' ' + Textes::LongueursEchelleAuBord().arg(*b.echelleCm);
    }
    if (!calculs_->disponible())
        etat += u' ' + sansNec();
    // The bands nec2c could not compute weigh on no window: said.
    const std::vector<Nec::BandeEchouee> ecartees = Longueurs::echecs(antennes_);
    for (const Nec::BandeEchouee &b : ecartees)
        etat += u'\n' + Textes::BandeEcartee().arg(b.bande.bande).arg(b.raison);
    afficheEtat(etat, ecartees.empty() ? Ton::Info : Ton::Erreur);
    montreListe();
}

void LongueursConseillees::echec(const QString &texte)
{
    enCours(false);
    afficheEtat(texte, Ton::Erreur);
}

void LongueursConseillees::AnnulerClick()
{
    calculs_->annule();
    enCours(false);
    afficheEtat(Textes::NecAnnule());
    // What is left to compute, and at the pace just measured.
    estimeCout();
}

void LongueursConseillees::AppliquerClick()
{
    const int i = choisie();
    if (i < 0)
        return;
    const Longueurs::Fenetre &f = fenetres_[i];
    std::optional<std::int32_t> branche;
    if (brancheCherchee_)
        branche = static_cast<std::int32_t>(std::lround(f.brancheCm));
    // The window stays where the user put it: moving it could only cover the
    // chart drawn for the length chosen.
    emit appliquer(f.centreCm(), branche);
}

void LongueursConseillees::montreListe()
{
    Liste->setRowCount(0);
    Liste->setColumnHidden(1, !brancheCherchee_);
    for (std::size_t i = 0; i < fenetres_.size(); ++i) {
        const Longueurs::Fenetre &f = fenetres_[i];
        const int r = static_cast<int>(i);
        Liste->insertRow(r);
        // A run of equally good branches: its centre, then its ends.
        const QString branche = f.brancheMinCm == f.brancheMaxCm
                                    ? Nec::texte(f.brancheCm)
                                    : tr("%1 (%2 à %3)")
                                          .arg(Nec::texte(f.brancheCm), Nec::texte(f.brancheMinCm),
                                               Nec::texte(f.brancheMaxCm));
        const QString textes[] = {QString::number(i + 1),        branche,
                                  QString::number(f.centreCm()), QString::number(f.debutCm),
                                  QString::number(f.finCm),      QString::number(f.largeurCm()),
                                  nomsBandes(f.manquantes),      valeurOuTiret(f.rosBoiteMax, 2),
                                  valeurOuTiret(f.perteMaxDb, 2)};
        for (int c = 0; c < static_cast<int>(std::size(textes)); ++c)
            Liste->setItem(r, c, celluleLongueurs(textes[c]));
    }
    Liste->ajusteColonnes();
    Appliquer->setEnabled(!fenetres_.empty());
    if (!fenetres_.empty())
        Liste->setCurrentCell(0, 0);
    montreChoisie();
}

void LongueursConseillees::montreChoisie()
{
    Detail->setRowCount(0);
    const int i = choisie();
    if (i < 0) {
        Carte->efface();
        return;
    }
    if (antennes_.empty() || antennes_.front().entrees.empty())
        return;
    const Longueurs::Fenetre &f = fenetres_[i];
    // One criterion, shown as such: the quantity it judges, its limit and the
    // margin; the other quantity for information only.
    const Nec::Entrees &e = antennes_.front().entrees.front();
    const bool boite = e.critere == Nec::Critere::Boite;
    const bool reseau = Nec::critereReseau(e.critere);
    Detail->horizontalHeaderItem(2)->setText(reseau  ? tr("Perte de la boîte (dB)\n(la pire)")
                                             : boite ? tr("ROS vu par la boîte\n(le pire)")
                                             : e.classe == Nec::Classe::Haute
                                                 ? tr("|Z| en C, le plus petit (Ω)")
                                                 : tr("|Z| en C, le plus grand (Ω)"));
    for (std::size_t j = 0; j < f.details.size(); ++j) {
        const Longueurs::DetailBande &d = f.details[j];
        const Jugement jg = juge(e, d);
        const QString info = reseau && !d.reglagePire.accordable() ? Nec::texteLimite(d.reglagePire)
                             : boite || reseau
                                 ? tr("|Z| en C : %1 Ω").arg(valeurOuTiret(d.moduleCPire, 0))
                                 : tr("ROS boîte : %1").arg(valeurOuTiret(d.rosBoiteMax, 2));
        const int r = static_cast<int>(j);
        Detail->insertRow(r);
        Detail->setItem(r, 0, celluleLongueurs(QStringLiteral("%1 m").arg(d.bande)));
        Detail->setItem(r, 1, celluleLongueurs(d.accordable ? tr("Oui") : tr("Non")));
        const int decimales = boite || reseau ? 2 : 0;
        Detail->setItem(r, 2, celluleLongueurs(valeurOuTiret(jg.valeur, decimales)));
        Detail->setItem(r, 3, celluleLongueurs(Nec::texteLisible(jg.limite)));
        Detail->setItem(r, 4, celluleLongueurs(valeurOuTiret(jg.marge(), decimales)));
        Detail->setItem(r, 5, celluleLongueurs(info));
        Detail->setItem(r, 6, celluleLongueurs(valeurOuTiret(d.perteDb, 2)));
    }
    Detail->ajusteColonnes();
    // The map of the chosen window's branch, with the windows proposed for it.
    for (const Longueurs::Antennes &a : antennes_) {
        if (a.brancheCm != f.brancheCm || a.entrees.empty())
            continue;
        std::vector<Longueurs::Fenetre> memes;
        int choisieIci = -1;
        for (std::size_t k = 0; k < fenetres_.size(); ++k)
            if (fenetres_[k].brancheCm == f.brancheCm) {
                if (static_cast<int>(k) == i)
                    choisieIci = static_cast<int>(memes.size());
                memes.push_back(fenetres_[k]);
            }
        Carte->montre(parametres_.echelleMinCm, a.rangees, a.entrees.front().bandes, memes,
                      choisieIci);
        return;
    }
}

void LongueursConseillees::enCours(bool oui)
{
    // The results of the search before stay in sight, greyed, until the new
    // one has its own.
    for (QWidget *w : std::initializer_list<QWidget *>{Liste, Detail, Carte})
        w->setEnabled(!oui);
    Chercher->setEnabled(!oui);
    Annuler->setEnabled(oui);
    Progression->setVisible(oui);
    if (oui) {
        Progression->setRange(0, 0);
        Appliquer->setEnabled(false);
    }
}

void LongueursConseillees::afficheEtat(const QString &texte, Ton ton)
{
    Etat->setStyleSheet(ton == Ton::Erreur ? QStringLiteral("QLabel { color: #c00000; }")
                                           : QString());
    Etat->setText(texte);
}

void LongueursConseillees::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    criteres();
}

void LongueursConseillees::keyPressEvent(QKeyEvent *e)
{
    // Enter on the results applies the row chosen, as a double click does;
    // it never runs the search again.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (Liste->hasFocus() || Detail->hasFocus())) {
        if (Liste->hasFocus() && Appliquer->isEnabled())
            Appliquer->click();
        e->accept();
        return;
    }
    if (!traiteEntree(e, *Chercher))
        QDialog::keyPressEvent(e);
}

void LongueursConseillees::closeEvent(QCloseEvent *e)
{
    calculs_->annule();
    enCours(false);
    QDialog::closeEvent(e);
}

void LongueursConseillees::criteres()
{
    // Without nec2c only the chart's rule can judge; the window says what
    // NEC-2 would add.
    const bool nec = calculs_->disponible();
    if (auto *modele = qobject_cast<QStandardItemModel *>(Critere->model()))
        for (int i = 1; i < Critere->count(); ++i)
            modele->item(i)->setEnabled(nec);
    if (!nec && Critere->currentIndex() != 0)
        Critere->setCurrentIndex(0);
    if (!nec && fenetres_.empty())
        afficheEtat(sansNec());
}
