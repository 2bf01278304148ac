#include "ui/fenetres/ajustement/FenetreAjustement.h"

#include "nec/ExecutionNec.h"
#include "nec/Nombres.h"
#include "nec/Parallele.h"
#include "regles/Erreurs.h"
#include "regles/TextesAjustement.h"
#include "ui/fenetres/communs/TableauEtale.h"
#include "ui/fenetres/communs/TailleOuverture.h"
#include "ui/fenetres/communs/ToucheEntree.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

using Ajustement::Arret;
using Ajustement::Inconnue;

namespace {

enum ColonneAjustement {
    ColInconnue,
    ColDepart,
    ColAjustee,
    ColIncertitude,
    ColUnite,
    ColonnesAjustement
};

// Below this share of the value, an uncertainty is the arithmetic's, not
// the measurement's (a sweep the model itself gave): none to speak of.
constexpr double IncertitudeNulle = 1e-6;

// A fitted value shown down to its uncertainty's second figure, no further:
// 0.87013 ± 0.00042 reads 0.87013, 10.2 ± 0.3 reads 10.2. Without an
// uncertainty to go by, four figures.
QString texteAjuste(double v, double incertitude)
{
    int chiffres = 4;
    if (std::isfinite(incertitude) && incertitude > IncertitudeNulle * std::abs(v))
        chiffres = static_cast<int>(std::floor(std::log10(std::abs(v))) -
                                    std::floor(std::log10(incertitude))) +
                   2;
    return Nec::texteSignificatif(v, std::clamp(chiffres, 2, 7));
}

QString texteIncertitude(double v, double incertitude)
{
    if (!std::isfinite(incertitude))
        return FenetreAjustement::tr("indéterminée");
    if (incertitude <= IncertitudeNulle * std::abs(v))
        return QStringLiteral("0");
    return Nec::texteSignificatif(incertitude, 2);
}

} // namespace

FenetreAjustement::FenetreAjustement(Ajustement::Demande demande, QString programme,
                                     QWidget *parent)
    : QDialog(parent), demande_(std::move(demande)), programme_(std::move(programme))
{
    setObjectName(QStringLiteral("FenetreAjustement"));
    setWindowTitle(tr("Ajuster le modèle"));
    setFont(PoliceVectorielle());

    const auto nomme = [](QWidget *w, const char *nom) {
        w->setObjectName(QString::fromLatin1(nom));
        return w;
    };
    const std::size_t retenus = Ajustement::pointsRetenus(demande_.entrees, demande_.releve).size();
    aucunPoint_ = retenus == 0;
    Mesure = new QLabel(demande_.releve.nom);
    Points = new QLabel(tr("%1 sur %2").arg(retenus).arg(demande_.releve.points.size()));
    const QString points[] = {tr("C, au bout de l'échelle"), tr("après le balun, côté émetteur"),
                              tr("B, au point d'alimentation")};
    PointMesure = new QLabel(points[static_cast<int>(demande_.point)]);
    for (QLabel *l : {Mesure, Points, PointMesure})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    nomme(Mesure, "Mesure");
    nomme(Points, "Points");
    nomme(PointMesure, "PointMesure");
    auto *forme = new QFormLayout;
    forme->addRow(tr("Mesure :"), Mesure);
    forme->addRow(tr("Points utilisés :"), Points);
    forme->addRow(tr("Point de mesure :"), PointMesure);

    Hauteur = new QCheckBox(tr("&Hauteur (m)"));
    Branche = new QCheckBox(tr("&Branche (cm)"));
    CoefEchelle = new QCheckBox(tr("&Coefficient de vélocité de l'échelle"));
    Z0 = new QCheckBox(tr("&Z0 de l'échelle (Ω)"));
    Sol = new QCheckBox(tr("&Sol (εr, σ)"));
    nomme(Hauteur, "Hauteur");
    nomme(Branche, "Branche");
    nomme(CoefEchelle, "CoefEchelle");
    nomme(Z0, "Z0");
    nomme(Sol, "Sol");
    for (QCheckBox *c : {Hauteur, Branche, CoefEchelle})
        c->setChecked(true);
    // Measured at B, the ladder is not between the analyzer and the wire.
    if (demande_.point == Ajustement::Point::B)
        for (QCheckBox *c : {CoefEchelle, Z0}) {
            c->setChecked(false);
            c->setEnabled(false);
            c->setToolTip(Textes::AjusteEchelleEnBInfobulle());
        }
    if (demande_.entrees.antenne.sol == Nec::Sol::Libre) {
        Sol->setEnabled(false);
        Sol->setToolTip(Textes::AjusteSolLibre());
    }
    auto *inconnues = new QGroupBox(tr("Inconnues"));
    auto *colonne = new QVBoxLayout(inconnues);
    for (QCheckBox *c : {Hauteur, Branche, CoefEchelle, Z0, Sol}) {
        colonne->addWidget(c);
        connect(c, &QCheckBox::toggled, this, [this] { etatBoutons(); });
    }

    CalculsMax = new QSpinBox;
    nomme(CalculsMax, "CalculsMax");
    CalculsMax->setRange(5, 500);
    CalculsMax->setValue(60);
    auto *calculs = new QLabel(tr("Ca&lculs de nec2c au plus"));
    calculs->setBuddy(CalculsMax);
    auto *ligneCalculs = new QHBoxLayout;
    ligneCalculs->addWidget(calculs);
    ligneCalculs->addWidget(CalculsMax);
    ligneCalculs->addStretch();

    Ajuster = new QPushButton(tr("&Ajuster"));
    Annuler = new QPushButton(tr("A&nnuler"));
    Appliquer = new QPushButton(tr("A&ppliquer"));
    Fermer = new QPushButton(tr("&Fermer"));
    nomme(Ajuster, "Ajuster");
    nomme(Annuler, "Annuler");
    nomme(Appliquer, "Appliquer");
    nomme(Fermer, "Fermer");
    Appliquer->setToolTip(tr("Reporte les valeurs ajustées dans la vérification NEC-2"));
    auto *lancer = new QHBoxLayout;
    lancer->addWidget(Ajuster);
    lancer->addWidget(Annuler);
    lancer->addStretch();
    Progression = new QProgressBar;
    nomme(Progression, "Progression");
    Progression->setTextVisible(false);

    Etat = new QLabel;
    Ecart = new QLabel;
    Verdict = new QLabel;
    nomme(Etat, "Etat");
    nomme(Ecart, "Ecart");
    nomme(Verdict, "Verdict");
    for (QLabel *l : {Etat, Ecart, Verdict}) {
        l->setWordWrap(true);
        // The long sentences wrap to the window's width and never set it.
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    Resultats = new TableauEtale(ColonnesAjustement);
    nomme(Resultats, "Resultats");
    Resultats->setHorizontalHeaderLabels(
        {tr("Inconnue"), tr("Départ"), tr("Ajustée"), tr("Incertitude (±1 σ)"), tr("Unité")});
    Resultats->horizontalHeader()->setFont(font());
    Resultats->verticalHeader()->hide();
    Resultats->setTabKeyNavigation(false);

    auto *bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(Appliquer);
    bas->addWidget(Fermer);
    auto *tout = new QVBoxLayout(this);
    tout->addLayout(forme);
    tout->addWidget(inconnues);
    tout->addLayout(ligneCalculs);
    tout->addLayout(lancer);
    tout->addWidget(Progression);
    tout->addWidget(Etat);
    tout->addWidget(Resultats, 1);
    tout->addWidget(Ecart);
    tout->addWidget(Verdict);
    tout->addLayout(bas);
    resize(tailleOuverture(this, QSize(620, 560)));

    if (aucunPoint_) {
        Etat->setText(Textes::AjusteAucunPoint().arg(demande_.releve.nom));
        Etat->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
    }
    etatBoutons();
    connecteGarde(Ajuster, &QPushButton::clicked, this, [this] { AjusterClick(); });
    connecteGarde(Annuler, &QPushButton::clicked, this, [this] { AnnulerClick(); });
    connecteGarde(Appliquer, &QPushButton::clicked, this, [this] { AppliquerClick(); });
    connect(Fermer, &QPushButton::clicked, this, &QDialog::close);
    sansBoutonParDefaut(*this);
}

FenetreAjustement::~FenetreAjustement()
{
    arrete();
}

std::vector<Inconnue> FenetreAjustement::inconnues() const
{
    std::vector<Inconnue> r;
    const std::pair<QCheckBox *, Inconnue> cases[] = {{Hauteur, Inconnue::Hauteur},
                                                      {Branche, Inconnue::Branche},
                                                      {CoefEchelle, Inconnue::CoefEchelle},
                                                      {Z0, Inconnue::Z0},
                                                      {Sol, Inconnue::Sol}};
    for (const auto &[c, i] : cases)
        if (c->isEnabled() && c->isChecked())
            r.push_back(i);
    return r;
}

void FenetreAjustement::etatBoutons()
{
    const bool occupe = enCours();
    Ajuster->setEnabled(!occupe && !aucunPoint_ && !inconnues().empty());
    Annuler->setEnabled(occupe && !interrompu_);
    for (QCheckBox *c : {Hauteur, Branche, CoefEchelle, Z0, Sol})
        c->setAttribute(Qt::WA_TransparentForMouseEvents, occupe);
    CalculsMax->setReadOnly(occupe);
    // Only a fit that converged and explains the measurement is worth keeping.
    Appliquer->setEnabled(!occupe && bilan_ && bilan_->arret == Arret::Converge &&
                          !bilan_->inexplique());
}

void FenetreAjustement::AjusterClick()
{
    if (enCours() || aucunPoint_)
        return;
    Ajustement::Demande d = demande_;
    // A fit stopped by the limit is taken up again from where it stopped.
    if (bilan_ && bilan_->arret == Arret::Limite && inconnuesBilan_ == inconnues())
        d.entrees = bilan_->ajustees;
    d.inconnues = inconnues();
    if (d.inconnues.empty()) {
        Etat->setText(Textes::AjusteAucuneInconnue());
        return;
    }
    d.executionsMax = CalculsMax->value();
    // A fit abandoned when the window closed may still have its last words
    // queued: they are known by their number and ignored.
    const int course = ++course_;
    d.progression = [this, course](int n) {
        QMetaObject::invokeMethod(
            this,
            [this, course, n] {
                if (course == course_)
                    progression(n);
            },
            Qt::QueuedConnection);
    };
    inconnuesBilan_ = d.inconnues;
    executionsMax_ = d.executionsMax;
    interrompu_ = false;
    bilan_.reset();
    montre(Ajustement::Bilan{});
    Etat->setStyleSheet(QString());
    Etat->setText(Textes::AjusteEnCours());
    Progression->setRange(0, executionsMax_);
    Progression->setValue(0);
    Progression->setTextVisible(false);
    chrono_.start();

    const QString programme = programme_;
    const int taches = Nec::taches();
    travail_.reset(QThread::create([this, d = std::move(d), programme, taches, course] {
        const auto interrompu = [this] { return interrompu_.load(); };
        // No time limit: the user cancels.
        const Ajustement::Moteur moteur =
            Ajustement::moteur([&](const std::vector<QByteArray> &decks) {
                return Nec::ExecutionNec::executeBloquants(decks, taches, programme, Nec::SansDelai,
                                                           interrompu);
            });
        Ajustement::Bilan b;
        QString erreur;
        try {
            b = Ajustement::ajuste(d, moteur, interrompu);
        } catch (const KesuErreur &e) {
            erreur = e.texte();
        } catch (const std::exception &e) {
            erreur = QString::fromLocal8Bit(e.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this, b, erreur, course] {
                if (course == course_)
                    termine(b, erreur);
            },
            Qt::QueuedConnection);
    }));
    travail_->start();
    etatBoutons();
}

void FenetreAjustement::AnnulerClick()
{
    if (!enCours())
        return;
    interrompu_ = true;
    Etat->setText(Textes::AjusteArretDemande());
    etatBoutons();
}

void FenetreAjustement::AppliquerClick()
{
    if (!Appliquer->isEnabled() || !bilan_)
        return;
    emit appliquer(bilan_->ajustees, inconnuesBilan_);
    accept();
}

void FenetreAjustement::progression(int executions)
{
    Progression->setValue(std::min(executions, executionsMax_));
    // The runs left at the pace of those made: at most, since the fit may
    // converge before the limit.
    if (executions > 0) {
        const double parCalculS = static_cast<double>(chrono_.elapsed()) / 1000.0 / executions;
        const int reste = std::max(0, executionsMax_ - executions);
        Progression->setFormat(tr("environ %1 s").arg(std::lround(parCalculS * reste)));
        Progression->setTextVisible(true);
    }
}

void FenetreAjustement::termine(const Ajustement::Bilan &b, const QString &erreur)
{
    if (travail_) {
        travail_->wait();
        travail_.reset();
    }
    Progression->setTextVisible(false);
    const bool interrompu = interrompu_.exchange(false);
    if (!erreur.isEmpty()) {
        Etat->setText(erreur);
        Etat->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
    } else {
        bilan_ = b;
        // Cancelled during the engine's runs, the fit may see them fail
        // rather than be told to stop: it was interrupted all the same.
        if (interrompu)
            bilan_->arret = Arret::Interrompu;
        Etat->setText(Ajustement::texteArret(*bilan_));
        Etat->setStyleSheet(bilan_->arret == Arret::Echec
                                ? QStringLiteral("QLabel { color: #c00000; }")
                                : QString());
        montre(*bilan_);
    }
    etatBoutons();
    emit fini();
}

void FenetreAjustement::montre(const Ajustement::Bilan &b)
{
    Resultats->setRowCount(0);
    Ecart->clear();
    Verdict->clear();
    Verdict->setStyleSheet(QString());
    if (b.valeurs.empty())
        return;
    const QHash<QString, QString> noms{
        {QStringLiteral("hauteur"), tr("Hauteur")},
        {QStringLiteral("branche"), tr("Branche")},
        {QStringLiteral("coef-echelle"), tr("Coefficient de vélocité de l'échelle")},
        {QStringLiteral("z0"), tr("Z0 de l'échelle")},
        {QStringLiteral("epsilon"), tr("Permittivité du sol (εr)")},
        {QStringLiteral("sigma"), tr("Conductivité du sol (σ)")}};
    Resultats->setRowCount(static_cast<int>(b.valeurs.size()));
    for (int i = 0; i < Resultats->rowCount(); ++i) {
        const Ajustement::Valeur &v = b.valeurs[static_cast<std::size_t>(i)];
        const QString unite = v.unite == QStringLiteral("ohm") ? QStringLiteral("Ω") : v.unite;
        const QString textes[ColonnesAjustement] = {
            noms.value(v.nom, v.nom), Nec::texteLisible(v.depart),
            texteAjuste(v.ajuste, v.incertitude), texteIncertitude(v.ajuste, v.incertitude), unite};
        for (int c = 0; c < ColonnesAjustement; ++c) {
            auto *item = new QTableWidgetItem(textes[c]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (c != ColInconnue && c != ColUnite)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Resultats->setItem(i, c, item);
        }
    }
    Resultats->ajusteColonnes();
    Ecart->setText(
        tr("Écart à la mesure : %1 avant l'ajustement, %2 après")
            .arg(Nec::texteArrondi(b.ecartAvant, 4), Nec::texteArrondi(b.ecartApres, 4)));
    if (b.inexplique()) {
        Verdict->setText(Textes::AjusteInexplique().arg(Nec::texteArrondi(b.ecartApres, 3)));
        Verdict->setStyleSheet(QStringLiteral("QLabel { color: #c00000; }"));
    } else if (b.arret == Arret::Converge) {
        Verdict->setText(Textes::AjusteApplicable());
    }
}

void FenetreAjustement::arrete()
{
    if (!travail_)
        return;
    interrompu_ = true;
    travail_->wait();
    travail_.reset();
    interrompu_ = false;
    ++course_;
    Etat->setText(Textes::AjusteInterrompu());
    Progression->setTextVisible(false);
}

void FenetreAjustement::closeEvent(QCloseEvent *e)
{
    arrete();
    etatBoutons();
    QDialog::closeEvent(e);
}

void FenetreAjustement::reject()
{
    arrete();
    etatBoutons();
    QDialog::reject();
}
