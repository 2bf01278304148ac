// The NEC-2 window's layout, its opening size and the settings it keeps.
#include "ui/fenetres/communs/TailleOuverture.h"
#include "ui/fenetres/communs/ToucheEntree.h"
#include "ui/fenetres/verification/VerificationNec.h"

#include "nec/Nombres.h"
#include "nec/Parallele.h"
#include "regles/TextesBoite.h"
#include "regles/TextesNec.h"
#include "ui/fenetres/verification/AbaqueSmith.h"
#include "ui/fenetres/verification/CarteNec.h"
#include "ui/fenetres/verification/CourbesMesure.h"
#include "ui/fenetres/verification/TableauNec.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

namespace {

// The user's settings, never Kesu.ini: ~/.config/Kesu/Kesu.conf on Linux.
const QString Organisation = QStringLiteral("Kesu");
const QString Groupe = QStringLiteral("VerificationNec");

QString Legende()
{
    return QCoreApplication::translate(
        "VerificationNec",
        "En couleur : C ne doit pas tomber là ; vide : C peut y tomber ; trait rouge : "
        "le graphe laisse C tomber là où la boîte ne l'accorde pas. Un clic reporte "
        "la longueur dans l'échelle.");
}

// What the ground list shows, in the order of Nec::Sol.
constexpr const char *NomsAffiches[] = {QT_TRANSLATE_NOOP("VerificationNec", "Espace libre"),
                                        QT_TRANSLATE_NOOP("VerificationNec", "Sol pauvre"),
                                        QT_TRANSLATE_NOOP("VerificationNec", "Sol moyen"),
                                        QT_TRANSLATE_NOOP("VerificationNec", "Sol bon"),
                                        QT_TRANSLATE_NOOP("VerificationNec", "Eau de mer"),
                                        QT_TRANSLATE_NOOP("VerificationNec", "Sol parfait"),
                                        QT_TRANSLATE_NOOP("VerificationNec", "Sol personnalisé")};
static_assert(std::size(NomsAffiches) == std::size(Nec::NomsSols));

} // namespace

QString VerificationNec::libelleSol(Nec::Sol sol)
{
    QString t = QCoreApplication::translate("VerificationNec", NomsAffiches[static_cast<int>(sol)]);
    if (const auto c = Nec::constantes(sol))
        t += QStringLiteral(" (εr %1, σ %2 S/m)")
                 .arg(Nec::texte(c->permittivite), Nec::texte(c->conductivite));
    return t;
}

namespace {

// A read-out line as tall as the tallest of its texts at its width: the
// hover changes what it says, never the layout around it.
class LigneLecture : public QLabel {
public:
    explicit LigneLecture(std::function<QStringList()> textes) : textes_(std::move(textes))
    {
        setWordWrap(true);
        mesure_.setWordWrap(true);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    int heightForWidth(int largeur) const override
    {
        // Measured by a label like this one, so as the layout measures it.
        mesure_.setFont(font());
        mesure_.setContentsMargins(contentsMargins());
        mesure_.setMargin(margin());
        int h = std::max(QLabel::heightForWidth(largeur), 2 * fontMetrics().lineSpacing());
        for (const QString &t : textes_()) {
            mesure_.setText(t);
            h = std::max(h, mesure_.heightForWidth(largeur));
        }
        return h;
    }
    QSize sizeHint() const override
    {
        const QSize s = QLabel::sizeHint();
        return {s.width(), heightForWidth(width() > 0 ? width() : s.width())};
    }
    QSize minimumSizeHint() const override
    {
        return {QLabel::minimumSizeHint().width(), 2 * fontMetrics().lineSpacing()};
    }

protected:
    // A tab's page takes the height its size hint asked for, not the one a
    // wrapped line needs at the width it got: the line asks it as its least.
    void resizeEvent(QResizeEvent *e) override
    {
        QLabel::resizeEvent(e);
        if (const int h = heightForWidth(e->size().width()); h != minimumHeight())
            setMinimumHeight(h);
    }

private:
    std::function<QStringList()> textes_;
    mutable QLabel mesure_;
};

// A text of the window that takes an Alt key: how to read it and write it.
struct Accelere {
    std::function<QString()> lit;
    std::function<void(const QString &)> ecrit;
};

// Gives the texts Alt keys no two of them share, as many as the Latin
// letters allow: a letter a '&' chose already stays; each text then takes its
// first free letter, a word's first letter preferred, earlier texts first;
// a text left without one may take a letter from a text that can move to
// another (an augmenting path), so that no letter is wasted. Chosen when the window is built, from
// the texts in the language shown: a translation need not know the other texts' keys. A text left
// with no letter has none.
void accelere(const std::vector<Accelere> &textes)
{
    const auto latine = [](QChar c) {
        const char16_t l = c.toLower().unicode();
        return l >= u'a' && l <= u'z' ? static_cast<int>(l - u'a') : -1;
    };
    const std::size_t n = textes.size();
    std::vector<QString> s(n);
    // Each text's letters, a word's first ones first, and where each is.
    std::vector<std::vector<std::pair<int, qsizetype>>> choix(n);
    std::array<int, 26> porteur;
    porteur.fill(-1);
    for (std::size_t i = 0; i < n; ++i) {
        s[i] = textes[i].lit();
        if (const qsizetype a = s[i].indexOf(u'&'); a >= 0 && a + 1 < s[i].size()) {
            if (const int l = latine(s[i][a + 1]); l >= 0)
                porteur[l] = static_cast<int>(n); // no text of this list
            continue;
        }
        for (bool initiale : {true, false})
            for (qsizetype k = 0; k < s[i].size(); ++k) {
                const int l = latine(s[i][k]);
                const bool debut = k == 0 || !s[i][k - 1].isLetter();
                if (l >= 0 && debut == initiale &&
                    std::none_of(choix[i].begin(), choix[i].end(),
                                 [l](const auto &c) { return c.first == l; }))
                    choix[i].push_back({l, k});
            }
    }
    std::vector<int> lettre(n, -1);
    std::function<bool(std::size_t, std::array<bool, 26> &)> place =
        [&](std::size_t i, std::array<bool, 26> &vues) {
            for (const auto &[l, k] : choix[i]) {
                if (vues[l] || porteur[l] == static_cast<int>(n))
                    continue;
                vues[l] = true;
                if (porteur[l] < 0 || place(static_cast<std::size_t>(porteur[l]), vues)) {
                    porteur[l] = static_cast<int>(i);
                    lettre[i] = l;
                    return true;
                }
            }
            return false;
        };
    // Each text its own first choice still free, in order; then the texts
    // left without one take a letter from a text that can do with another.
    for (std::size_t i = 0; i < n; ++i)
        for (const auto &[l, k] : choix[i])
            if (porteur[l] < 0) {
                porteur[l] = static_cast<int>(i);
                lettre[i] = l;
                break;
            }
    for (std::size_t i = 0; i < n; ++i) {
        std::array<bool, 26> vues{};
        if (lettre[i] < 0)
            place(i, vues);
    }
    for (std::size_t i = 0; i < n; ++i)
        for (const auto &[l, k] : choix[i])
            if (l == lettre[i]) {
                textes[i].ecrit(s[i].insert(k, u'&'));
                break;
            }
}

} // namespace

VerificationNec::VerificationNec(EntreesPrincipales principales, QWidget *parent)
    : QDialog(parent), principales_(std::move(principales)), execution_(new Nec::ExecutionNec(this))
{
    setObjectName(QStringLiteral("VerificationNec"));
    setWindowTitle(tr("Vérification NEC-2"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(false);
    // A scalable font: the main window's bitmap one has neither "ε" nor "|",
    // and does not grow on a finer screen.
    setFont(PoliceVectorielle());

    // The defaults are those of the computation's own inputs.
    const Nec::Entrees defaut;
    QList<QLabel *> libelles;
    const auto champ = [&](QFormLayout *forme, const char *libelle, const char *nom,
                           const QString &texte, Nec::Champ cle) {
        auto *e = new QLineEdit(texte);
        e->setObjectName(QString::fromLatin1(nom));
        e->setAccessibleName(tr(libelle));
        auto *l = new QLabel(tr(libelle));
        l->setBuddy(e);
        libelles << l;
        forme->addRow(l, e);
        erreurs_.ajoute(cle, e);
        return e;
    };
    const auto lecture = [](QFormLayout *forme, const char *nom) {
        auto *l = new QLabel;
        l->setObjectName(QString::fromLatin1(nom));
        l->setWordWrap(true);
        forme->addRow(l);
        return l;
    };

    auto *antenne = new QGroupBox(tr("Antenne"));
    auto *fa = new QFormLayout(antenne);
    Diametre = champ(fa, QT_TR_NOOP("Diamètre du fil (mm)"), "Diametre",
                     Nec::texte(defaut.antenne.diametreMm), Nec::Champ::Diametre);
    Fil = new QComboBox;
    Fil->setObjectName(QStringLiteral("Fil"));
    Fil->addItem(tr("Cuivre"), QString::fromLatin1(Nec::NomsFils[0]));
    Fil->addItem(tr("Aluminium"), QString::fromLatin1(Nec::NomsFils[1]));
    Fil->addItem(tr("Acier cuivré"), QString::fromLatin1(Nec::NomsFils[2]));
    Fil->setCurrentIndex(static_cast<int>(defaut.antenne.fil));
    Fil->setToolTip(tr("Sa résistance chauffe le fil : la part de la puissance perdue est dans "
                       "la colonne « Perte fil » du tableau"));
    libelles << new QLabel(tr("Fil"));
    libelles.back()->setBuddy(Fil);
    fa->addRow(libelles.back(), Fil);
    Hauteur = champ(fa, QT_TR_NOOP("Hauteur (m)"), "Hauteur", Nec::texte(defaut.antenne.hauteurM),
                    Nec::Champ::Hauteur);
    Sol = new QComboBox;
    Sol->setObjectName(QStringLiteral("Sol"));
    for (std::size_t i = 0; i < std::size(Nec::NomsSols); ++i)
        Sol->addItem(libelleSol(static_cast<Nec::Sol>(i)), QString::fromLatin1(Nec::NomsSols[i]));
    Sol->setCurrentIndex(static_cast<int>(defaut.antenne.sol));
    // The grounds are named with their constants, longer than the boxes'
    // column: the list takes the whole row under its label.
    libelles << new QLabel(tr("Sol"));
    libelles.back()->setBuddy(Sol);
    fa->addRow(libelles.back());
    fa->addRow(Sol);
    Epsilon =
        champ(fa, QT_TR_NOOP("Permittivité relative εr"), "Epsilon",
              Nec::texte(defaut.antenne.solPersonnalise.permittivite), Nec::Champ::Permittivite);
    Sigma =
        champ(fa, QT_TR_NOOP("Conductivité σ (S/m)"), "Sigma",
              Nec::texte(defaut.antenne.solPersonnalise.conductivite), Nec::Champ::Conductivite);
    // Typed only for the user's own ground; the others show their constants in the list.
    const auto solChoisi = [this] {
        const bool propre = Sol->currentIndex() == static_cast<int>(Nec::Sol::Personnalise);
        Epsilon->setEnabled(propre);
        Sigma->setEnabled(propre);
    };
    connect(Sol, &QComboBox::currentIndexChanged, this, solChoisi);
    solChoisi();
    Forme = new QComboBox;
    Forme->setObjectName(QStringLiteral("Forme"));
    Forme->addItem(tr("Horizontale"), QString::fromLatin1(Nec::NomsFormes[0]));
    Forme->addItem(tr("V inversé"), QString::fromLatin1(Nec::NomsFormes[1]));
    Forme->setCurrentIndex(static_cast<int>(defaut.antenne.forme));
    libelles << new QLabel(tr("Forme"));
    libelles.back()->setBuddy(Forme);
    fa->addRow(libelles.back(), Forme);
    Angle = champ(fa, QT_TR_NOOP("Angle entre les branches (°)"), "Angle",
                  Nec::texte(defaut.antenne.angleDeg), Nec::Champ::Angle);
    Angle->setToolTip(tr("V inversé : la hauteur est celle du sommet"));
    Taches = new QSpinBox;
    Taches->setObjectName(QStringLiteral("Taches"));
    Taches->setRange(static_cast<int>(Defauts::PlageTaches.min), Nec::tachesMemoire());
    Taches->setValue(Nec::tachesParDefaut());
    Taches->setToolTip(tr("Calculs de nec2c menés en même temps, chacun sur un cœur : un par cœur "
                          "de la machine par défaut"));
    connect(Taches, &QSpinBox::valueChanged, this, [](int n) { Nec::fixeTaches(n); });
    libelles << new QLabel(tr("Calculs &simultanés"));
    libelles.back()->setBuddy(Taches);
    fa->addRow(libelles.back(), Taches);

    auto *echelle = new QGroupBox(tr("Échelle"));
    auto *fe = new QFormLayout(echelle);
    Z0 = champ(fe, QT_TR_NOOP("Impédance Z0 (Ω)"), "Z0", Nec::texte(defaut.echelle.z0),
               Nec::Champ::Z0);
    Perte = champ(fe, QT_TR_NOOP("Perte (dB/100 m à 10 MHz)"), "Perte",
                  Nec::texte(defaut.echelle.perteDb100m), Nec::Champ::Perte);
    Ecartement = champ(fe, QT_TR_NOOP("Écartement de l'échelle (mm)"), "Ecartement",
                       Nec::texte(defaut.antenne.ecartementMm), Nec::Champ::Ecartement);
    // What the main window gives, shown where the ladder's own inputs are;
    // the errors of its boxes are said under it.
    Principale = lecture(fe, "Principale");
    erreurs_.ajoute(Nec::Champ::Branche, Principale);
    for (Nec::Champ c :
         {Nec::Champ::Echelle, Nec::Champ::CoefEchelle, Nec::Champ::CoefDipole, Nec::Champ::Bandes})
        erreurs_.ajoute(c, Nec::Champ::Branche);

    auto *accord = new QGroupBox(tr("Accord"));
    auto *fc = new QFormLayout(accord);
    Classe = lecture(fc, "Classe");
    LimiteBasse = champ(fc, QT_TR_NOOP("Limite basse, |Z| ≤ (Ω)"), "LimiteBasse",
                        Nec::texte(defaut.limites.basse), Nec::Champ::LimiteBasse);
    LimiteMoyenne = champ(fc, QT_TR_NOOP("Limite moyenne, |Z| ≤ (Ω)"), "LimiteMoyenne",
                          Nec::texte(defaut.limites.moyenne), Nec::Champ::LimiteMoyenne);
    LimiteHaute = champ(fc, QT_TR_NOOP("Limite haute, |Z| ≥ (Ω)"), "LimiteHaute",
                        Nec::texte(defaut.limites.haute), Nec::Champ::LimiteHaute);
    const auto liste = [&](QFormLayout *forme, const char *libelle, const char *nom,
                           std::initializer_list<std::pair<const char *, QString>> choix) {
        auto *c = new QComboBox;
        c->setObjectName(QString::fromLatin1(nom));
        for (const auto &[texte, donnee] : choix)
            c->addItem(tr(texte), donnee);
        libelles << new QLabel(tr(libelle));
        libelles.back()->setBuddy(c);
        forme->addRow(libelles.back(), c);
        return c;
    };
    Critere = liste(fc, QT_TR_NOOP("Critère"), "Critere",
                    {{QT_TR_NOOP("Limite de |Z| de la classe"), QStringLiteral("limite")},
                     {QT_TR_NOOP("Boîte d'accord"), QStringLiteral("boite")}});
    Critere->addItem(Textes::CritereReseauT(), QString::fromLatin1(Nec::NomsClasses[4]));
    Critere->addItem(Textes::CritereReseauL(), QString::fromLatin1(Nec::NomsClasses[5]));
    Balun = liste(
        fc, QT_TR_NOOP("Balun"), "Balun",
        {{"1:1", QStringLiteral("1")}, {"4:1", QStringLiteral("4")}, {"9:1", QStringLiteral("9")}});
    Balun->setCurrentIndex(Balun->findData(QString::number(defaut.boite.balun)));
    RosMax = champ(fc, QT_TR_NOOP("ROS maximal de la boîte (50 Ω)"), "RosMax",
                   Nec::texte(defaut.boite.rosMax), Nec::Champ::RosMax);
    Region =
        liste(fc, QT_TR_NOOP("Région IARU"), "Region",
              {{"1", QStringLiteral("1")}, {"2", QStringLiteral("2")}, {"3", QStringLiteral("3")}});
    Region->setCurrentIndex(Region->findData(QString::number(defaut.region)));
    Verdict = liste(fc, QT_TR_NOOP("Verdict"), "Verdict",
                    {{QT_TR_NOOP("à la fréquence de référence"), QStringLiteral("reference")},
                     {QT_TR_NOOP("sur toute la bande"), QStringLiteral("bande")}});
    erreurs_.ajoute(Nec::Champ::Balun, Balun);
    erreurs_.ajoute(Nec::Champ::Region, Region);
    LongueurMax = champ(fc, QT_TR_NOOP("Longueur maximale (m)"), "LongueurMax", QString(),
                        Nec::Champ::LongueurMax);
    LongueurMax->setPlaceholderText(Auto);
    LongueurMax->setToolTip(
        tr("Vide ou « auto » : deux fois la longueur de l'échelle, et 40 m au moins"));

    // The tuner as a network, judged under "Boîte en T" and "Boîte en L".
    Pieces = new QGroupBox(tr("Boîte en T ou en L"));
    Pieces->setObjectName(QStringLiteral("Pieces"));
    auto *fp = new QFormLayout(Pieces);
    const Reseau::Pieces pieces;
    CMin = champ(fp, QT_TR_NOOP("Capacité minimale (pF)"), "CMin", Nec::texte(pieces.cMinPf),
                 Nec::Champ::CMin);
    CMax = champ(fp, QT_TR_NOOP("Capacité maximale (pF)"), "CMax", Nec::texte(pieces.cMaxPf),
                 Nec::Champ::CMax);
    CMax->setToolTip(tr("De chaque condensateur variable : 250 pF pour un T, 1000 pF pour un L "
                        "par défaut"));
    LMin = champ(fp, QT_TR_NOOP("Self minimale (µH)"), "LMin", Nec::texte(pieces.lMinUh),
                 Nec::Champ::LMin);
    LMax = champ(fp, QT_TR_NOOP("Self maximale (µH)"), "LMax", Nec::texte(pieces.lMaxUh),
                 Nec::Champ::LMax);
    QBobine = champ(fp, QT_TR_NOOP("Q de la self"), "QBobine", Nec::texte(pieces.qBobine),
                    Nec::Champ::QBobine);
    QCondensateur = champ(fp, QT_TR_NOOP("Q des condensateurs"), "QCondensateur",
                          Nec::texte(pieces.qCondensateur), Nec::Champ::QCondensateur);
    for (QLineEdit *q : {QBobine, QCondensateur})
        q->setToolTip(tr("0 : pièce sans perte"));
    Puissance = champ(fp, QT_TR_NOOP("Puissance de l'émetteur (W)"), "Puissance",
                      Nec::texte(pieces.puissanceW), Nec::Champ::Puissance);
    PerteBoiteMax = champ(fp, QT_TR_NOOP("Perte maximale de la boîte (dB)"), "PerteBoiteMax",
                          Nec::texte(pieces.perteMaxDb), Nec::Champ::PerteBoiteMax);
    TensionMax = champ(fp, QT_TR_NOOP("Tension des condensateurs (V crête)"), "TensionMax",
                       Nec::texte(pieces.tensionMaxV), Nec::Champ::TensionMax);
    GroupeMesure = new QGroupBox(tr("Mesure"));
    auto *fm = new QFormLayout(GroupeMesure);
    NomMesure = new QLabel;
    NomMesure->setObjectName(QStringLiteral("NomMesure"));
    NomMesure->setWordWrap(true);
    fm->addRow(NomMesure);
    PointMesure = new QComboBox;
    PointMesure->setObjectName(QStringLiteral("PointMesure"));
    PointMesure->addItem(tr("Au bout de l'échelle (C)"));
    PointMesure->addItem(tr("Derrière le balun (50 Ω)"));
    PointMesure->addItem(tr("Au point d'alimentation (B)"));
    libelles << new QLabel(tr("Prise"));
    libelles.back()->setBuddy(PointMesure);
    fm->addRow(libelles.back(), PointMesure);
    ChargerMesure = new QPushButton(tr("Mesure…"));
    RetirerMesure = new QPushButton(tr("Retirer"));
    Ajuster = new QPushButton(tr("Ajuster le modèle…"));
    ExporterTouchstone = new QPushButton(tr("Exporter Touchstone…"));
    ChargerMesure->setToolTip(tr("Un balayage d'analyseur d'antenne : Touchstone (.s1p) ou CSV"));
    ExporterTouchstone->setToolTip(
        tr("L'impédance du modèle au point de mesure, pour le logiciel de l'analyseur"));
    auto *boutonsMesure = new QGridLayout;
    boutonsMesure->addWidget(ChargerMesure, 0, 0);
    boutonsMesure->addWidget(RetirerMesure, 0, 1);
    boutonsMesure->addWidget(Ajuster, 1, 0);
    boutonsMesure->addWidget(ExporterTouchstone, 1, 1);
    fm->addRow(boutonsMesure);

    // One column of boxes through the three groups.
    int largeur = 0;
    for (const QLabel *l : libelles)
        largeur = std::max(largeur, l->sizeHint().width());
    for (QLabel *l : libelles)
        l->setMinimumWidth(largeur);

    Calculer = new QPushButton(tr("Calculer"));
    Annuler = new QPushButton(tr("Annuler"));
    Exporter = new QPushButton(tr("Exporter CSV…"));
    Fermer = new QPushButton(tr("Fermer"));
    Calculer->setObjectName(QStringLiteral("Calculer"));
    Annuler->setObjectName(QStringLiteral("Annuler"));
    Exporter->setObjectName(QStringLiteral("Exporter"));
    Fermer->setObjectName(QStringLiteral("Fermer"));
    Progression = new QProgressBar;
    Progression->setObjectName(QStringLiteral("Progression"));
    Progression->setTextVisible(false);

    // The inputs keep to a narrow column: the map and the table get the rest.
    auto *saisies = new QWidget;
    auto *pile = new QVBoxLayout(saisies);
    pile->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w :
         std::initializer_list<QWidget *>{antenne, echelle, accord, Pieces, GroupeMesure})
        pile->addWidget(w);
    pile->addStretch();
    // On a screen too low for them the inputs scroll; the buttons and the
    // progress stay in sight under them, "Calculer" first.
    auto *defile = new QScrollArea;
    defile->setWidget(saisies);
    defile->setWidgetResizable(true);
    defile->setFrameShape(QFrame::NoFrame);
    defile->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *colonne = new QWidget;
    // The lists fit the column in any language: a long choice is cut short
    // in the closed box, never the box under the scroll bar.
    for (QComboBox *liste : saisies->findChildren<QComboBox *>()) {
        liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        liste->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("xxxxxxxx")));
    }
    // The column widens if a row is too narrow for the grounds' longest name.
    Sol->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const QMargins ma = antenne->contentsMargins() + fa->contentsMargins();
    colonne->setFixedWidth(std::max(362, Sol->sizeHint().width() + ma.left() + ma.right() +
                                             style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4));
    auto *gauche = new QVBoxLayout(colonne);
    gauche->setContentsMargins(0, 0, 0, 0);
    gauche->addWidget(defile, 1);
    auto *boutons = new QHBoxLayout;
    boutons->addWidget(Calculer);
    boutons->addWidget(Annuler);
    gauche->addLayout(boutons);
    gauche->addWidget(Progression);
    auto *bas = new QHBoxLayout;
    bas->addWidget(Exporter);
    bas->addWidget(Fermer);
    gauche->addLayout(bas);

    // The state of the results, said above them.
    Etat = new QLabel;
    Etat->setObjectName(QStringLiteral("Etat"));
    Etat->setWordWrap(true);
    Etat->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Carte = new CarteNec;
    Carte->setObjectName(QStringLiteral("Carte"));
    Survol = new LigneLecture([] { return QStringList{Legende()}; });
    Survol->setText(Legende());
    Survol->setObjectName(QStringLiteral("Survol"));
    Tableau = new TableauNec;
    Tableau->setObjectName(QStringLiteral("Tableau"));
    // The platform gives headers a font of their own, which the window's does
    // not replace.
    Tableau->horizontalHeader()->setFont(font());
    // The Smith chart beside the map, with the band whose reachable loads it
    // shades, and its own line under it: what it shows, or what is hovered.
    Abaque = new AbaqueSmith;
    Abaque->setObjectName(QStringLiteral("Abaque"));
    LectureAbaque = new LigneLecture([this] {
        // The longest a reading may be: every figure at its widest.
        const QString z = QStringLiteral("−1230 − j1230");
        return QStringList{Abaque->legende(),
                           Textes::AbaqueEntrePoints().arg(160).arg(QStringLiteral("29700"), z, z,
                                                                    QStringLiteral("999.99"))};
    });
    LectureAbaque->setObjectName(QStringLiteral("LectureAbaque"));
    ZoneBande = new QComboBox;
    ZoneBande->setObjectName(QStringLiteral("ZoneBande"));
    auto *pageAbaque = new QWidget;
    auto *pa = new QVBoxLayout(pageAbaque);
    auto *choixZone = new QHBoxLayout;
    auto *libelleZone = new QLabel(tr("Zone accordable à"));
    libelleZone->setBuddy(ZoneBande);
    choixZone->addWidget(libelleZone);
    choixZone->addWidget(ZoneBande);
    choixZone->addStretch();
    pa->addLayout(choixZone);
    pa->addWidget(Abaque, 1);
    pa->addWidget(LectureAbaque);
    // The map and its line, which the chart's tab does not show.
    auto *pageCarte = new QWidget;
    auto *pc = new QVBoxLayout(pageCarte);
    pc->setContentsMargins(0, 0, 0, 0);
    pc->addWidget(Carte);
    pc->addWidget(Survol);
    pc->addStretch();
    Onglets = new QTabWidget;
    Onglets->setObjectName(QStringLiteral("Onglets"));
    Onglets->addTab(pageCarte, tr("Carte le long de l'échelle"));
    Onglets->addTab(pageAbaque, tr("Abaque de Smith"));
    Courbes = new CourbesMesure;
    Courbes->setObjectName(QStringLiteral("Courbes"));
    LectureCourbes = new LigneLecture([this] { return QStringList{Courbes->legende()}; });
    LectureCourbes->setObjectName(QStringLiteral("LectureCourbes"));
    auto *pageCourbes = new QWidget;
    auto *pk = new QVBoxLayout(pageCourbes);
    pk->addWidget(Courbes, 1);
    pk->addWidget(LectureCourbes);
    Onglets->addTab(pageCourbes, tr("ROS / fréquence"));
    auto *droite = new QVBoxLayout;
    droite->addWidget(Etat);
    droite->addWidget(Onglets);
    // The map's strips leave the table its room; the chart shares it.
    connect(Onglets, &QTabWidget::currentChanged, this, [droite, this](int courant) {
        droite->setStretchFactor(Onglets, courant == 0 ? 0 : 2);
    });
    droite->addWidget(Tableau, 1);

    // The keys: the buttons first, then the boxes from the top, then the tabs.
    std::vector<Accelere> touches;
    for (QPushButton *b : {Calculer, Annuler, Exporter, Fermer, ChargerMesure, RetirerMesure,
                           Ajuster, ExporterTouchstone})
        touches.push_back({[b] { return b->text(); }, [b](const QString &t) { b->setText(t); }});
    // The buttons keep their first letters whatever the boxes need.
    accelere(touches);
    // The parts' group is reached by its title, its boxes then by Tab: its
    // labels are served last.
    libelles << libelleZone;
    const auto libelle = [](QLabel *l) {
        return Accelere{[l] { return l->text(); }, [l](const QString &t) { l->setText(t); }};
    };
    for (QLabel *l : libelles)
        if (!Pieces->isAncestorOf(l))
            touches.push_back(libelle(l));
    touches.push_back(
        {[this] { return Pieces->title(); }, [this](const QString &t) { Pieces->setTitle(t); }});
    for (int i = 0; i < Onglets->count(); ++i)
        touches.push_back({[this, i] { return Onglets->tabText(i); },
                           [this, i](const QString &t) { Onglets->setTabText(i, t); }});
    for (QLabel *l : libelles)
        if (Pieces->isAncestorOf(l))
            touches.push_back(libelle(l));
    accelere(touches);

    auto *tout = new QHBoxLayout(this);
    tout->addWidget(colonne);
    tout->addLayout(droite, 1);
    resize(tailleOuverture());

    litReglages();
    enCours(false);
    Exporter->setEnabled(false);
    ExporterTouchstone->setEnabled(false);
    Etat->hide();

    connecteGarde(Calculer, &QPushButton::clicked, this, [this] { CalculerClick(); });
    connecteGarde(Annuler, &QPushButton::clicked, this, [this] { AnnulerClick(); });
    connecteGarde(Exporter, &QPushButton::clicked, this, [this] { ExporterClick(); });
    connect(Fermer, &QPushButton::clicked, this, &QDialog::close);
    connecteGarde(ChargerMesure, &QPushButton::clicked, this, [this] { ChargerMesureClick(); });
    connecteGarde(RetirerMesure, &QPushButton::clicked, this, [this] { RetirerMesureClick(); });
    connecteGarde(Ajuster, &QPushButton::clicked, this, [this] { AjusterClick(); });
    connecteGarde(ExporterTouchstone, &QPushButton::clicked, this,
                  [this] { ExporterTouchstoneClick(); });
    connecteGarde(PointMesure, &QComboBox::currentIndexChanged, this, [this] {
        if (!zB_.empty())
            montre();
    });
    afficheMesure();
    sansBoutonParDefaut(*this);
    for (QLineEdit *e : champsSaisis())
        connecteGarde(e, &QLineEdit::textChanged, this, [this] { actualise(); });
    for (QComboBox *c : {Sol, Fil, Region, Balun})
        connecteGarde(c, &QComboBox::currentIndexChanged, this, [this] { actualise(); });
    connecteGarde(Critere, &QComboBox::currentIndexChanged, this, [this] {
        critereChoisi();
        actualise();
    });
    critereChoisi();
    connecteGarde(ZoneBande, &QComboBox::currentIndexChanged, this,
                  [this](int j) { Abaque->choisitZone(j); });
    connect(Abaque, &AbaqueSmith::survol, LectureAbaque, [this](const QString &t) {
        LectureAbaque->setText(t.isEmpty() ? Abaque->legende() : t);
    });
    connect(Courbes, &CourbesMesure::survol, LectureCourbes, [this](const QString &t) {
        LectureCourbes->setText(t.isEmpty() ? Courbes->legende() : t);
    });
    // The verdict shown changes the map alone.
    connecteGarde(Verdict, &QComboBox::currentIndexChanged, this, [this] {
        if (!zB_.empty())
            montre();
    });
    // The angle is an inverted V's only.
    const auto formeChoisie = [this] {
        Angle->setEnabled(Forme->currentIndex() == static_cast<int>(Nec::Forme::VInversee));
    };
    formeChoisie();
    connecteGarde(Forme, &QComboBox::currentIndexChanged, this, [this, formeChoisie] {
        formeChoisie();
        actualise();
        proposeSommet();
    });
    connect(execution_, &Nec::ExecutionNec::progression, this, [this](int faites, int total) {
        Progression->setRange(0, total);
        Progression->setValue(faites);
    });
    connect(execution_, &Nec::ExecutionNec::termine, this,
            [this](const std::vector<Nec::ImpedanceB> &z) { executeGarde([&] { termine(z); }); });
    connect(execution_, &Nec::ExecutionNec::echec, this, [this](const QString &t) { echec(t); });
    connect(Carte, &CarteNec::survol, Survol,
            [this](const QString &t) { Survol->setText(t.isEmpty() ? Legende() : t); });
    connect(Carte, &CarteNec::longueurChoisie, this, &VerificationNec::longueurChoisie);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connecteGarde(f1, &QShortcut::activated, this,
                  [] { plateforme().aide(AideViewer::document(), AideViewer::ContexteNec); });
}

VerificationNec::~VerificationNec() = default;

QList<QLineEdit *> VerificationNec::champsSaisis() const
{
    return {Diametre,      Hauteur,     Epsilon, Sigma,         Angle,
            Ecartement,    Z0,          Perte,   LimiteBasse,   LimiteMoyenne,
            LimiteHaute,   LongueurMax, RosMax,  CMin,          CMax,
            LMin,          LMax,        QBobine, QCondensateur, Puissance,
            PerteBoiteMax, TensionMax};
}

void VerificationNec::critereChoisi()
{
    const bool reseau = Critere->currentIndex() >= 2;
    Pieces->setEnabled(reseau);
    // The default range of the network chosen, unless the user typed another.
    const bool l = Critere->currentIndex() == 3;
    const QString t = Nec::texte(l ? Defauts::CMaxPfT : Defauts::CMaxPfL);
    if (reseau && CMax->text() == t)
        CMax->setText(Nec::texte(l ? Defauts::CMaxPfL : Defauts::CMaxPfT));
}

QSize VerificationNec::tailleOuverture() const
{
    return ::tailleOuverture(this, TailleVoulue);
}

void VerificationNec::litReglages()
{
    QSettings s(Organisation, Organisation);
    s.beginGroup(Groupe);
    for (QLineEdit *e : champsSaisis())
        e->setText(s.value(e->objectName(), e->text()).toString());
    for (QComboBox *liste : {Sol, Forme, Fil, Region, Critere, Balun, Verdict}) {
        const int i = liste->findData(s.value(liste->objectName(), liste->currentData()));
        if (i >= 0)
            liste->setCurrentIndex(i);
    }
    // Out of its range, as after a smaller machine's, the box takes the nearest.
    Taches->setValue(s.value(Taches->objectName(), Taches->value()).toInt());
    Nec::fixeTaches(Taches->value());
}

void VerificationNec::sauveReglages() const
{
    QSettings s(Organisation, Organisation);
    s.beginGroup(Groupe);
    for (const QLineEdit *e : champsSaisis())
        s.setValue(e->objectName(), e->text());
    for (const QComboBox *liste : {Sol, Forme, Fil, Region, Critere, Balun, Verdict})
        s.setValue(liste->objectName(), liste->currentData());
    s.setValue(Taches->objectName(), Taches->value());
}

Nec::Entrees VerificationNec::entreesReglees(Nec::Entrees e)
{
    QSettings s(Organisation, Organisation);
    s.beginGroup(Groupe);
    const auto reel = [&s](const char *cle, double defaut) {
        const auto v = Nec::nombre(s.value(QString::fromLatin1(cle)).toString());
        return v ? *v : defaut;
    };
    const auto indice = [&s](const char *cle, const auto &noms, int defaut) {
        const QString v = s.value(QString::fromLatin1(cle)).toString();
        for (std::size_t i = 0; i < std::size(noms); ++i)
            if (v == QString::fromLatin1(noms[i]))
                return static_cast<int>(i);
        return defaut;
    };
    Nec::Antenne &a = e.antenne;
    a.diametreMm = reel("Diametre", a.diametreMm);
    a.hauteurM = reel("Hauteur", a.hauteurM);
    a.sol = static_cast<Nec::Sol>(indice("Sol", Nec::NomsSols, static_cast<int>(a.sol)));
    a.solPersonnalise = {reel("Epsilon", a.solPersonnalise.permittivite),
                         reel("Sigma", a.solPersonnalise.conductivite)};
    a.ecartementMm = reel("Ecartement", a.ecartementMm);
    a.forme = static_cast<Nec::Forme>(indice("Forme", Nec::NomsFormes, static_cast<int>(a.forme)));
    if (a.forme == Nec::Forme::VInversee)
        a.angleDeg = reel("Angle", a.angleDeg);
    a.fil = static_cast<Nec::Fil>(indice("Fil", Nec::NomsFils, static_cast<int>(a.fil)));
    e.echelle.z0 = reel("Z0", e.echelle.z0);
    e.echelle.perteDb100m = reel("Perte", e.echelle.perteDb100m);
    e.limites = {reel("LimiteBasse", e.limites.basse), reel("LimiteMoyenne", e.limites.moyenne),
                 reel("LimiteHaute", e.limites.haute)};
    e.critere = Nec::Critere::Limite;
    for (int i = 3; i < static_cast<int>(std::size(Nec::NomsClasses)); ++i)
        if (s.value(QStringLiteral("Critere")).toString() == QLatin1String(Nec::NomsClasses[i]))
            Nec::depuisRang(i, e.critere, e.classe);
    Reseau::Pieces &p = e.pieces;
    p.cMinPf = reel("CMin", p.cMinPf);
    p.cMaxPf = reel("CMax", e.critere == Nec::Critere::ReseauL ? Defauts::CMaxPfL : p.cMaxPf);
    p.lMinUh = reel("LMin", p.lMinUh);
    p.lMaxUh = reel("LMax", p.lMaxUh);
    p.qBobine = reel("QBobine", p.qBobine);
    p.qCondensateur = reel("QCondensateur", p.qCondensateur);
    p.puissanceW = reel("Puissance", p.puissanceW);
    p.perteMaxDb = reel("PerteBoiteMax", p.perteMaxDb);
    p.tensionMaxV = reel("TensionMax", p.tensionMaxV);
    e.boite = {static_cast<int>(reel("Balun", e.boite.balun)), reel("RosMax", e.boite.rosMax)};
    e.region = static_cast<int>(reel("Region", e.region));
    return e;
}
