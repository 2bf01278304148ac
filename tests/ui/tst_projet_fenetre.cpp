#include "FenetreTest.h"
#include "Francais.h"
#include "regles/TextesProjet.h"
#include "ui/fenetres/longueurs/LongueursConseillees.h"
#include "ui/fenetres/verification/VerificationNec.h"

#include "LimiteFichier.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

// Projects in the main window: every input of the three windows saved and
// read back, a file written by hand, the question before losing changes.
class TstProjetFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void allerRetour();
    void fichierEcritALaMain();
    void changementsNonEnregistres();
    void demarrageCommeNouveau();
    void ouvertureRefusesEtGraphe();
    void echapNotes();
    void recentsDisparus();

private:
    QTemporaryDir dossier_;
};

void TstProjetFenetre::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", dossier_.filePath("config").toLocal8Bit());
}

void TstProjetFenetre::allerRetour()
{
    FenetreTest f;
    f->Button1->click();
    f->LongDip->setText("2100");
    f->ChPara->click();
    f->Ch10m->setChecked(false);
    f->VerifNec->trigger();
    f->verificationNec->Hauteur->setText("12.5");
    f->verificationNec->Critere->setCurrentIndex(2); // Boîte en T
    f->verificationNec->CMax->setText("350");
    f->LongConseil->trigger();
    f->longueursConseillees->EchelleMin->setText("800");
    QVERIFY(f->projetModifie());
    const QString chemin = QDir(f.dossier()).filePath("doublet.kesu");
    f.plateforme.surEnregistrement = [&](const QString &, const QStringList &, QString &) {
        return QDir(f.dossier()).filePath("doublet");
    };
    QVERIFY(f->EnregistrerSousClick());
    QVERIFY(!f->projetModifie());
    const Projet::Fichier avant = f->projetCourant();

    f->NouveauClick();
    QCOMPARE(f->LongDip->text(), "2062");
    QVERIFY(f->ChSerie_moy->isChecked());
    QVERIFY(f->Ch10m->isChecked());
    QVERIFY(!f->verificationNec);

    QVERIFY(f->ouvreProjet(chemin));
    QCOMPARE(f->projetCourant(), avant);
    QCOMPARE(f->LongDip->text(), "2100");
    QVERIFY(f->ChPara->isChecked());
    QVERIFY(!f->Ch10m->isChecked());
    f->VerifNec->trigger();
    QCOMPARE(f->verificationNec->Hauteur->text(), "12.5");
    QCOMPARE(f->verificationNec->Critere->currentIndex(), 2);
    QCOMPARE(f->verificationNec->CMax->text(), "350");
    f->LongConseil->trigger();
    QCOMPARE(f->longueursConseillees->EchelleMin->text(), "800");
    if (!suiteEnAnglais())
        QCOMPARE(f->EtatProjet->text(), "Projet : doublet.kesu");
}

// An unknown key and a bad value: the others read, the bad line said, the
// unknown key and the bad line written back as they were on saving.
void TstProjetFenetre::fichierEcritALaMain()
{
    FenetreTest f;
    const QString chemin = QDir(f.dossier()).filePath("main.kesu");
    QFile fichier(chemin);
    const auto contenu = [&] {
        fichier.open(QIODevice::ReadOnly);
        const QByteArray o = fichier.readAll();
        fichier.close();
        return o;
    };
    const QByteArray main = "# mon doublet\r\nformat = 1\r\nechelle_cm=2500\r\nnec.balun = 3\r\n"
                            "venu_d_ailleurs = 1\r\nnec.sol = mer\r\nnotes =  essai  \r\n";
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(main);
    fichier.close();
    QVERIFY(f->ouvreProjet(chemin));
    QCOMPARE(f->LongEch->text(), "2500");
    QCOMPARE(f.plateforme.avertissements.size(), 1);
    QVERIFY(f.plateforme.avertissements.front().contains("3"));
    // Saved unchanged, byte for byte: the line the program did not take, the
    // unknown key, the comment, the spacing and the line ends are the user's.
    QVERIFY(f->EnregistrerClick());
    QCOMPARE(contenu(), main);
    // A change goes into its own line, or a line of its own at the end.
    f->LongEch->setText("2600");
    f->LongDip->setText("1990");
    QVERIFY(f->EnregistrerClick());
    QByteArray attendu = main;
    attendu.replace("echelle_cm=2500", "echelle_cm= 2600");
    attendu += "branche_cm = 1990\r\n";
    QCOMPARE(contenu(), attendu);
    QVERIFY(!f->projetModifie());

#ifdef Q_OS_UNIX
    // A save cut short (the disk full, here a size limit) is said, keeps the
    // file as it was and the project modified.
    f->LongDip->setText("2000");
    bool enregistre;
    {
        const LimiteFichier limite(16);
        enregistre = f->EnregistrerClick();
    }
    QVERIFY(!enregistre);
    QCOMPARE(f.plateforme.erreurs.size(), 1);
    QCOMPARE(contenu(), attendu);
    QVERIFY(f->projetModifie());
#endif
}

void TstProjetFenetre::changementsNonEnregistres()
{
    FenetreTest f;
    QTRY_VERIFY(f->demarrageFait());
    QVERIFY(!f->projetModifie());
    f->LongEch->setText("2900");
    QVERIFY(f->projetModifie());
    // Annuler keeps the window and the changes; "Ne pas enregistrer" lets it go.
    f.plateforme.reponses = {Plateforme::Reponse::Annuler};
    f->close();
    QVERIFY(f->isVisible());
    QCOMPARE(f.plateforme.questionsEnregistrer.size(), 1);
    f.plateforme.reponses = {Plateforme::Reponse::Non};
    f->close();
    QVERIFY(!f->isVisible());
}

namespace {

QString enregistreSous(FenetreTest &f, const QString &nom)
{
    const QString chemin = QDir(f.dossier()).filePath(nom);
    f.plateforme.surEnregistrement = [=](auto &...) { return chemin; };
    return f->EnregistrerSousClick() ? chemin : QString();
}

} // namespace

// A start gives the project "Nouveau" gives, the preferences kept.
void TstProjetFenetre::demarrageCommeNouveau()
{
    QSettings("Kesu", "Kesu").setValue("VerificationNec/CMax", "400");
    QSettings("Kesu", "Kesu").setValue("VerificationNec/Taches", 2);
    QSettings("Kesu", "Kesu").setValue("LongueursConseillees/EchelleMin", "800");
    FenetreTest f;
    QString r;
    const QByteArray auDemarrage = *Projet::charge(enregistreSous(f, "demarrage.kesu"), r);
    f->NouveauClick();
    QCOMPARE(*Projet::charge(enregistreSous(f, "nouveau.kesu"), r), auDemarrage);
    f->Button1->click();
    f->VerifNec->trigger();
    QCOMPARE(f->verificationNec->CMax->text(), "250");
    QCOMPARE(f->verificationNec->Taches->value(), 2);
    f->LongConseil->trigger();
    QCOMPARE(f->longueursConseillees->EchelleMin->text(), "500");
}

// Every refused value named, as a command names it, and not used; the chart drawn.
void TstProjetFenetre::ouvertureRefusesEtGraphe()
{
    FenetreTest f;
    const QByteArray texte = "format = 1\nbranche_cm = 2100\nbandes = 40 11\nnec.hauteur_m = -5\n";
    const Projet::Fichier projet = Projet::lit(texte).fichier; // saved as it came
    QString raison;
    const QString chemin = QDir(f.dossier()).filePath("p.kesu");
    QVERIFY(Projet::enregistre(chemin, projet, raison) && f->ouvreProjet(chemin));
    const QStringList fautes = Projet::lit(texte, {80, 40, 30, 20, 17, 15, 12, 10}).fautes;
    QCOMPARE(fautes.size(), 2);
    QCOMPARE(f.plateforme.avertissements, QStringList{fautes.join(u'\n')});
    QVERIFY(f->Ch10m->isChecked());
    QCOMPARE(EtatCalcul.LongElecDip, 2165); // 2100 cm at 0.97
    QVERIFY(!f->imageAffichee(1).isNull());
    f->VerifNec->trigger();
    QCOMPARE(f->verificationNec->Hauteur->text(), "10");
}

// Escape in the notes asks before typed text goes: kept, then let go.
void TstProjetFenetre::echapNotes()
{
    FenetreTest f;
    f.plateforme.reponses = {Plateforme::Reponse::Non, Plateforme::Reponse::Oui};
    QStringList ouverte;
    f.plateforme.surModal = [&](QDialog &d) {
        d.show();
        d.findChild<QPlainTextEdit *>("Notes")->setPlainText("mât");
        for (int i = 0; i < 2; ++i, ouverte << QString::number(d.isVisible()))
            d.reject(); // what Escape and closing the window do
        return d.result();
    };
    f->NotesProjet->trigger();
    QCOMPARE(f.plateforme.confirmations, QStringList(2, Textes::AbandonnerNotes()));
    QCOMPARE(ouverte, (QStringList{"1", "0"}));
    QVERIFY(f->projetCourant().notes.isEmpty());
}

// A project deleted since leaves "Fichiers récents", chosen there or at start.
void TstProjetFenetre::recentsDisparus()
{
    QString dossier;
    const auto recents = [] { return QSettings("Kesu", "Kesu").value("FichiersRecents"); };
    {
        FenetreTest f;
        const QString a = enregistreSous(f, "a.kesu"), b = enregistreSous(f, "b.kesu");
        QVERIFY(QFile::remove(a));
        f->MenuRecents->actions().at(1)->trigger();
        QCOMPARE(f.plateforme.erreurs, {Textes::RecentAbsent().arg(QDir::toNativeSeparators(a))});
        QCOMPARE(recents().toStringList().first(), b);
        QVERIFY(!recents().toStringList().contains(a));
        dossier = f.dossier();
    }
    FenetreTest f;
    QVERIFY(!recents().toStringList().join(u' ').contains(dossier));
}

QTEST_MAIN(TstProjetFenetre)
#include "tst_projet_fenetre.moc"
