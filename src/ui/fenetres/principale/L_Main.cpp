#include "ui/fenetres/principale/L_Main.h"

#include "regles/Defauts.h"
#include "resources/Ressources.h"
#include "ui/fenetres/apropos/A_Propos.h"
#include "ui/fenetres/principale/controles/Coloriage.h"
#include "ui/fenetres/principale/controles/SaisieSeuil.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/StyleKesu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>

namespace {

using namespace Couleurs;
using Coloriage::colore;

const char *const ProprieteAide = "contexteAide";

template <class W> W *place(W *w, int x, int y, int largeur, int hauteur, const char *nom)
{
    w->setGeometry(x, y, largeur, hauteur);
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

// The colour behind a window, a group box, a label or a radio button; children
// inherit it only where they show the window colour themselves.
void couleurFond(QWidget *w, QRgb couleur)
{
    colore(w, {QPalette::Window}, couleur);
    w->setAutoFillBackground(true);
}

// The background of a radio button, caption and indicator frame alike.
void couleurBouton(QWidget *w, QRgb couleur)
{
    colore(w, {QPalette::Window, QPalette::Button}, couleur);
    w->setAutoFillBackground(true);
}

// The background of an edit box.
void couleurSaisie(QWidget *w, QRgb couleur)
{
    colore(w, {QPalette::Base}, couleur);
}

void couleurTexte(QWidget *w, QRgb couleur)
{
    colore(w, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, couleur);
}

void contexte(QWidget *w, int n)
{
    w->setProperty(ProprieteAide, n);
}

QLineEdit *lecture(QWidget *parent, int x, int y, const char *nom, const char *bulle)
{
    auto *e = place(new QLineEdit(parent), x, y, 37, 21, nom);
    e->setReadOnly(true);
    e->setToolTip(QCoreApplication::translate("TForm1", bulle));
    return e;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Visualisation des impédances sur une antenne KESU"));
    client_ = new QWidget(this);
    couleurFond(client_, Teal);
    setCentralWidget(client_);
    construitMenu();
    construitControles();
    construitSeuils();
    construitBandes();
    connecteHandlers();
    ordreTabulation();
    construitProjet();
    // The client area keeps its size between the menu and the project's line.
    resize(LargeurClient,
           HauteurClient + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    LongDip->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::construitControles()
{
    QWidget *c = client_;
    // Created in tab order; the frames behind the radio buttons come first so
    // the buttons lie over them.
    GroupBox4 = place(new QGroupBox(tr(" Accord Série "), c), 12, 56, 245, 41, "GroupBox4");
    GroupBox5 = place(new QGroupBox(tr(" Accord Parallèle "), c), 280, 56, 129, 41, "GroupBox5");

    Label1 =
        place(new QLabel(tr("Longueur physique d'une branche :"), c), 12, 8, 167, 13, "Label1");
    Label2 =
        place(new QLabel(tr("Longueur physique de l'échelle :"), c), 12, 30, 152, 13, "Label2");
    LabelCoefDip = place(new QLabel(tr("Coef de vélocité :"), c), 272, 8, 83, 13, "");
    Label4 = place(new QLabel(tr("Coef de vélocité :"), c), 272, 31, 83, 13, "Label4");

    LongDip =
        place(new QLineEdit(QString::number(Defauts::BrancheCm), c), 196, 8, 37, 21, "LongDip");
    contexte(LongDip, 1);
    LongEch =
        place(new QLineEdit(QString::number(Defauts::EchelleCm), c), 196, 28, 37, 21, "LongEch");
    contexte(LongEch, 3);
    CoefDip =
        place(new QLineEdit(QString::number(Defauts::CoefDipole), c), 364, 8, 29, 21, "CoefDip");
    contexte(CoefDip, 2);
    // The lengths' unit, in the gap before the velocity factors, and which
    // factor is which: typed in metres, 20 would be a 20 cm antenna.
    place(new QLabel(QStringLiteral("cm"), c), 236, 12, 20, 13, "UniteLongDip");
    place(new QLabel(QStringLiteral("cm"), c), 236, 32, 20, 13, "UniteLongEch");
    CoefDip->setToolTip(tr("Coefficient de vélocité du fil des branches (A - B)"));
    CbCoefEch = place(new QComboBox(c), 364, 28, 45, 21, "CbCoefEch");
    CbCoefEch->setEditable(true);
    // What the user types is the factor used: no completion from the list, and
    // Enter does not add the text to it.
    CbCoefEch->setCompleter(nullptr);
    CbCoefEch->setInsertPolicy(QComboBox::NoInsert);
    {
        auto *style = new StyleKesu;
        style->setParent(CbCoefEch);
        CbCoefEch->setStyle(style);
    }
    CbCoefEch->addItems({QStringLiteral("0.97"), QStringLiteral("0.95"), QStringLiteral("0.92"),
                         QStringLiteral("0.82"), QStringLiteral("0.66")});
    CbCoefEch->setCurrentIndex(-1);
    CbCoefEch->clearEditText();
    CbCoefEch->setToolTip(tr("Choix du coefficient de vélocité de la ligne d'alimentation"));
    contexte(CbCoefEch, 4);

    // Alt+F is the "Fichier" menu's: a slip of the key must not end the program.
    BitBtn1 = place(new QPushButton(tr("Fe&rmer"), c), 703, 56, 73, 25, "BitBtn1");
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    Button1 = place(new QPushButton(tr("Lancer"), c), 703, 20, 73, 25, "Button1");
    Button1->setToolTip(tr("Lancement des calculs"));
    contexte(Button1, 8);

    GroupBox2 = place(new QGroupBox(tr(" Longueur Electrique && Physique"), c), 28, 440, 285, 65,
                      "GroupBox2");
    LabelAB = place(new QLabel(QStringLiteral("A - B ="), GroupBox2), 8, 22, 32, 13, "");
    DipElec = lecture(GroupBox2, 48, 20, "DipElec",
                      QT_TRANSLATE_NOOP("TForm1", "Longueur électrique d'une branche"));
    DipPhysique = lecture(GroupBox2, 100, 20, "DipPhysique",
                          QT_TRANSLATE_NOOP("TForm1", "Longueur physique d'une branche"));
    Label3 = place(new QLabel(QStringLiteral("B - C ="), GroupBox2), 144, 22, 32, 13, "Label3");
    EchElec = lecture(GroupBox2, 184, 20, "EchElec",
                      QT_TRANSLATE_NOOP("TForm1", "Longueur éléctrique de l'echelle"));
    EchPhysique = lecture(GroupBox2, 240, 20, "EchPhysique",
                          QT_TRANSLATE_NOOP("TForm1", "Longueur physique de l'échelle"));
    QWidget::setTabOrder(DipElec, EchElec);
    QWidget::setTabOrder(EchElec, DipPhysique);
    QWidget::setTabOrder(DipPhysique, EchPhysique);

    ClicAB = place(new QPushButton(QStringLiteral("A <--> B"), c), 340, 448, 69, 25, "ClicAB");
    ClicAB->setToolTip(tr("Modification logueur demi-dipôle"));
    ClicAB->setEnabled(false);
    contexte(ClicAB, 9);
    ClicBC = place(new QPushButton(QStringLiteral("B <--> C"), c), 463, 448, 69, 25, "ClicBC");
    ClicBC->setToolTip(tr("Modification longueur echelle"));
    ClicBC->setEnabled(false);
    contexte(ClicBC, 10);
    AideClic = place(new QPushButton(tr("&Aide"), c), 707, 453, 65, 25, "AideClic");
    AideClic->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

    GroupBox3 =
        place(new QGroupBox(tr(" Limite des impédances "), c), 552, 432, 133, 73, "GroupBox3");

    ChSerie_bas = place(new QRadioButton(tr("Impédance basse"), c), 16, 71, 105, 17, "ChSerie_bas");
    ChSerie_bas->setLayoutDirection(Qt::RightToLeft); // caption left of the button
    couleurBouton(ChSerie_bas, Silver);
    couleurTexte(ChSerie_bas, Black);
    ChSerie_bas->setToolTip(tr("Accord Série, calcul basse impédance"));
    contexte(ChSerie_bas, 5);
    ChSerie_moy =
        place(new QRadioButton(tr("Impédance moyenne"), c), 132, 71, 121, 17, "ChSerie_moy");
    couleurBouton(ChSerie_moy, Grey);
    couleurTexte(ChSerie_moy, Black);
    ChSerie_moy->setToolTip(tr("Accord Série, calcul basse ou moyenne impédance"));
    ChSerie_moy->setChecked(true);
    contexte(ChSerie_moy, 6);

    LRayon = place(new QPushButton(tr("Lobes de rayonnement de l'antenne"), c), 340, 481, 193, 21,
                   "LRayon");
    couleurTexte(LRayon, Red);
    // Red only while it can be pressed: disabled, it takes the desktop's
    // disabled text like the other buttons.
    {
        QPalette p = LRayon->palette();
        p.setColor(QPalette::Disabled, QPalette::ButtonText,
                   QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
        LRayon->setPalette(p);
    }
    LRayon->setToolTip(tr("Visualisation des diagramme de rayonnement dans le plan"));
    LRayon->setEnabled(false);
    contexte(LRayon, 11);

    ProgressBar1 = place(new QProgressBar(c), 192, 260, 401, 9, "ProgressBar1");
    ProgressBar1->setRange(0, 160);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setCursor(Qt::WaitCursor);
    ProgressBar1->hide();

    BitBtn2 = place(new QPushButton(c), 420, 448, 33, 25, "BitBtn2");
    BitBtn2->setToolTip(tr("Impression"));
    {
        const GlyphesBouton glyphes = ChargeGlyphes(QStringLiteral("imprimante"));
        QIcon icone;
        icone.addPixmap(QPixmap::fromImage(glyphes.normal), QIcon::Normal);
        icone.addPixmap(QPixmap::fromImage(glyphes.inactif), QIcon::Disabled);
        BitBtn2->setIcon(icone);
    }
    BitBtn2->hide();

    GroupBox1 = place(new QGroupBox(tr(" Bandes à utiliser "), c), 424, 8, 265, 81, "GroupBox1");
    couleurFond(GroupBox1, Teal);
    couleurTexte(GroupBox1, Black);
    GroupBox1->setToolTip(tr("Choix des bandes de travail de l'antenne"));
    contexte(GroupBox1, 7);

    ChPara = place(new QRadioButton(tr("Impédance haute"), c), 292, 72, 109, 17, "ChPara");
    couleurBouton(ChPara, Blue);
    couleurTexte(ChPara, Yellow);
    ChPara->setToolTip(tr("Accord Parallèle, calcul haute impédance"));

    Image1 = place(new ZoneImage(ZoneImage::Mode::Centre, c), 0, 99, 785, 330, "Image1");
    Image1->hide();
    struct Lobe {
        ZoneImage **zone;
        int x, y, l, h;
        const char *nom;
    };
    const Lobe lobes[] = {
        {&Image80, 7, 104, 186, 157, "Image80"},   {&Image40, 8, 268, 185, 157, "Image40"},
        {&Image30, 202, 104, 185, 157, "Image30"}, {&Image20, 203, 268, 185, 157, "Image20"},
        {&Image17, 396, 104, 185, 157, "Image17"}, {&Image15, 397, 268, 185, 157, "Image15"},
        {&Image12, 590, 104, 187, 157, "Image12"}, {&Image10, 592, 268, 185, 157, "Image10"},
    };
    for (const Lobe &l : lobes) {
        *l.zone = place(new ZoneImage(ZoneImage::Mode::Etire, c), l.x, l.y, l.l, l.h, l.nom);
        (*l.zone)->hide();
    }
    // The progress bar shows over the chart while the curves are drawn.
    ProgressBar1->raise();
}

std::array<QCheckBox *, NombreBandes> TForm1::casesBandes() const
{
    return {Ch80m, Ch40m, Ch30m, Ch20m, Ch17m, Ch15m, Ch12m, Ch10m};
}

std::array<ZoneImage *, NombreBandes> TForm1::imagesLobes() const
{
    return {Image80, Image40, Image30, Image20, Image17, Image15, Image12, Image10};
}

void TForm1::construitBandes()
{
    struct Case {
        QCheckBox **boite;
        int x, y, l;
        const char *nom;
    };
    const Case cases[] = {
        {&Ch80m, 20, 20, 53, "Ch80m"},  {&Ch40m, 20, 48, 41, "Ch40m"},
        {&Ch30m, 81, 20, 45, "Ch30m"},  {&Ch20m, 81, 48, 44, "Ch20m"},
        {&Ch17m, 143, 20, 45, "Ch17m"}, {&Ch15m, 143, 48, 41, "Ch15m"},
        {&Ch12m, 204, 20, 45, "Ch12m"}, {&Ch10m, 204, 48, 41, "Ch10m"},
    };
    for (const Case &cb : cases) {
        *cb.boite = place(new QCheckBox(GroupBox1), cb.x, cb.y, cb.l, 13, cb.nom);
        (*cb.boite)->setChecked(true);
    }
}

void TForm1::construitSeuils()
{
    GroupBox3->setToolTip(tr("Réservé à une utilisation future"));
    couleurTexte(GroupBox3, Black);
    Label5 = place(new QLabel(tr("Limite basse :"), GroupBox3), 23, 16, 64, 13, "Label5");
    Label6 = place(new QLabel(tr("Limite moyenne :"), GroupBox3), 8, 36, 79, 13, "Label6");
    Label7 = place(new QLabel(tr("Limite haute :"), GroupBox3), 24, 56, 63, 13, "Label7");
    couleurTexte(Label5, Silver);
    couleurTexte(Label6, Yellow);
    couleurTexte(Label7, Silver);

    const auto seuil = [this](double valeur, int y, const char *nom, QRgb fond, QRgb encre,
                              int taillePolice, const char *bulle) {
        auto *e = place(new SaisieSeuil(QString::number(valeur), GroupBox3), 92, y, 29, 13, nom);
        e->setFrame(false);
        e->setTextMargins(0, 0, 0, 0);
        e->setContentsMargins(0, 0, 0, 0);
        couleurSaisie(e, fond);
        couleurTexte(e, encre);
        QFont f(QStringLiteral("Liberation Mono"));
        f.setStyleHint(QFont::TypeWriter);
        f.setPixelSize(taillePolice);
        e->setFont(f);
        e->setToolTip(tr(bulle));
        e->installEventFilter(this);
        return e;
    };
    LimiteBasse = seuil(Defauts::SeuilBas, 16, "LimiteBasse", Silver, Black, 11,
                        QT_TR_NOOP("Correspond à une valeur < à 150 ohms"));
    LimitMoyenne = seuil(Defauts::SeuilMoyen, 36, "LimitMoyenne", Grey, Black, 10,
                         QT_TR_NOOP("Correspond à une valeur < 500 ohms"));
    LimiteHaute = seuil(Defauts::SeuilHaut, 56, "LimiteHaute", Blue, Yellow, 10,
                        QT_TR_NOOP("Correspond à une valeur > 1000 Ohms"));

    QFont petite = GroupBox4->font();
    petite.setPixelSize(10);
    for (QGroupBox *g : {GroupBox4, GroupBox5}) {
        couleurFond(g, Teal);
        g->setFont(petite);
    }
    couleurTexte(GroupBox4, Yellow);
    couleurTexte(GroupBox5, Silver);
}

void TForm1::ordreTabulation()
{
    // The controls were not all created in the order the keyboard visits them
    // (the frames behind the radio buttons come first so that they lie behind).
    const QList<QWidget *> ordre{LongDip,     LongEch,     CoefDip,     CbCoefEch,   BitBtn1,
                                 Button1,     DipElec,     EchElec,     DipPhysique, EchPhysique,
                                 ClicAB,      ClicBC,      AideClic,    LimiteBasse, LimitMoyenne,
                                 LimiteHaute, ChSerie_bas, ChSerie_moy, LRayon,      BitBtn2,
                                 Ch80m,       Ch40m,       Ch30m,       Ch20m,       Ch17m,
                                 Ch15m,       Ch12m,       Ch10m,       ChPara};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

void TForm1::connecteHandlers()
{
    connecteGarde(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connecteGarde(BitBtn1, &QPushButton::clicked, this, [this] { close(); });
    for (QCheckBox *cb : casesBandes())
        connecteGarde(cb, &QCheckBox::toggled, this, [this, cb] { BandeClic(cb); });
    for (QLineEdit *e : {LongDip, LongEch, CoefDip})
        connecteGarde(e, &QLineEdit::textChanged, this, [this] { LongDipChange(); });
    connecteGarde(CbCoefEch, &QComboBox::editTextChanged, this, [this] { LongDipChange(); });
    connecteGarde(ClicAB, &QPushButton::clicked, this, [this] { ClicABClick(); });
    connecteGarde(ClicBC, &QPushButton::clicked, this, [this] { ClicBCClick(); });
    connecteGarde(Image1, &ZoneImage::sourisBouge, this,
                  [this](Qt::MouseButtons b, int x, int y) { Image1MouseMove(b, x, y); });
    connecteGarde(Image1, &ZoneImage::sourisRelachee, this,
                  [this](Qt::MouseButton b, int x, int y) { Image1MouseUp(b, x, y); });
    connecteGarde(LRayon, &QPushButton::clicked, this, [this] { LRayonClick(); });
    connecteGarde(BitBtn2, &QPushButton::clicked, this, [this] { Impression1Click(); });
    for (QRadioButton *r : {ChSerie_bas, ChSerie_moy, ChPara})
        connecteGarde(r, &QRadioButton::toggled, this, [this, r](bool coche) {
            if (coche)
                ChSerie_moyClick(r);
        });
    connecteGarde(LimiteBasse, &QLineEdit::textChanged, this, [this] { LimiteBasChange(); });
    connecteGarde(LimitMoyenne, &QLineEdit::textChanged, this, [this] { LimitMoyenneChange(); });
    connecteGarde(LimiteHaute, &QLineEdit::textChanged, this, [this] { LimiteHautChange(); });
    connecteGarde(AideClic, &QPushButton::clicked, this, [this] { AideClicClick(); });
    // Enter presses the focused button, as Space does.
    for (QPushButton *b : client_->findChildren<QPushButton *>())
        b->setAutoDefault(true);
    // Escape is the way out of a move armed by mistake: it ends without
    // storing anything, as opening the lobe panel does.
    auto *echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setContext(Qt::WindowShortcut);
    connecteGarde(echap, &QShortcut::activated, this, [this] {
        if (EtatCalcul.DeplacementArme)
            abandonneDeplacement();
    });
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connecteGarde(f1, &QShortcut::activated, this, [this] { aideContextuelle(); });
    connecteMenus();
}

bool TForm1::event(QEvent *e)
{
    const bool resultat = QMainWindow::event(e);
    // The start-up sequence runs on the first activation only: coming back from
    // a dialog, a message box or another program must not reset anything.
    if (e->type() == QEvent::WindowActivate && !demarrageFait_)
        executeGarde([this] { FormActivate(); });
    return resultat;
}

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // Without a window manager the window may never be activated; the start-up
    // sequence then runs once the event loop has shown the window.
    if (!demarrageFait_)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!demarrageFait_)
                    executeGarde([this] { FormActivate(); });
            },
            Qt::QueuedConnection);
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    disposeControles();
}

bool TForm1::eventFilter(QObject *objet, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        for (QLineEdit *boite : {LimiteBasse, LimitMoyenne, LimiteHaute})
            if (objet == boite)
                executeGarde([this, boite] { LimiteSelect(boite); });
    }
    return QMainWindow::eventFilter(objet, e);
}

int TForm1::contexteAide() const
{
    for (const QWidget *w = QApplication::focusWidget(); w != nullptr && w != this;
         w = w->parentWidget()) {
        const int n = w->property(ProprieteAide).toInt();
        if (n != 0)
            return n;
    }
    return 0;
}
