#include "ui/VerificationNec.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "ui/CarteNec.h"
#include "ui/HandlerGarde.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The user's settings, never Kesu.ini: ~/.config/Kesu/Kesu.conf on Linux.
const QString Organisation = QStringLiteral("Kesu");
const QString Groupe = QStringLiteral("VerificationNec");

const QString Legende =
    QStringLiteral("En couleur : C ne doit pas tomber là ; vide : C peut y tomber. Un clic "
                   "reporte la longueur dans l'échelle.");

// What the ground list shows, in the order of Nec::Sol.
constexpr const char *NomsAffiches[] = {"Espace libre", "Sol pauvre", "Sol moyen", "Sol bon",
                                        "Eau de mer"};
static_assert(std::size(NomsAffiches) == std::size(Nec::NomsSols));

QString libelleSol(Nec::Sol sol)
{
    QString t = QString::fromUtf8(NomsAffiches[static_cast<int>(sol)]);
    if (const auto c = Nec::constantes(sol))
        t += QStringLiteral(" (εr %1, σ %2 S/m)")
                 .arg(Nec::texte(c->permittivite), Nec::texte(c->conductivite));
    return t;
}

QString complexe(Nec::Complexe z)
{
    const QString signe = z.imag() < 0 ? QStringLiteral(" − j") : QStringLiteral(" + j");
    return Nec::texte(z.real(), 1) + signe + Nec::texte(std::abs(z.imag()), 1);
}

QString ouiNon(bool v)
{
    return v ? QStringLiteral("Oui") : QStringLiteral("Non");
}

QString nomClasse(Nec::Classe c)
{
    switch (c) {
    case Nec::Classe::Basse:
        return QStringLiteral("impédance basse");
    case Nec::Classe::Haute:
        return QStringLiteral("impédance haute");
    case Nec::Classe::Moyenne:
        break;
    }
    return QStringLiteral("impédance moyenne");
}

// A box of the form, with the name its messages give it.
QLineEdit *champ(QFormLayout *forme, const char *libelle, const char *nom, const QString &defaut)
{
    auto *e = new QLineEdit(defaut);
    e->setObjectName(QString::fromLatin1(nom));
    e->setAccessibleName(QString::fromUtf8(libelle));
    forme->addRow(QString::fromUtf8(libelle), e);
    return e;
}

// A read-only line of the form.
QLabel *lecture(QFormLayout *forme, const char *nom)
{
    auto *l = new QLabel;
    l->setObjectName(QString::fromLatin1(nom));
    forme->addRow(l);
    return l;
}

double valeur(const QLineEdit *e)
{
    return Nec::nombreChamp(e->text(), e->accessibleName());
}

} // namespace

VerificationNec::VerificationNec(EntreesPrincipales principales, QWidget *parent)
    : QDialog(parent), principales_(std::move(principales)), execution_(new Nec::ExecutionNec(this))
{
    setObjectName(QStringLiteral("VerificationNec"));
    setWindowTitle(QStringLiteral("Vérification NEC-2"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(false);

    // The defaults are those of the computation's own inputs.
    const Nec::Entrees defaut;
    auto *antenne = new QGroupBox(QStringLiteral("Antenne"));
    auto *fa = new QFormLayout(antenne);
    Diametre = champ(fa, "Diamètre du fil (mm)", "Diametre", Nec::texte(defaut.antenne.diametreMm));
    Hauteur = champ(fa, "Hauteur (m)", "Hauteur", Nec::texte(defaut.antenne.hauteurM));
    Sol = new QComboBox;
    Sol->setObjectName(QStringLiteral("Sol"));
    for (std::size_t i = 0; i < std::size(Nec::NomsSols); ++i)
        Sol->addItem(libelleSol(static_cast<Nec::Sol>(i)), QString::fromLatin1(Nec::NomsSols[i]));
    Sol->setCurrentIndex(static_cast<int>(defaut.antenne.sol));
    fa->addRow(QStringLiteral("Sol"), Sol);

    auto *echelle = new QGroupBox(QStringLiteral("Échelle"));
    auto *fe = new QFormLayout(echelle);
    Z0 = champ(fe, "Impédance Z0 (Ω)", "Z0", Nec::texte(defaut.echelle.z0));
    Perte = champ(fe, "Perte (dB/100 m à 10 MHz)", "Perte", Nec::texte(defaut.echelle.perteDb100m));
    // What the main window gives, shown where the ladder's own inputs are.
    Principale = lecture(fe, "Principale");

    auto *accord = new QGroupBox(QStringLiteral("Accord"));
    auto *fc = new QFormLayout(accord);
    Classe = lecture(fc, "Classe");
    LimiteBasse =
        champ(fc, "Limite basse, |Z| ≤ (Ω)", "LimiteBasse", Nec::texte(defaut.limites.basse));
    LimiteMoyenne =
        champ(fc, "Limite moyenne, |Z| ≤ (Ω)", "LimiteMoyenne", Nec::texte(defaut.limites.moyenne));
    LimiteHaute =
        champ(fc, "Limite haute, |Z| ≥ (Ω)", "LimiteHaute", Nec::texte(defaut.limites.haute));
    LongueurMax = champ(fc, "Longueur maximale (m)", "LongueurMax", QString());
    LongueurMax->setPlaceholderText(QStringLiteral("auto"));
    LongueurMax->setToolTip(
        QStringLiteral("Vide : deux fois la longueur de l'échelle, et 40 m au moins"));

    Calculer = new QPushButton(QStringLiteral("Calculer"));
    Annuler = new QPushButton(QStringLiteral("Annuler"));
    Exporter = new QPushButton(QStringLiteral("Exporter CSV…"));
    Fermer = new QPushButton(QStringLiteral("Fermer"));
    Calculer->setObjectName(QStringLiteral("Calculer"));
    Annuler->setObjectName(QStringLiteral("Annuler"));
    Exporter->setObjectName(QStringLiteral("Exporter"));
    Fermer->setObjectName(QStringLiteral("Fermer"));
    Calculer->setDefault(true);
    Progression = new QProgressBar;
    Progression->setObjectName(QStringLiteral("Progression"));
    Progression->setTextVisible(false);
    Etat = new QLabel;
    Etat->setObjectName(QStringLiteral("Etat"));
    Etat->setWordWrap(true);

    // The inputs keep to a narrow column: the map and the table get the rest.
    auto *colonne = new QWidget;
    colonne->setFixedWidth(340);
    auto *gauche = new QVBoxLayout(colonne);
    gauche->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : std::initializer_list<QWidget *>{antenne, echelle, accord})
        gauche->addWidget(w);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(Calculer);
    boutons->addWidget(Annuler);
    gauche->addLayout(boutons);
    gauche->addWidget(Progression);
    gauche->addWidget(Etat);
    gauche->addStretch();
    auto *bas = new QHBoxLayout;
    bas->addWidget(Exporter);
    bas->addWidget(Fermer);
    gauche->addLayout(bas);

    Carte = new CarteNec;
    Carte->setObjectName(QStringLiteral("Carte"));
    Survol = new QLabel(Legende);
    Survol->setObjectName(QStringLiteral("Survol"));
    Tableau = new QTableWidget(0, 9);
    Tableau->setObjectName(QStringLiteral("Tableau"));
    Tableau->setHorizontalHeaderLabels(
        {QStringLiteral("Bande"), QStringLiteral("Fréquence (kHz)"), QStringLiteral("Z en B (Ω)"),
         QStringLiteral("Z en C (Ω)"), QStringLiteral("|Z| en C (Ω)"), QStringLiteral("ROS"),
         QStringLiteral("Accord NEC"), QStringLiteral("Accord graphe"),
         QStringLiteral("Accord (%)")});
    Tableau->verticalHeader()->hide();
    Tableau->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *droite = new QVBoxLayout;
    droite->addWidget(Carte);
    droite->addWidget(Survol);
    droite->addWidget(Tableau, 1);

    auto *tout = new QHBoxLayout(this);
    tout->addWidget(colonne);
    tout->addLayout(droite, 1);
    resize(1180, 640);

    litReglages();
    enCours(false);
    Exporter->setEnabled(false);

    connecteGarde(Calculer, &QPushButton::clicked, this, [this] { CalculerClick(); });
    connecteGarde(Annuler, &QPushButton::clicked, this, [this] { AnnulerClick(); });
    connecteGarde(Exporter, &QPushButton::clicked, this, [this] { ExporterClick(); });
    connect(Fermer, &QPushButton::clicked, this, &QDialog::close);
    for (QLineEdit *e : {Z0, Perte, LimiteBasse, LimiteMoyenne, LimiteHaute, LongueurMax})
        connecteGarde(e, &QLineEdit::textChanged, this, [this] { actualise(); });
    connect(execution_, &Nec::ExecutionNec::progression, this, [this](int faites, int total) {
        Progression->setRange(0, total);
        Progression->setValue(faites);
    });
    connect(execution_, &Nec::ExecutionNec::termine, this,
            [this](const std::vector<Nec::ImpedanceB> &z) { executeGarde([&] { termine(z); }); });
    connect(execution_, &Nec::ExecutionNec::echec, this, [this](const QString &t) { echec(t); });
    connect(Carte, &CarteNec::survol, Survol,
            [this](const QString &t) { Survol->setText(t.isEmpty() ? Legende : t); });
    connect(Carte, &CarteNec::longueurChoisie, this, &VerificationNec::longueurChoisie);
}

VerificationNec::~VerificationNec() = default;

Nec::Entrees VerificationNec::entrees() const
{
    Nec::Entrees e = principales_();
    e.antenne.diametreMm = valeur(Diametre);
    e.antenne.hauteurM = valeur(Hauteur);
    e.antenne.sol = static_cast<Nec::Sol>(std::max(0, Sol->currentIndex()));
    e.echelle.z0 = valeur(Z0);
    e.echelle.perteDb100m = valeur(Perte);
    e.limites = {valeur(LimiteBasse), valeur(LimiteMoyenne), valeur(LimiteHaute)};
    if (LongueurMax->text().trimmed().isEmpty()) {
        e.longueurMaxCm = Nec::longueurMaxParDefaut(e.echelleCm);
    } else {
        const double m = valeur(LongueurMax);
        // Beyond 10 km the map would take seconds; it is no longer a ladder.
        e.longueurMaxCm =
            m > 0 && m <= 10'000 ? static_cast<std::int32_t>(std::lround(m * 100)) : 0;
    }
    Nec::valide(e);
    return e;
}

void VerificationNec::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    afficheContexteCourant();
}

void VerificationNec::afficheContexteCourant()
{
    try {
        afficheContexte(principales_());
    } catch (const KesuErreur &) {
        // A bad box of the main window is reported when the check runs.
    }
}

void VerificationNec::afficheContexte(const Nec::Entrees &e)
{
    Principale->setText(QStringLiteral("Branche %1 cm, échelle %2 cm, coefficient %3")
                            .arg(Nec::texte(e.antenne.brancheCm), QString::number(e.echelleCm),
                                 Nec::texte(e.echelle.coefVelocite)));
    Classe->setText(QStringLiteral("Classe de la fenêtre principale : ") + nomClasse(e.classe));
}

void VerificationNec::CalculerClick()
{
    Nec::Entrees e = entrees();
    const QByteArray d = Nec::deck(e);
    sauveReglages();
    demandees_ = std::move(e);
    deckDemande_ = d;
    vide(QStringLiteral("Calcul NEC-2 en cours…"));
    enCours(true);
    execution_->lance(d, static_cast<int>(demandees_.bandes.size()));
}

void VerificationNec::AnnulerClick()
{
    if (!execution_->enCours())
        return;
    execution_->annule();
    enCours(false);
    Etat->setText(Textes::NecAnnule);
}

void VerificationNec::termine(const std::vector<Nec::ImpedanceB> &z)
{
    enCours(false);
    deck_ = deckDemande_;
    zB_ = z;
    entrees_ = demandees_;
    resultat_ = Nec::evalue(entrees_, zB_);
    Etat->clear();
    montre();
}

void VerificationNec::echec(const QString &texte)
{
    enCours(false);
    vide(texte);
    Etat->setStyleSheet(QStringLiteral("color: #c00000"));
}

void VerificationNec::actualise()
{
    afficheContexteCourant();
    if (zB_.empty() || execution_->enCours())
        return;
    Nec::Entrees e;
    try {
        e = entrees();
        if (Nec::deck(e) != deck_) {
            Etat->setStyleSheet({});
            Etat->setText(QStringLiteral("L'antenne ou les bandes ont changé : appuyez sur "
                                         "« Calculer »"));
            return;
        }
    } catch (const KesuErreur &erreur) {
        // Typing goes through bad texts: said here, the last map stays.
        Etat->setStyleSheet(QStringLiteral("color: #c00000"));
        Etat->setText(erreur.texte());
        return;
    }
    entrees_ = std::move(e);
    resultat_ = Nec::evalue(entrees_, zB_, &resultat_);
    Etat->clear();
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
    Carte->efface();
    Tableau->setRowCount(0);
    Exporter->setEnabled(false);
    Etat->setStyleSheet({});
    Etat->setText(etat);
}

void VerificationNec::montre()
{
    afficheContexte(entrees_);
    Carte->montre(resultat_, entrees_.echelleCm);
    Tableau->setRowCount(static_cast<int>(resultat_.lignes.size()));
    int r = 0;
    for (const Nec::LigneTableau &l : resultat_.lignes) {
        const QString textes[] = {
            QString::number(l.bande.bande) + QStringLiteral(" m"),
            QString::number(l.bande.frequenceKHz),
            complexe(l.zB),
            complexe(l.zC),
            Nec::texte(std::abs(l.zC), 1),
            Nec::texte(l.ros, 2),
            ouiNon(l.accordableNec),
            ouiNon(l.accordableGraphe),
            Nec::texte(l.accordPct, 1),
        };
        for (int c = 0; c < 9; ++c) {
            auto *item = new QTableWidgetItem(textes[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            Tableau->setItem(r, c, item);
        }
        Tableau->item(r, 0)->setData(Qt::DecorationRole,
                                     QColor::fromRgb(CouleursBandes[l.bande.k]));
        ++r;
    }
    Exporter->setEnabled(!resultat_.lignes.empty());
}

void VerificationNec::ExporterClick()
{
    QString filtre = QStringLiteral("CSV (*.csv)");
    const QString nom =
        plateforme().fichierAEnregistrer(this, QStringLiteral("Exporter CSV"),
                                         QStringLiteral("verification-nec.csv"), {filtre}, filtre);
    if (nom.isEmpty())
        return;
    if (EcritEnUneFois(nom, Nec::csv(resultat_.lignes)) != EchecEcriture::Aucun)
        leveErreur(Textes::EnregistrementImpossible.arg(nom));
}

void VerificationNec::closeEvent(QCloseEvent *e)
{
    execution_->annule();
    enCours(false);
    sauveReglages();
    QDialog::closeEvent(e);
}

void VerificationNec::hideEvent(QHideEvent *e)
{
    // Escape hides the window without closing it: the run stops all the same.
    if (execution_->enCours()) {
        execution_->annule();
        enCours(false);
        Etat->setText(Textes::NecAnnule);
    }
    QDialog::hideEvent(e);
}

void VerificationNec::litReglages()
{
    QSettings s(Organisation, Organisation);
    s.beginGroup(Groupe);
    for (QLineEdit *e :
         {Diametre, Hauteur, Z0, Perte, LimiteBasse, LimiteMoyenne, LimiteHaute, LongueurMax})
        e->setText(s.value(e->objectName(), e->text()).toString());
    const int i = Sol->findData(s.value(QStringLiteral("Sol"), Sol->currentData()));
    if (i >= 0)
        Sol->setCurrentIndex(i);
}

void VerificationNec::sauveReglages() const
{
    QSettings s(Organisation, Organisation);
    s.beginGroup(Groupe);
    for (const QLineEdit *e :
         {Diametre, Hauteur, Z0, Perte, LimiteBasse, LimiteMoyenne, LimiteHaute, LongueurMax})
        s.setValue(e->objectName(), e->text());
    s.setValue(QStringLiteral("Sol"), Sol->currentData());
}
