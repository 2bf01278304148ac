#include "ui/fenetres/diagrammes/DiagrammesNec.h"

#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"
#include "state/EcritureFichier.h"
#include "ui/fenetres/communs/TailleOuverture.h"
#include "ui/fenetres/communs/ToucheEntree.h"
#include "ui/fenetres/diagrammes/DessinDiagrammes.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Plateforme.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A PNG as wide as a printed page at 150 dpi, drawn at twice that for
// sharp lines.
constexpr int LargeurImage = 1600;
constexpr qreal DensiteImage = 2;
constexpr int EcartRangees = 8;

} // namespace

VueDiagrammes::VueDiagrammes(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    QSizePolicy p(QSizePolicy::Expanding, QSizePolicy::Preferred);
    p.setHeightForWidth(true);
    setSizePolicy(p);
}

void VueDiagrammes::montre(std::vector<Rayonnement::DiagrammeBande> d, bool grise)
{
    d_ = std::move(d);
    grise_ = grise;
    updateGeometry();
    update();
}

int VueDiagrammes::heightForWidth(int largeur) const
{
    const double h = DessinDiagrammes::hauteurRangee(largeur);
    return static_cast<int>(d_.size() * (h + EcartRangees));
}

QSize VueDiagrammes::sizeHint() const
{
    return {900, std::max(200, heightForWidth(900))};
}

QRectF VueDiagrammes::rangee(std::size_t i) const
{
    const double h = DessinDiagrammes::hauteurRangee(width());
    return {4, i * (h + EcartRangees), width() - 8.0, h};
}

void VueDiagrammes::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const double max = DessinDiagrammes::maximum(d_);
    for (std::size_t i = 0; i < d_.size(); ++i)
        DessinDiagrammes::rangee(p, rangee(i), d_[i], max, grise_);
}

void VueDiagrammes::mouseMoveEvent(QMouseEvent *e)
{
    const double max = DessinDiagrammes::maximum(d_);
    for (std::size_t i = 0; i < d_.size(); ++i)
        if (rangee(i).contains(e->position())) {
            emit survol(DessinDiagrammes::lecture(e->position(), rangee(i), d_[i], max));
            return;
        }
    emit survol({});
}

void VueDiagrammes::leaveEvent(QEvent *)
{
    emit survol({});
}

DiagrammesNec::DiagrammesNec(EntreesVerification entrees, QWidget *parent)
    : QDialog(parent), entrees_(std::move(entrees)), execution_(new Nec::ExecutionNec(this)),
      surveillance_(new QTimer(this))
{
    setObjectName(QStringLiteral("DiagrammesNec"));
    setWindowTitle(tr("Diagrammes NEC-2"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(false);
    setFont(PoliceVectorielle());

    Etat = new QLabel;
    Etat->setObjectName(QStringLiteral("Etat"));
    Etat->setWordWrap(true);
    Vue = new VueDiagrammes;
    Vue->setObjectName(QStringLiteral("Vue"));
    auto *defile = new QScrollArea;
    defile->setWidget(Vue);
    defile->setWidgetResizable(true);
    Survol = new QLabel(DessinDiagrammes::legendeTraits());
    Survol->setObjectName(QStringLiteral("Survol"));
    Survol->setWordWrap(true);
    Calculer = new QPushButton(tr("&Calculer"));
    Annuler = new QPushButton(tr("A&nnuler"));
    Enregistrer = new QPushButton(tr("&Enregistrer l'image…"));
    Imprimer = new QPushButton(tr("&Imprimer…"));
    Fermer = new QPushButton(tr("&Fermer"));
    for (auto [b, nom] : {std::pair{Calculer, "Calculer"},
                          {Annuler, "Annuler"},
                          {Enregistrer, "Enregistrer"},
                          {Imprimer, "Imprimer"},
                          {Fermer, "Fermer"}})
        b->setObjectName(QString::fromLatin1(nom));
    Progression = new QProgressBar;
    Progression->setTextVisible(false);
    auto *boutons = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{Calculer, Annuler, Progression})
        boutons->addWidget(w);
    boutons->addStretch();
    for (QWidget *w : std::initializer_list<QWidget *>{Enregistrer, Imprimer, Fermer})
        boutons->addWidget(w);
    auto *tout = new QVBoxLayout(this);
    tout->addWidget(Etat);
    tout->addWidget(defile, 1);
    tout->addWidget(Survol);
    tout->addLayout(boutons);
    resize(tailleOuverture(this, QSize(1000, 720)));

    enCours(false);
    Enregistrer->setEnabled(false);
    Imprimer->setEnabled(false);
    afficheEtat(tr("Le champ lointain de l'antenne de la vérification NEC-2, avec ses données : "
                   "appuyez sur « Calculer »."));

    connecteGarde(Calculer, &QPushButton::clicked, this, [this] { CalculerClick(); });
    connecteGarde(Annuler, &QPushButton::clicked, this, [this] {
        execution_->annule();
        affinage_ = false;
        enCours(false);
        afficheEtat(Textes::NecAnnule());
    });
    connecteGarde(Enregistrer, &QPushButton::clicked, this, [this] { EnregistrerClick(); });
    connecteGarde(Imprimer, &QPushButton::clicked, this, [this] { ImprimerClick(); });
    connect(Fermer, &QPushButton::clicked, this, &QDialog::close);
    sansBoutonParDefaut(*this);
    connect(execution_, &Nec::ExecutionNec::progression, this, [this](int faites, int total) {
        Progression->setRange(0, total);
        Progression->setValue(faites);
    });
    connect(execution_, &Nec::ExecutionNec::termine, this,
            [this](const std::vector<Nec::ImpedanceB> &z) { executeGarde([&] { termine(z); }); });
    connect(execution_, &Nec::ExecutionNec::echec, this, [this](const QString &t) {
        affinage_ = false;
        enCours(false);
        afficheEtat(t, true);
    });
    // Away from the plots, the legend again.
    connect(Vue, &VueDiagrammes::survol, Survol, [this](const QString &t) {
        Survol->setText(t.isEmpty() ? DessinDiagrammes::legendeTraits() : t);
    });
    // The check's inputs live in its window and the main one: looked at
    // while this window is shown.
    surveillance_->setInterval(1000);
    connect(surveillance_, &QTimer::timeout, this,
            [this] { executeGarde([this] { actualise(); }); });
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connecteGarde(f1, &QShortcut::activated, this, [] {
        plateforme().aide(AideViewer::document(), AideViewer::ContexteDiagrammes);
    });
}

DiagrammesNec::~DiagrammesNec() = default;

Nec::Entrees DiagrammesNec::entrees(QByteArray &deck) const
{
    Nec::Entrees e = entrees_();
    e.longueurMaxCm = Nec::longueurMaxParDefaut(e.echelleCm);
    Nec::valide(e);
    deck = Rayonnement::deck(e);
    return e;
}

void DiagrammesNec::CalculerClick()
{
    demandees_ = entrees(deckDemande_);
    affinage_ = false;
    enCours(true);
    afficheEtat(tr("Calcul NEC-2 en cours…"));
    execution_->lance(deckDemande_, Rayonnement::nombreFrequences(demandees_));
}

void DiagrammesNec::termine(const std::vector<Nec::ImpedanceB> &z)
{
    // The first run gives the patterns; the second, around each maximum,
    // their exact figures.
    if (!affinage_) {
        lecture_ = Rayonnement::lit(demandees_, z);
        if (!lecture_.diagrammes.empty()) {
            affinage_ = true;
            execution_->lance(
                Rayonnement::deckAffinage(demandees_, lecture_.diagrammes),
                Rayonnement::nombreFrequencesAffinage(demandees_, lecture_.diagrammes));
            return;
        }
    } else {
        affinage_ = false;
        Rayonnement::affine(demandees_, lecture_, z);
    }
    enCours(false);
    // The bands the check or their patterns rule out are not drawn: said.
    Rayonnement::Lecture l = std::move(lecture_);
    lecture_ = {};
    QStringList echecs;
    for (const Nec::BandeEchouee &b : l.echecs)
        echecs << Textes::BandeEchouee().arg(b.bande.bande).arg(b.raison);
    echecs_ = echecs.join(u'\n');
    calculees_ = demandees_;
    deck_ = deckDemande_;
    Vue->montre(std::move(l.diagrammes), false);
    afficheEtat(etat(), !echecs_.isEmpty());
    Enregistrer->setEnabled(true);
    Imprimer->setEnabled(true);
    surveillance_->start();
}

void DiagrammesNec::actualise()
{
    if (deck_.isEmpty() || !isVisible())
        return;
    QByteArray d;
    bool valable = true;
    try {
        entrees(d);
    } catch (const KesuErreur &) {
        valable = false;
    }
    const bool perime = !valable || d != deck_;
    if (perime == Vue->grise())
        return;
    Vue->montre(Vue->diagrammes(), perime);
    afficheEtat(perime ? tr("Les données de la vérification NEC-2 ont changé : ces diagrammes "
                            "sont ceux de l'antenne d'avant. Appuyez sur « Calculer ».")
                       : etat(),
                !perime && !echecs_.isEmpty());
}

QString DiagrammesNec::legende() const
{
    const Nec::Antenne &a = calculees_.antenne;
    const bool v = a.forme == Nec::Forme::VInversee;
    const QString forme =
        v ? tr("V inversé à %1°, sommet à %2 m").arg(Nec::texte(a.angleDeg), Nec::texte(a.hauteurM))
          : tr("horizontale à %1 m").arg(Nec::texte(a.hauteurM));
    // The ground as the check's list names it, inside a sentence.
    QString sol = VerificationNec::libelleSol(a.sol);
    sol[0] = sol[0].toLower();
    return tr("Kesu — branche %1 cm, échelle %2 cm, %3, %4, fil de %5 mm")
        .arg(Nec::texte(a.brancheCm), QString::number(calculees_.echelleCm),
             a.sol == Nec::Sol::Libre ? tr("dans l'espace libre") : forme, sol,
             Nec::texte(a.diametreMm));
}

QString DiagrammesNec::etat() const
{
    return echecs_.isEmpty() ? legende() : legende() + u'\n' + echecs_;
}

void DiagrammesNec::dessinePages(QPagedPaintDevice &support) const
{
    QPainter p(&support);
    p.setFont(PoliceVectorielle());
    // Logical units: a page 1000 wide, whatever the device's resolution.
    const QRect pixels = p.viewport();
    const double echelle = pixels.width() / 1000.0;
    p.scale(echelle, echelle);
    const QRectF page(0, 0, 1000, pixels.height() / echelle);
    const auto &d = Vue->diagrammes();
    const double max = DessinDiagrammes::maximum(d);
    const QFontMetricsF m(DessinDiagrammes::police(p.font(), page.width()));
    const double h = DessinDiagrammes::hauteurRangeePage(page.width()) + m.lineSpacing() / 2;
    const std::size_t parPage = std::max<std::size_t>(
        1, static_cast<std::size_t>((page.height() - DessinDiagrammes::hauteurEntete(m)) / h));
    for (std::size_t debut = 0; debut < d.size(); debut += parPage) {
        if (debut > 0)
            support.newPage();
        const std::vector<Rayonnement::DiagrammeBande> morceau(
            d.begin() + static_cast<std::ptrdiff_t>(debut),
            d.begin() + static_cast<std::ptrdiff_t>(std::min(d.size(), debut + parPage)));
        DessinDiagrammes::page(p, page, legende(), morceau, max);
    }
}

void DiagrammesNec::EnregistrerClick()
{
    QString png = tr("Image PNG (*.png)");
    const QString pdf = tr("Document PDF (*.pdf)");
    QString filtre = png;
    const QString nom = plateforme().fichierAEnregistrer(
        this, tr("Enregistrer les diagrammes"), tr("diagrammes-nec.png"), {png, pdf}, filtre);
    if (nom.isEmpty())
        return;
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (filtre == pdf || nom.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter ecrivain(&tampon);
        ecrivain.setPageSize(QPageSize(QPageSize::A4));
        ecrivain.setResolution(300);
        ecrivain.setTitle(legende());
        ecrivain.setCreator(QStringLiteral("Kesu"));
        dessinePages(ecrivain);
    } else {
        // Drawn at its own width, whatever the window's.
        const auto &d = Vue->diagrammes();
        const QFontMetricsF m(DessinDiagrammes::police(PoliceVectorielle(), LargeurImage - 20));
        const double h =
            DessinDiagrammes::hauteurRangeePage(LargeurImage - 20) + m.lineSpacing() / 2;
        const QSize taille(
            LargeurImage, static_cast<int>(20 + DessinDiagrammes::hauteurEntete(m) + d.size() * h));
        QImage image(taille * DensiteImage, QImage::Format_RGB32);
        image.setDevicePixelRatio(DensiteImage);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setFont(PoliceVectorielle());
            DessinDiagrammes::page(p, QRectF(QPointF(10, 10), QSizeF(taille) - QSizeF(20, 20)),
                                   legende(), d, DessinDiagrammes::maximum(d));
        }
        image.save(&tampon, "PNG");
    }
    EcritOuSignale(nom, octets, Textes::FichierNonEnregistre());
}

void DiagrammesNec::ImprimerClick()
{
    QPrinter imprimante;
    imprimante.setDocName(tr("Diagrammes NEC-2"));
    if (!plateforme().impression(imprimante, this))
        return;
    dessinePages(imprimante);
}

void DiagrammesNec::enCours(bool oui)
{
    Calculer->setEnabled(!oui);
    Annuler->setEnabled(oui);
    Progression->setVisible(oui);
    if (oui)
        Progression->setRange(0, 0);
}

void DiagrammesNec::afficheEtat(const QString &texte, bool erreur)
{
    Etat->setStyleSheet(erreur ? QStringLiteral("QLabel { color: #c00000; }") : QString());
    Etat->setText(texte);
}

void DiagrammesNec::keyPressEvent(QKeyEvent *e)
{
    // Enter computes, as in the NEC-2 check; Escape closes.
    if (!traiteEntree(e, *Calculer))
        QDialog::keyPressEvent(e);
}

void DiagrammesNec::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        executeGarde([this] { actualise(); });
}

void DiagrammesNec::closeEvent(QCloseEvent *e)
{
    execution_->annule();
    enCours(false);
    QDialog::closeEvent(e);
}

void DiagrammesNec::hideEvent(QHideEvent *e)
{
    execution_->annule();
    enCours(false);
    surveillance_->stop();
    QDialog::hideEvent(e);
}
