#include "DefautsTest.h"
#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "state/FichierBandes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <qplatformdefs.h>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using FichierBandes::Table;

namespace {

const QByteArray Defaut = Defauts::KesuIni;

Table tableDefaut()
{
    return Defauts::Table;
}

bool egales(const Table &a, const Table &b)
{
    for (int i = 0; i < NombreBandes; ++i)
        if (a[i].Bande != b[i].Bande || a[i].Frequence != b[i].Frequence)
            return false;
    return true;
}

} // namespace

class TstFichierBandes : public QObject {
    Q_OBJECT
private slots:
    void lectureAcceptee_data();
    void lectureAcceptee();
    void lectureRefusee_data();
    void lectureRefusee();
    void ecritureRelue();
    void chargeDepuisLeDossierCourant();
    void sauveRemplaceSansLaisserDeTemporaire();
    void sauveEchoueSansToucherLeFichier();
    void sauveRefuseCeQueLeFichierNeGardePas();
    void ecritJamaisSurUnFichierSpecial_data();
    void ecritJamaisSurUnFichierSpecial();
};

void TstFichierBandes::lectureAcceptee_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("ligne"); // row to check, 0-based
    QTest::addColumn<int>("bande");
    QTest::addColumn<int>("frequence");

    QTest::newRow("default file") << Defaut << 3 << 20 << 14100;
    QByteArray commentaire = Defaut;
    commentaire.replace("20 14100", "20 14100 ; vingt metres");
    QTest::newRow("from position 9 on ignored") << commentaire << 3 << 20 << 14100;
    QByteArray blancs = Defaut;
    blancs.replace("80 3650", " 9  1850");
    QTest::newRow("leading blanks in both fields") << blancs << 0 << 9 << 1850;
    QTest::newRow("ninth line ignored") << Defaut + "99 xxxxx\r\n" << 7 << 10 << 28500;
    QTest::newRow("ctrl-z after eighth line") << Defaut + "\x1a garbage" << 7 << 10 << 28500;
    QByteArray sansFin = Defaut;
    sansFin.chop(2);
    QTest::newRow("last line without line end") << sansFin << 7 << 10 << 28500;
    QByteArray crSeul = Defaut;
    crSeul.replace("\r\n", "\r");
    QTest::newRow("CR alone ends a line") << crSeul << 5 << 15 << 21200;
    QByteArray bande160 = Defaut;
    bande160.replace("80 3650", "16 1850");
    QTest::newRow("any band name") << bande160 << 0 << 16 << 1850;
    QByteArray troisChiffres = Defaut;
    troisChiffres.replace("80 3650", "160 1850");
    QTest::newRow("three-digit band read as two") << troisChiffres << 0 << 16 << 1850;
    QByteArray hexa = Defaut;
    hexa.replace("80 3650", "80 $E42");
    QTest::newRow("hexadecimal frequency") << hexa << 0 << 80 << 0xE42;
}

void TstFichierBandes::lectureAcceptee()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, ligne);
    QFETCH(int, bande);
    QFETCH(int, frequence);
    const Table t = FichierBandes::lit(contenu);
    QCOMPARE(t[ligne].Bande, bande);
    QCOMPARE(t[ligne].Frequence, frequence);
}

void TstFichierBandes::lectureRefusee_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QByteArray blancFinal = Defaut;
    blancFinal.replace("40 7050\r", "40 7050 \r");
    QTest::newRow("blank at position 8") << blancFinal;
    QByteArray lf = Defaut;
    lf.replace("\r\n", "\n");
    QTest::newRow("LF-only line ends") << lf;
    QTest::newRow("seven lines") << Defaut.left(Defaut.indexOf("10 28500"));
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("ctrl-z inside") << Defaut.left(20) + "\x1a" + Defaut.mid(20);
    QByteArray court = Defaut;
    court.replace("30 10120", "30");
    QTest::newRow("line too short") << court;
    QByteArray lettres = Defaut;
    lettres.replace("17 18100", "dix 18100");
    QTest::newRow("letters") << lettres;
}

void TstFichierBandes::lectureRefusee()
{
    QFETCH(QByteArray, contenu);
    QVERIFY_THROWS_EXCEPTION(KesuErreur, FichierBandes::lit(contenu));
}

void TstFichierBandes::ecritureRelue()
{
    QCOMPARE(FichierBandes::texte(tableDefaut()), Defaut);
    Table t = tableDefaut();
    t[0] = {1850, 9};
    t[1] = {-9999, -9};
    t[2] = {99999, 99};
    const QByteArray octets = FichierBandes::texte(t);
    QVERIFY(octets.startsWith(" 9 1850\r\n-9 -9999\r\n99 99999\r\n"));
    QVERIFY(egales(FichierBandes::lit(octets), t));
}

void TstFichierBandes::chargeDepuisLeDossierCourant()
{
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    EtatCalcul = {};
    QVERIFY_THROWS_EXCEPTION(KesuErreur, FichierBandes::charge()); // no file
#ifdef Q_OS_UNIX
    // A pipe by that name is refused at once, not waited on.
    QCOMPARE(mkfifo("Kesu.ini", 0600), 0);
    QVERIFY_THROWS_EXCEPTION(KesuErreur, FichierBandes::charge());
    QVERIFY(QFile::remove(dossier.filePath("Kesu.ini")));
#endif
    QFile f(dossier.filePath("Kesu.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Defaut);
    f.close();
    FichierBandes::charge();
    QVERIFY(egales(EtatCalcul.TableBandes, tableDefaut()));
    QDir::setCurrent(avant);
}

void TstFichierBandes::sauveRemplaceSansLaisserDeTemporaire()
{
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    QFile f(dossier.filePath("Kesu.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old content that is much longer than the new one\r\n");
    f.close();
    Table t = tableDefaut();
    t[3].Frequence = 14050;
    FichierBandes::sauve(t);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), FichierBandes::texte(t));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"Kesu.ini"});
    QDir::setCurrent(avant);
}

void TstFichierBandes::sauveEchoueSansToucherLeFichier()
{
    // A folder in place of the temporary file's folder cannot be written to,
    // even by root: make the working directory vanish under us.
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    const QString sous = dossier.filePath("parti");
    QVERIFY(QDir().mkdir(sous));
    QDir::setCurrent(sous);
    QVERIFY(QDir(sous).removeRecursively());
    try {
        FichierBandes::sauve(tableDefaut());
        QFAIL("the save should have failed");
    } catch (const KesuErreur &e) {
        QVERIFY(e.texte().contains("Kesu.ini"));
    }
    QDir::setCurrent(avant);
}

void TstFichierBandes::sauveRefuseCeQueLeFichierNeGardePas()
{
    // A band of three digits would read back as another band: nothing is
    // written, the file stays as it was, and the message names the row.
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    FichierBandes::sauve(tableDefaut());
    Table t = tableDefaut();
    t[4].Bande = 160;
    try {
        FichierBandes::sauve(t);
        QFAIL("the save should have been refused");
    } catch (const KesuErreur &e) {
        QCOMPARE(e.texte(), Textes::BandeHorsFichier()
                                .arg(5)
                                .arg(160)
                                .arg(Defauts::BandeMin)
                                .arg(Defauts::BandeMax));
    }
    const auto hors = FichierBandes::horsFichier(t);
    QVERIFY(hors && hors->ligne == 4 && !hors->frequence);
    t[4].Bande = 17;
    t[6].Frequence = 100000;
    QVERIFY(FichierBandes::horsFichier(t)->frequence);
    QFile f(dossier.filePath("Kesu.ini"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), Defaut);
    QDir::setCurrent(avant);
}

QTEST_APPLESS_MAIN(TstFichierBandes)
// A device, a named pipe, or a link to one is refused with its reason and left
// as it was: renaming a file over it (root may) would replace the node.
void TstFichierBandes::ecritJamaisSurUnFichierSpecial_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("lien");
    QTest::newRow("named pipe") << "tube" << false;
    QTest::newRow("link to a pipe") << "tube" << true;
    QTest::newRow("link to /dev/null") << "/dev/null" << true;
}

void TstFichierBandes::ecritJamaisSurUnFichierSpecial()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, nom);
    QFETCH(bool, lien);
    QTemporaryDir dossier;
    const QString cible = nom.startsWith(u'/') ? nom : dossier.filePath(nom);
    const QString chemin = lien ? dossier.filePath("lien") : cible;
    QVERIFY(cible == nom || mkfifo(QFile::encodeName(cible).constData(), 0600) == 0);
    QVERIFY(!lien || QFile::link(cible, chemin));
    QCOMPARE(EcritEnUneFois(chemin, "80 3650\r\n"), EchecEcriture::NonOrdinaire);
    QCOMPARE(RaisonEchec(EchecEcriture::NonOrdinaire, chemin, true), Textes::FichierNonOrdinaire());
    QT_STATBUF etat;
    QCOMPARE(QT_LSTAT(QFile::encodeName(chemin).constData(), &etat), 0);
    QCOMPARE(S_ISLNK(etat.st_mode), lien);
    QCOMPARE(QT_STAT(QFile::encodeName(cible).constData(), &etat), 0);
    QVERIFY(!S_ISREG(etat.st_mode));
#else
    QSKIP("named pipes and links are Unix's");
#endif
}

#include "tst_fichierbandes.moc"
