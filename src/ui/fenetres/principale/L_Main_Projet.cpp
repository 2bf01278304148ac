// "Fichier": projects (.kesu) holding every input of the main window, the
// NEC-2 check and the advised lengths, and the NEC-2 model for other programs.
// The tool windows keep their inputs in the user's settings: a project is
// read from them and written back into them, and the windows open with it.
#include "ui/fenetres/principale/L_Main.h"

#include "nec/Nombres.h"
#include "nec/Verification.h"
#include "projet/Cles.h"
#include "regles/Defauts.h"
#include "regles/Erreurs.h"
#include "regles/TextesProjet.h"
#include "regles/Version.h"
#include "state/EcritureFichier.h"
#include "ui/fenetres/diagrammes/DiagrammesNec.h"
#include "ui/fenetres/longueurs/LongueursConseillees.h"
#include "ui/fenetres/principale/EntreesPrincipales.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Plateforme.h"
#include "ui/plateforme/Reglages.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString OrganisationProjet = QStringLiteral("Kesu");
const QString CleRecents = QStringLiteral("FichiersRecents");
constexpr int RecentsMax = 8;

QString filtreProjet()
{
    return QCoreApplication::translate("TForm1", "Projet Kesu (*.kesu)");
}

// What a project may name as its bands: the band table's.
QList<int> bandesDeLaTable()
{
    QList<int> r;
    for (const LigneBande &l : EtatCalcul.TableBandes)
        r << l.Bande;
    return r;
}

// The tool windows' inputs as the settings keep them, all of them project
// inputs: the antenna, the ground, the line, the criterion and limits, the
// tuner's parts, the advised lengths' search. Removed, each window opens with
// its own defaults. What else the settings hold is the user's preference and
// stays from one project and one run to the next: the language, the recent
// files, the last folders, the windows' sizes, the saved picture's size, the
// choice about an engine not verified, the number of simultaneous
// computations (kept in the NEC-2 window's group, beside its inputs).
void effaceEntreesOutils()
{
    QSettings s(OrganisationProjet, OrganisationProjet);
    for (const Projet::Cle &c : Projet::cles())
        if (c.groupe)
            s.remove(QString::fromLatin1(c.groupe) + u'/' + QString::fromLatin1(c.reglage));
    s.sync();
}

} // namespace

void TForm1::construitProjet()
{
    // Every run starts on a new project, as "Nouveau" gives it: the last
    // run's tool inputs belong to the project it had, not to this one.
    effaceEntreesOutils();
    // Everything the main window holds, as a project holds it, before any
    // change: what a missing key and "Nouveau" give.
    Projet::Fichier f = projetCourant();
    for (const Projet::Valeur &v : f.valeurs)
        if (!Projet::cle(v.cle)->groupe)
            defautsPrincipale_.emplace_back(v.cle, v.cle == QLatin1String("coef_echelle")
                                                       ? Nec::texte(Defauts::CoefEchelle)
                                                       : v.valeur);
    projet_ = {};
    EtatProjet = new QLabel;
    EtatProjet->setObjectName(QStringLiteral("EtatProjet"));
    statusBar()->addPermanentWidget(EtatProjet, 1);
    statusBar()->setSizeGripEnabled(false);
    afficheEtatProjet();
    // The modified mark follows every window's inputs.
    auto *suivi = new QTimer(this);
    suivi->setInterval(1000);
    connect(suivi, &QTimer::timeout, this,
            [this] { executeGarde([this] { afficheEtatProjet(); }); });
    suivi->start();
    listeRecents();
}

Projet::Fichier TForm1::projetCourant()
{
    Projet::Fichier f = projet_;
    // The tool windows open write their boxes to the settings first.
    if (verificationNec)
        verificationNec->sauveReglages();
    if (longueursConseillees)
        longueursConseillees->sauveReglages();
    QSettings s(OrganisationProjet, OrganisationProjet);
    const auto classe = ChPara->isChecked()        ? QStringLiteral("haute")
                        : ChSerie_bas->isChecked() ? QStringLiteral("basse")
                                                   : QStringLiteral("moyenne");
    for (const Projet::Cle &c : Projet::cles()) {
        const QString nom = QString::fromLatin1(c.nom);
        const QString reglage = QString::fromLatin1(c.reglage);
        if (c.groupe) {
            const QVariant v = s.value(QString::fromLatin1(c.groupe) + u'/' + reglage);
            if (!v.isValid())
                continue;
            f.pose(nom, c.genre == Projet::Genre::Oui
                            ? (v.toBool() ? QStringLiteral("oui") : QStringLiteral("non"))
                            : v.toString());
        } else if (nom == QLatin1String("classe")) {
            f.pose(nom, classe);
        } else if (nom == QLatin1String("bandes")) {
            QStringList cochees;
            const auto cases = casesBandes();
            for (int k = 0; k < NombreBandes; ++k)
                if (cases[static_cast<std::size_t>(k)]->isChecked())
                    cochees << QString::number(EtatCalcul.TableBandes[k].Bande);
            f.pose(nom, cochees.join(u' '));
        } else if (const auto *e = findChild<QLineEdit *>(reglage)) {
            f.pose(nom, e->text().trimmed());
        } else if (const auto *l = findChild<QComboBox *>(reglage)) {
            f.pose(nom, l->currentText().trimmed());
        }
    }
    return f;
}

void TForm1::appliqueProjet(const Projet::Fichier &f)
{
    // The tool windows open again with the project's inputs, their own
    // defaults where it has none.
    for (QWidget *w :
         std::initializer_list<QWidget *>{verificationNec, longueursConseillees, diagrammesNec})
        delete w;
    verificationNec = nullptr;
    longueursConseillees = nullptr;
    diagrammesNec = nullptr;
    effaceEntreesOutils();
    QSettings s(OrganisationProjet, OrganisationProjet);
    const auto valeur = [&](const QString &cle) -> QString {
        if (const auto v = f.valeur(cle))
            return *v;
        for (const auto &[c, d] : defautsPrincipale_)
            if (c == cle)
                return d;
        return {};
    };
    for (const Projet::Cle &c : Projet::cles()) {
        const QString nom = QString::fromLatin1(c.nom);
        const QString reglage = QString::fromLatin1(c.reglage);
        if (c.groupe) {
            if (const auto v = f.valeur(nom))
                s.setValue(QString::fromLatin1(c.groupe) + u'/' + reglage,
                           c.genre == Projet::Genre::Oui ? QVariant(*v == QLatin1String("oui"))
                                                         : QVariant(*v));
        } else if (nom == QLatin1String("classe")) {
            const QString v = valeur(nom);
            (v == QLatin1String("haute")   ? ChPara
             : v == QLatin1String("basse") ? ChSerie_bas
                                           : ChSerie_moy)
                ->click();
        } else if (nom == QLatin1String("bandes")) {
            // Every band ticked, as at start, unless the project says which.
            const auto v = f.valeur(nom);
            const QStringList cochees = v ? v->split(u' ', Qt::SkipEmptyParts) : QStringList();
            const auto cases = casesBandes();
            for (int k = 0; k < NombreBandes; ++k)
                cases[static_cast<std::size_t>(k)]->setChecked(
                    !v || cochees.contains(QString::number(EtatCalcul.TableBandes[k].Bande)));
        } else if (auto *e = findChild<QLineEdit *>(reglage)) {
            e->setText(valeur(nom));
        } else if (auto *l = findChild<QComboBox *>(reglage)) {
            l->setCurrentText(valeur(nom));
        }
    }
    s.sync();
}

bool TForm1::projetModifie()
{
    // Compared with the window as its start-up left it.
    if (!demarrageFait())
        return false;
    if (!referencePrise_) {
        reference_ = projetCourant();
        referencePrise_ = true;
    }
    return !(projetCourant() == reference_);
}

void TForm1::afficheEtatProjet()
{
    const QString nom =
        cheminProjet_.isEmpty() ? tr("Nouveau projet") : QFileInfo(cheminProjet_).fileName();
    QString t = tr("Projet : %1").arg(nom);
    if (lectureSeule_)
        t += tr(" (lecture seule)");
    if (projetModifie())
        t += tr(" — modifié");
    if (EtatProjet->text() != t)
        EtatProjet->setText(t);
    EtatProjet->setToolTip(QDir::toNativeSeparators(cheminProjet_));
}

bool TForm1::abandonAccepte()
{
    if (!projetModifie())
        return true;
    const QString nom =
        cheminProjet_.isEmpty() ? tr("le nouveau projet") : QFileInfo(cheminProjet_).fileName();
    switch (plateforme().questionEnregistrer(
        tr("Les changements de %1 ne sont pas enregistrés. Les enregistrer ?").arg(nom))) {
    case Plateforme::Reponse::Oui:
        return EnregistrerClick();
    case Plateforme::Reponse::Non:
        return true;
    case Plateforme::Reponse::Annuler:
        break;
    }
    return false;
}

void TForm1::NouveauClick()
{
    if (!abandonAccepte())
        return;
    projet_ = {};
    appliqueProjet(projet_);
    cheminProjet_.clear();
    lectureSeule_ = false;
    reference_ = projetCourant();
    referencePrise_ = true;
    afficheEtatProjet();
}

void TForm1::OuvrirClick()
{
    if (!abandonAccepte())
        return;
    const QString chemin =
        plateforme().dialogueOuverture(this, tr("Ouvrir un projet"), {filtreProjet()});
    if (!chemin.isEmpty())
        ouvreProjet(chemin);
}

bool TForm1::ouvreProjet(const QString &chemin)
{
    QString raison;
    const auto texte = Projet::charge(chemin, raison);
    if (!texte) {
        plateforme().erreur(
            Textes::ProjetIllisible().arg(QDir::toNativeSeparators(chemin), raison));
        return false;
    }
    // A value refused is named and not used: its input keeps its default.
    const Projet::Lecture l = Projet::lit(*texte, bandesDeLaTable());
    projet_ = l.fichier;
    appliqueProjet(projet_);
    cheminProjet_ = QFileInfo(chemin).absoluteFilePath();
    lectureSeule_ = l.lectureSeule;
    reference_ = projetCourant();
    referencePrise_ = true;
    recents(cheminProjet_);
    afficheEtatProjet();
    QStringList dits = l.fautes;
    if (l.lectureSeule)
        dits.prepend(Textes::ProjetPlusRecent().arg(l.fichier.format).arg(Projet::Format));
    if (!dits.isEmpty())
        plateforme().avertissement(dits.join(u'\n'));
    // The project's chart, as "Lancer" draws it, once the window has its
    // band table; without a band ticked there is nothing to draw.
    const auto cases = casesBandes();
    if (demarrageFait() &&
        std::any_of(cases.begin(), cases.end(), [](QCheckBox *c) { return c->isChecked(); }))
        executeGarde([this] { Button1Click(); });
    return true;
}

bool TForm1::EnregistrerClick()
{
    if (cheminProjet_.isEmpty() || lectureSeule_)
        return EnregistrerSousClick();
    const Projet::Fichier f = projetAEnregistrer();
    QString raison;
    if (!Projet::enregistre(cheminProjet_, f, raison)) {
        plateforme().erreur(
            Textes::ProjetNonEnregistre().arg(QDir::toNativeSeparators(cheminProjet_), raison));
        return false;
    }
    projetEnregistre(cheminProjet_, f);
    return true;
}

bool TForm1::EnregistrerSousClick()
{
    QString filtre = filtreProjet();
    const QString proposition = cheminProjet_.isEmpty()
                                    ? tr("antenne-%1.kesu").arg(LongDip->text().trimmed())
                                    : cheminProjet_;
    const QString chemin = plateforme().fichierAEnregistrer(this, tr("Enregistrer le projet"),
                                                            proposition, {filtre}, filtre);
    if (chemin.isEmpty())
        return false;
    QString raison;
    const Projet::Fichier f = projetAEnregistrer();
    if (!Projet::enregistre(chemin, f, raison)) {
        plateforme().erreur(
            Textes::ProjetNonEnregistre().arg(QDir::toNativeSeparators(chemin), raison));
        return false;
    }
    lectureSeule_ = false;
    projetEnregistre(chemin, f);
    return true;
}

// What a save writes: a new project every input; one read from a file its
// own lines, with in place only the values the user changed since it was
// opened or saved (a line the program did not understand stays as it was).
Projet::Fichier TForm1::projetAEnregistrer()
{
    const Projet::Fichier courant = projetCourant();
    if (!projet_.lu)
        return courant;
    Projet::Fichier f = projet_;
    for (const Projet::Cle &c : Projet::cles()) {
        const QString nom = QString::fromLatin1(c.nom);
        if (const auto v = courant.valeur(nom); v && v != reference_.valeur(nom))
            f.pose(nom, *v);
    }
    return f;
}

void TForm1::projetEnregistre(const QString &chemin, const Projet::Fichier &ecrit)
{
    // The file as written, read back: the next save starts from its lines.
    projet_ = Projet::lit(Projet::ecrit(ecrit)).fichier;
    cheminProjet_ = QFileInfo(chemin).absoluteFilePath();
    reference_ = projetCourant();
    referencePrise_ = true;
    recents(cheminProjet_);
    afficheEtatProjet();
}

namespace {

// The notes' editor: Escape or closing it asks before typed text is lost.
class EditeurNotes : public QDialog {
public:
    EditeurNotes(const QString &notes, QWidget *parent)
        : QDialog(parent), texte(new QPlainTextEdit(notes)), avant_(notes)
    {
    }
    void reject() override
    {
        if (texte->toPlainText() != avant_ &&
            plateforme().confirmation(Textes::AbandonnerNotes()) != Plateforme::Reponse::Oui)
            return;
        QDialog::reject();
    }
    QPlainTextEdit *texte;

private:
    QString avant_;
};

} // namespace

void TForm1::NotesClick()
{
    EditeurNotes d(projet_.notes, this);
    d.setWindowTitle(tr("Notes du projet"));
    QPlainTextEdit *texte = d.texte;
    texte->setObjectName(QStringLiteral("Notes"));
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto *pile = new QVBoxLayout(&d);
    pile->addWidget(texte);
    pile->addWidget(boutons);
    d.resize(480, 320);
    if (plateforme().execModal(d) == QDialog::Accepted) {
        projet_.notes = texte->toPlainText();
        afficheEtatProjet();
    }
}

void TForm1::ExporterModeleClick()
{
    Nec::Entrees e = VerificationNec::entreesReglees(entreesPrincipales(*this));
    e.longueurMaxCm = Nec::longueurMaxParDefaut(e.echelleCm);
    Nec::valide(e);
    QString filtre = tr("Modèle NEC-2 (*.nec)");
    const QString chemin = plateforme().fichierAEnregistrer(
        this, tr("Exporter le modèle NEC-2"), tr("antenne-%1.nec").arg(LongDip->text().trimmed()),
        {filtre}, filtre);
    if (chemin.isEmpty())
        return;
    EcritOuSignale(chemin, Nec::deckCommente(e, QStringLiteral("Kesu %1").arg(KesuVersion)),
                   Textes::FichierNonEnregistre());
}

void TForm1::recents(const QString &chemin)
{
    QStringList l = Reglages::lit(CleRecents, QStringList()).toStringList();
    l.removeAll(chemin);
    l.prepend(chemin);
    while (l.size() > RecentsMax)
        l.removeLast();
    Reglages::ecrit(CleRecents, l);
    listeRecents();
}

void TForm1::listeRecents()
{
    MenuRecents->clear();
    // A file deleted or moved since is no longer offered.
    const QStringList lus = Reglages::lit(CleRecents, QStringList()).toStringList();
    QStringList l;
    for (const QString &chemin : lus)
        if (QFileInfo(chemin).isFile())
            l << chemin;
    if (l != lus)
        Reglages::ecrit(CleRecents, l);
    for (int i = 0; i < l.size(); ++i) {
        QAction *a = MenuRecents->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(l[i]).fileName()));
        a->setToolTip(QDir::toNativeSeparators(l[i]));
        const QString chemin = l[i];
        connecteGarde(a, &QAction::triggered, this, [this, chemin] { ouvreRecent(chemin); });
    }
    MenuRecents->setEnabled(!l.isEmpty());
}

void TForm1::ouvreRecent(QString chemin)
{
    if (!QFileInfo(chemin).isFile()) {
        // Gone since the menu was built: said, and taken off the list.
        plateforme().erreur(Textes::RecentAbsent().arg(QDir::toNativeSeparators(chemin)));
        QStringList l = Reglages::lit(CleRecents, QStringList()).toStringList();
        l.removeAll(chemin);
        Reglages::ecrit(CleRecents, l);
        listeRecents();
        return;
    }
    if (abandonAccepte())
        ouvreProjet(chemin);
}

void TForm1::closeEvent(QCloseEvent *e)
{
    bool accepte = true;
    executeGarde([&] { accepte = abandonAccepte(); });
    if (accepte)
        QMainWindow::closeEvent(e);
    else
        e->ignore();
}
