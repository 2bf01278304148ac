// The "Longueurs conseillées" window's layout and the settings it keeps.
#include "ui/fenetres/longueurs/LongueursConseillees.h"

#include "nec/Nombres.h"
#include "ui/fenetres/communs/TableauEtale.h"
#include "ui/fenetres/communs/TailleOuverture.h"
#include "ui/fenetres/communs/ToucheEntree.h"
#include "ui/fenetres/longueurs/CarteLongueurs.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QCheckBox>
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
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The user's settings, never Kesu.ini.
const QString OrganisationLc = QStringLiteral("Kesu");
const QString GroupeLc = QStringLiteral("LongueursConseillees");

TableauEtale *tableauLongueurs(const char *nom, const QStringList &titres)
{
    auto *t = new TableauEtale(static_cast<int>(titres.size()));
    t->setObjectName(QString::fromLatin1(nom));
    t->setHorizontalHeaderLabels(titres);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table: walking its cells would move the row chosen.
    t->setTabKeyNavigation(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

} // namespace

LongueursConseillees::LongueursConseillees(EntreesPrincipales principales, QWidget *parent)
    : QDialog(parent), principales_(std::move(principales)),
      calculs_(new Longueurs::CalculsNec(this))
{
    setObjectName(QStringLiteral("LongueursConseillees"));
    setWindowTitle(tr("Longueurs conseillées"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(false);
    setFont(PoliceVectorielle());

    // A box with its label and its unit after it.
    // Room for a kilometre of ladder in cm, however long the labels beside.
    const int chiffres = QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000000"));
    const auto champ = [chiffres](QFormLayout *forme, const QString &libelle, const char *nom,
                                  const QString &texte, const QString &unite) {
        auto *e = new QLineEdit(texte);
        e->setMinimumWidth(chiffres);
        e->setObjectName(QString::fromLatin1(nom));
        e->setAccessibleName(QString(libelle).remove(u'&'));
        auto *l = new QLabel(libelle);
        l->setBuddy(e);
        auto *ligne = new QHBoxLayout;
        ligne->addWidget(e, 1);
        ligne->addWidget(new QLabel(unite));
        forme->addRow(l, ligne);
        return e;
    };
    const auto cm = [](std::int32_t v) { return QString::number(v); };

    auto *plage = new QGroupBox(tr("Plage"));
    auto *fp = new QFormLayout(plage);
    EchelleMin = champ(fp, tr("É&chelle de"), "EchelleMin", cm(Defauts::EchelleMinCm), tr("cm"));
    EchelleMax = champ(fp, tr("à"), "EchelleMax", cm(Defauts::EchelleMaxCm), tr("cm"));
    Tolerance = champ(fp, tr("&Tolérance sur les branches"), "Tolerance",
                      Nec::texte(Defauts::ToleranceBranchePct), tr("%"));
    ToleranceEchelle = champ(fp, tr("Tolérance sur le c&oefficient de l'échelle"),
                             "ToleranceEchelle", Nec::texte(Defauts::ToleranceEchellePct), tr("%"));
    LargeurMin = champ(fp, tr("&Largeur minimale"), "LargeurMin",
                       QString::number(Defauts::LargeurMinCm), tr("cm"));
    // The boxes after "à" are named in full in the messages that name them.
    EchelleMax->setAccessibleName(tr("Échelle à"));
    Critere = new QComboBox;
    Critere->setObjectName(QStringLiteral("Critere"));
    Critere->addItem(tr("Graphe (classe de la fenêtre principale)"), QStringLiteral("graphe"));
    Critere->addItem(tr("NEC-2 : limite de |Z| de la classe"), QStringLiteral("limite"));
    Critere->addItem(tr("NEC-2 : boîte d'accord"), QStringLiteral("boite"));
    Critere->addItem(tr("NEC-2 : boîte en T"), QStringLiteral("reseau-t"));
    Critere->addItem(tr("NEC-2 : boîte en L"), QStringLiteral("reseau-l"));
    Critere->setCurrentIndex(1);
    // Its longest choice is read whole: the panel widens for it.
    Critere->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *lc = new QLabel(tr("C&ritère"));
    lc->setBuddy(Critere);
    // Under its label: its longest choice beside the longest label would
    // widen the panel by as much, taken from the results.
    fp->addRow(lc);
    fp->addRow(Critere);
    SurLaBande = new QCheckBox(tr("Sur toute la &bande (plan IARU)"));
    SurLaBande->setObjectName(QStringLiteral("SurLaBande"));
    SurLaBande->setChecked(true);
    fp->addRow(SurLaBande);

    ChercherBranche = new QGroupBox(tr("Chercher aussi la bra&nche"));
    ChercherBranche->setObjectName(QStringLiteral("ChercherBranche"));
    ChercherBranche->setCheckable(true);
    ChercherBranche->setChecked(false);
    auto *fb = new QFormLayout(ChercherBranche);
    BrancheMin = champ(fb, tr("Branche &de"), "BrancheMin", cm(Defauts::BrancheMinCm), tr("cm"));
    BrancheMax = champ(fb, tr("à"), "BrancheMax", cm(Defauts::BrancheMaxCm), tr("cm"));
    BrancheMax->setAccessibleName(tr("Branche à"));
    Pas = champ(fb, tr("&Pas"), "Pas", cm(Defauts::PasBrancheCm), tr("cm"));
    Cout = new QLabel;
    Cout->setObjectName(QStringLiteral("Cout"));
    Cout->setWordWrap(true);
    fb->addRow(Cout);

    Antenne = new QLabel(tr("L'antenne, l'échelle et la boîte sont celles de la fenêtre "
                            "principale et de la vérification NEC-2."));
    Antenne->setObjectName(QStringLiteral("Antenne"));
    Antenne->setWordWrap(true);

    Chercher = new QPushButton(tr("C&hercher"));
    Annuler = new QPushButton(tr("&Annuler"));
    Appliquer = new QPushButton(tr("Appli&quer"));
    Fermer = new QPushButton(tr("&Fermer"));
    Chercher->setObjectName(QStringLiteral("Chercher"));
    Annuler->setObjectName(QStringLiteral("Annuler"));
    Appliquer->setObjectName(QStringLiteral("Appliquer"));
    Fermer->setObjectName(QStringLiteral("Fermer"));
    Appliquer->setToolTip(tr("Reporte le centre de la fenêtre choisie dans la longueur de "
                             "l'échelle (et la branche, si elle a été cherchée), puis lance le "
                             "graphe"));
    Appliquer->setEnabled(false);
    Progression = new QProgressBar;
    Progression->setObjectName(QStringLiteral("Progression"));
    Progression->setTextVisible(false);

    auto *gauche = new QVBoxLayout;
    gauche->addWidget(plage);
    gauche->addWidget(ChercherBranche);
    gauche->addWidget(Antenne);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(Chercher);
    boutons->addWidget(Annuler);
    gauche->addLayout(boutons);
    gauche->addWidget(Progression);
    gauche->addStretch();
    auto *bas = new QHBoxLayout;
    bas->addWidget(Appliquer);
    bas->addWidget(Fermer);
    gauche->addLayout(bas);
    // The long sentences wrap to the panel's width and never set it: a
    // wrapped label asks for some eighty characters.
    for (QLabel *t : {Antenne, Cout})
        t->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *colonne = new QWidget;
    colonne->setLayout(gauche);

    Etat = new QLabel;
    Etat->setObjectName(QStringLiteral("Etat"));
    Etat->setWordWrap(true);
    Liste = tableauLongueurs("Liste",
                             {tr("Rang"), tr("Branche (cm)"), tr("Couper à (cm)"), tr("De (cm)"),
                              tr("À (cm)"), tr("Largeur (cm)"), tr("Bandes manquantes"),
                              tr("ROS boîte max"), tr("Perte max (dB)")});
    Carte = new CarteLongueurs;
    Carte->setObjectName(QStringLiteral("Carte"));
    Survol = new QLabel(tr("En couleur : la bande ne s'accorde pas là ; en vert : les fenêtres "
                           "proposées, la fenêtre choisie encadrée."));
    Survol->setObjectName(QStringLiteral("Survol"));
    Survol->setWordWrap(true);
    // The quantity the criterion judges, its limit and the margin; the other
    // quantity follows, for information only. The heading of the third
    // column names what is judged.
    Detail = tableauLongueurs("Detail",
                              {tr("Bande"), tr("Accordable"), tr("Valeur jugée"), tr("Limite"),
                               tr("Marge"), tr("Pour information"), tr("Perte de l'échelle (dB)")});
    // The platform gives headers a font of their own, which the window's does
    // not replace.
    for (QTableWidget *t : {Liste, Detail}) {
        t->horizontalHeader()->setFont(font());
        t->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 6);
    }
    // The eight bands of the table are read without scrolling.
    Detail->setMinimumHeight(Detail->horizontalHeader()->sizeHint().height() +
                             8 * Detail->verticalHeader()->defaultSectionSize() +
                             2 * Detail->frameWidth());
    auto *droite = new QVBoxLayout;
    droite->addWidget(Etat);
    droite->addWidget(Liste, 1);
    droite->addWidget(Carte);
    droite->addWidget(Survol);
    droite->addWidget(Detail, 1);

    // The results take what the inputs leave, and the user may move the
    // border: the list has nine columns to show whole.
    auto *resultats = new QWidget;
    resultats->setLayout(droite);
    droite->setContentsMargins(0, 0, 0, 0);
    auto *partage = new QSplitter(Qt::Horizontal);
    partage->setObjectName(QStringLiteral("Partage"));
    partage->addWidget(colonne);
    partage->addWidget(resultats);
    partage->setStretchFactor(0, 0);
    partage->setStretchFactor(1, 1);
    partage->setChildrenCollapsible(false);
    auto *tout = new QHBoxLayout(this);
    tout->addWidget(partage);
    resize(tailleOuverture(this, QSize(1100, 680)));
    const int gaucheMin = std::max(300, colonne->minimumSizeHint().width());
    partage->setSizes({gaucheMin, width() - gaucheMin});

    litReglages();
    enCours(false);

    connecteGarde(Chercher, &QPushButton::clicked, this, [this] { ChercherClick(); });
    connecteGarde(Annuler, &QPushButton::clicked, this, [this] { AnnulerClick(); });
    connecteGarde(Appliquer, &QPushButton::clicked, this, [this] { AppliquerClick(); });
    connect(Fermer, &QPushButton::clicked, this, &QDialog::close);
    sansBoutonParDefaut(*this);
    connecteGarde(Liste, &QTableWidget::currentCellChanged, this, [this] { montreChoisie(); });
    connecteGarde(Liste, &QTableWidget::cellDoubleClicked, this, [this] { AppliquerClick(); });
    connect(calculs_, &Longueurs::CalculsNec::progression, this, [this](int faites, int total) {
        Progression->setRange(0, total);
        Progression->setValue(faites);
        // The time left, from the decks answered so far (or the session's
        // last search before the first).
        const std::optional<double> reste = calculs_->resteS();
        Progression->setTextVisible(reste.has_value());
        if (reste)
            Progression->setFormat(tr("reste environ %1 s").arg(std::lround(*reste)));
    });
    for (QLineEdit *e : {BrancheMin, BrancheMax, Pas, Tolerance})
        connecteGarde(e, &QLineEdit::textChanged, this, [this] { estimeCout(); });
    connecteGarde(ChercherBranche, &QGroupBox::toggled, this, [this] { estimeCout(); });
    connect(calculs_, &Longueurs::CalculsNec::termine, this,
            [this] { executeGarde([this] { termine(); }); });
    connect(calculs_, &Longueurs::CalculsNec::echec, this, [this](const QString &t) { echec(t); });
    connect(Carte, &CarteLongueurs::survol, this, [this](const QString &t) {
        Survol->setText(t.isEmpty() ? tr("En couleur : la bande ne s'accorde pas là ; en vert : "
                                         "les fenêtres proposées, la fenêtre choisie encadrée.")
                                    : t);
    });
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connecteGarde(f1, &QShortcut::activated, this,
                  [] { plateforme().aide(AideViewer::document(), AideViewer::ContexteLongueurs); });
}

LongueursConseillees::~LongueursConseillees() = default;

void LongueursConseillees::litReglages()
{
    QSettings s(OrganisationLc, OrganisationLc);
    s.beginGroup(GroupeLc);
    for (QLineEdit *e : {EchelleMin, EchelleMax, Tolerance, ToleranceEchelle, LargeurMin,
                         BrancheMin, BrancheMax, Pas})
        e->setText(s.value(e->objectName(), e->text()).toString());
    const int i = Critere->findData(s.value(Critere->objectName(), Critere->currentData()));
    if (i >= 0)
        Critere->setCurrentIndex(i);
    SurLaBande->setChecked(s.value(SurLaBande->objectName(), SurLaBande->isChecked()).toBool());
    ChercherBranche->setChecked(
        s.value(ChercherBranche->objectName(), ChercherBranche->isChecked()).toBool());
}

void LongueursConseillees::sauveReglages() const
{
    QSettings s(OrganisationLc, OrganisationLc);
    s.beginGroup(GroupeLc);
    for (const QLineEdit *e : {EchelleMin, EchelleMax, Tolerance, ToleranceEchelle, LargeurMin,
                               BrancheMin, BrancheMax, Pas})
        s.setValue(e->objectName(), e->text());
    s.setValue(Critere->objectName(), Critere->currentData());
    s.setValue(SurLaBande->objectName(), SurLaBande->isChecked());
    s.setValue(ChercherBranche->objectName(), ChercherBranche->isChecked());
}
