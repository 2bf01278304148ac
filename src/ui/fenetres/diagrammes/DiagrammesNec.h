#pragma once

#include "nec/ExecutionNec.h"
#include "rayonnement/Diagrammes.h"

#include <QDialog>
#include <QWidget>
#include <functional>

class QLabel;
class QPagedPaintDevice;
class QProgressBar;
class QPushButton;
class QTimer;

// The patterns, a row per band and frequency, drawn as the window is wide;
// the mouse reads angle and gain.
class VueDiagrammes : public QWidget {
    Q_OBJECT
public:
    explicit VueDiagrammes(QWidget *parent = nullptr);
    void montre(std::vector<Rayonnement::DiagrammeBande> d, bool grise);
    const std::vector<Rayonnement::DiagrammeBande> &diagrammes() const { return d_; }
    bool grise() const { return grise_; }
    QRectF rangee(std::size_t i) const;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;

signals:
    void survol(const QString &texte);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    std::vector<Rayonnement::DiagrammeBande> d_;
    bool grise_ = false;
};

// "Diagrammes NEC-2…": the far field of the NEC-2 check's own antenna (the
// check's inputs as it last kept them), computed by nec2c in the background,
// greyed once those inputs change, saved as PNG or PDF and printed with a
// caption naming the antenna, the ground and the height.
class DiagrammesNec : public QDialog {
    Q_OBJECT
public:
    using EntreesVerification = std::function<Nec::Entrees()>;
    explicit DiagrammesNec(EntreesVerification entrees, QWidget *parent = nullptr);
    ~DiagrammesNec() override;

    QLabel *Etat, *Survol;
    QPushButton *Calculer, *Annuler, *Enregistrer, *Imprimer, *Fermer;
    QProgressBar *Progression;
    VueDiagrammes *Vue;

    Nec::ExecutionNec &execution() { return *execution_; }
    const std::vector<Rayonnement::DiagrammeBande> &diagrammes() const { return Vue->diagrammes(); }
    bool perime() const { return Vue->grise(); }
    // The caption of the pictures and pages: the antenna, the ground, the height.
    QString legende() const;
    // The caption, then the bands left out.
    QString etat() const;

    void CalculerClick();
    void EnregistrerClick();
    void ImprimerClick();
    // Greys the patterns shown once the check's inputs no longer give them.
    void actualise();
    // The pages as saved and printed.
    void dessinePages(QPagedPaintDevice &support) const;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    Nec::Entrees entrees(QByteArray &deck) const;
    void termine(const std::vector<Nec::ImpedanceB> &z);
    void enCours(bool oui);
    void afficheEtat(const QString &texte, bool erreur = false);

    EntreesVerification entrees_;
    Nec::ExecutionNec *execution_;
    QTimer *surveillance_;
    Nec::Entrees demandees_, calculees_;
    QByteArray deckDemande_, deck_;
    // The bands the last run left out, one a line with its reason: said
    // under the caption while the patterns are shown.
    QString echecs_;
    // The second run is under way, and the patterns of the first, waiting
    // for it.
    bool affinage_ = false;
    Rayonnement::Lecture lecture_;
};
