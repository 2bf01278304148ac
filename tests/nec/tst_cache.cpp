#include "nec/CacheResultats.h"
#include "nec/ExecutionNec.h"
#include "nec/Modele.h"
#include "nec/Moteur.h"
#include "nec/Parallele.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <cstring>

#include "LimiteFichier.h"

using Nec::ImpedanceB;
namespace Cache = Nec::CacheResultats;

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
const std::vector<double> Frequences{7.05, 14.1};
const QByteArray Cle(64, 'a');
// 14.1 MHz unanswered, as a run that stopped early leaves it.
const std::vector<ImpedanceB> Reponses{{7.05, {3753.25, -2634.5}, false, 1.25},
                                       {14.1, {Nan, Nan}, true, Nan}};

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Written `ageMinutes` ago.
void ecritFichier(const QString &chemin, const QByteArray &octets, int ageMinutes = 0)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.flush() ||
        !f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * ageMinutes),
                       QFileDevice::FileModificationTime))
        qFatal("cannot write %s", qPrintable(chemin));
}

} // namespace

class TstCache : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> cache_;

private slots:
    // Each case with the real cache, in a folder of its own.
    void init()
    {
        cache_ = std::make_unique<QTemporaryDir>();
        qunsetenv("KESU_SANS_CACHE");
        qputenv("KESU_CACHE", cache_->path().toLocal8Bit());
    }

    void cleanup()
    {
        qunsetenv("KESU_CACHE");
        qputenv("KESU_SANS_CACHE", "1");
    }

    void litEntree_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("lisible");
        const QByteArray bonne = Cache::entree(Cle, Reponses);
        const qsizetype somme = bonne.indexOf('\n') - 1;
        QTest::newRow("good entry") << bonne << true;
        QTest::newRow("cut at a line boundary")
            << bonne.left(bonne.lastIndexOf('\n', -2) + 1) << false;
        QTest::newRow("one line short") << Cache::entree(Cle, {Reponses[0]}) << false;
        QTest::newRow("one line more")
            << Cache::entree(Cle, {Reponses[0], Reponses[1], Reponses[1]}) << false;
        QTest::newRow("other frequencies")
            << Cache::entree(Cle, {Reponses[0], Reponses[0]}) << false;
        QTest::newRow("frequencies out of order")
            << Cache::entree(Cle, {Reponses[1], Reponses[0]}) << false;
        QTest::newRow("flipped missing flag") << QByteArray(bonne).replace(" 1\n", " 0\n") << false;
        QTest::newRow("other deck's key") << Cache::entree(QByteArray(64, 'b'), Reponses) << false;
        QTest::newRow("checksum mismatch")
            << QByteArray(bonne).replace(somme, 1, bonne[somme] == '0' ? "1" : "0") << false;
        QTest::newRow("earlier version") << "kesu-resultats 1\n" + bonne.mid(somme + 2) << false;
    }

    // An entry is trusted only when whole, for this key, unchanged and answering
    // exactly the deck's frequencies.
    void litEntree()
    {
        QFETCH(QByteArray, octets);
        QFETCH(bool, lisible);
        const auto z = Cache::litEntree(octets, Cle, Frequences);
        QCOMPARE(z.has_value(), lisible);
        // The values, NaN included, written again give the same digits.
        if (z)
            QCOMPARE(Cache::entree(Cle, *z), Cache::entree(Cle, Reponses));
    }

    void entreesDouteuses_data()
    {
        QTest::addColumn<bool>("partie");
        QTest::addColumn<bool>("autreDeck");
        QTest::addColumn<int>("lignesCoupees");
        QTest::newRow("good entry") << false << false << 0;
        QTest::newRow("cut at a line boundary") << false << false << 1;
        QTest::newRow("another deck's entry") << false << true << 0;
        QTest::newRow("split deck's part, one line short") << true << false << 1;
    }

    // Through the real cache, a doubtful entry is computed again, with the
    // answers of the first run, and replaced by the right one.
    void entreesDouteuses()
    {
        QFETCH(bool, partie);
        QFETCH(bool, autreDeck);
        QFETCH(int, lignesCoupees);
        Nec::Antenne a;
        a.sol = Nec::Sol::Libre;
        const QByteArray entier = Nec::deck(a, 28.5, {7.05, 14.1, 21.2});
        const QByteArray deck = partie ? Nec::decoupe(entier, 2).back() : entier;
        const QByteArray autre = Nec::deck(a, 28.5, {3.65, 10.1, 28.5});
        const QString programme = Nec::programmeNec();
        const auto calcule = [&](const QByteArray &d) {
            return Cache::entree({}, std::get<std::vector<ImpedanceB>>(
                                         Nec::ExecutionNec::executeBloquant(d, 2, programme)));
        };
        const auto chemin = [&](const QByteArray &d) {
            return QDir(Cache::dossier()).filePath(Cache::cle(programme, d));
        };
        const QByteArray premier = calcule(deck);
        calcule(autre);
        const QByteArray bonne = contenu(chemin(deck));
        QByteArray alteree = autreDeck ? contenu(chemin(autre)) : bonne;
        for (int i = 0; i < lignesCoupees; ++i)
            alteree.truncate(alteree.lastIndexOf('\n', -2) + 1);
        ecritFichier(chemin(deck), alteree);
        QCOMPARE(calcule(deck), premier);
        QCOMPARE(contenu(chemin(deck)), bonne);
    }

    // A write cut short (here by a file size limit) leaves no entry at all.
    void ecritureCoupee()
    {
        {
            const LimiteFichier limite(100); // the folder's mark fits, the entry does not
            Cache::ecrit("nec2c", "FR 0 1 0 0 7.05 0\n", Reponses);
        }
        QCOMPARE(QDir(Cache::dossier()).entryList(QDir::Files), QStringList());
    }

    void elagage_data()
    {
        QTest::addColumn<bool>("grilles");
        QTest::addColumn<bool>("dossierDuProgramme");
        QTest::newRow("entries, folder made by the program") << false << true;
        QTest::newRow("entries, folder of the user's") << false << false;
        QTest::newRow("grids, folder made by the program") << true << true;
        QTest::newRow("grids, folder of the user's") << true << false;
    }

    // Too many of the program's files: the oldest of them go, only in a folder
    // the program made, never a file that is not its own.
    void elagage()
    {
        QFETCH(bool, grilles);
        QFETCH(bool, dossierDuProgramme);
        const QString cache = Cache::dossier() + "/kesu";
        qputenv("KESU_CACHE", cache.toLocal8Bit());
        const QString dossier =
            grilles ? cache + "/grilles/" + Cache::cle("nec2c", {}).left(16) : cache;
        if (!dossierDuProgramme) {
            QVERIFY(QDir().mkpath(dossier));
            ecritFichier(cache + "/notes.txt", "mes notes\n");
            ecritFichier(dossier + "/notes.txt", "mes notes\n");
        }
        const auto declenche = [&] {
            if (grilles)
                QCOMPARE(Cache::dossierGrilles("nec2c"), dossier);
            else
                Cache::ecrit("nec2c", "FR 0 1 0 0 7.05 0\n", {Reponses[0]});
        };
        declenche();
        // The program's files older than the one written, then others older still.
        const int max = grilles ? Cache::GrillesMax : Cache::EntreesMax;
        const auto nom = [&](int i) {
            const QByteArray h =
                QCryptographicHash::hash(QByteArray::number(i), QCryptographicHash::Sha256).toHex();
            return dossier + '/' + (grilles ? h.left(16) + '-' + h.mid(16, 16) : h);
        };
        const QByteArray entete = grilles ? "nec2c-kesu somnec 2 1069 x\n" : "kesu-resultats 2 x\n";
        const int nombre = grilles ? max + 1 : max; // an entry was just written
        for (int i = 0; i < nombre; ++i)
            ecritFichier(nom(i), entete, i + 10);
        const QStringList etrangers{nom(-1), dossier + "/photo.jpg", nom(-2) + ".txt"};
        ecritFichier(etrangers[0], "autre chose\n", max + 20);
        ecritFichier(etrangers[1], entete, max + 20);
        ecritFichier(etrangers[2], entete, max + 20);
        declenche();
        QStringList gardes = etrangers;
        gardes << nom(nombre - 2);
        if (!dossierDuProgramme)
            gardes << cache + "/notes.txt" << dossier + "/notes.txt";
        for (const QString &g : gardes)
            QVERIFY2(QFile::exists(g), qPrintable(g));
        QCOMPARE(QFile::exists(nom(nombre - 1)), !dossierDuProgramme);
    }

    // Another engine's grids go with their folder only when the program made it
    // and it holds nothing else.
    void grillesAutresMoteurs()
    {
        const QString actuel = Cache::dossierGrilles("nec2c");
        const QString grilles = QFileInfo(actuel).absolutePath();
        const QString g = "/0123456789abcdef-0123456789abcdef", marque = "/.kesu-cache";
        // The program's with only grids (one half written), the program's with a
        // file of the user's, one the user made.
        for (const char *d : {"ancien", "melange", "etranger"})
            QVERIFY(QDir(grilles).mkdir(d));
        for (const QString &f : {"/ancien" + marque, "/melange" + marque})
            QVERIFY(QFile::copy(actuel + marque, grilles + f));
        const QStringList gardes{"/melange" + g, "/melange/photo.jpg", "/etranger" + g};
        for (const QString &f : gardes + QStringList{"/ancien" + g, "/ancien" + g + ".123"})
            ecritFichier(grilles + f, "nec2c-kesu somnec 2 1069 x\n");
        // A new build of the engine: its folder is not there yet.
        QVERIFY(QDir(actuel).removeRecursively());
        QCOMPARE(Cache::dossierGrilles("nec2c"), actuel);
        QVERIFY(QFileInfo(actuel).isDir());
        QVERIFY(!QFileInfo::exists(grilles + "/ancien"));
        for (const QString &f : gardes + QStringList{"/melange" + marque})
            QVERIFY2(QFileInfo::exists(grilles + f), qPrintable(f));
    }

    void grillesControlees_data()
    {
        QTest::addColumn<double>("hauteurM");
        for (double h : {10.0, 4.0, 2.0, 0.5})
            QTest::addRow("%g m", h) << h;
    }

    // The engine's kept grids give, byte for byte, the output it computes without
    // them, low wires included; a grid whose body changed on the disk is computed
    // again and replaced.
    void grillesControlees()
    {
        QFETCH(double, hauteurM);
        Nec::Antenne a;
        a.hauteurM = hauteurM;
        const QString grilles = cache_->filePath("g");
        QVERIFY(QDir().mkpath(grilles));
        ecritFichier(cache_->filePath("deck.nec"), Nec::deck(a, 14.1, {7.05, 14.1}));
        const auto lance = [&](bool avecGrilles) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("NEC2C_GRILLES", avecGrilles ? grilles : QString());
            p.setProcessEnvironment(env);
            p.setWorkingDirectory(cache_->path());
            p.start(Nec::cheminProgramme(Nec::programmeNec()), {"-i", "deck.nec", "-o", "sortie"});
            QByteArray r = p.waitForFinished(60000) && p.exitCode() == 0 ? "" : "failed\n";
            for (const QByteArray &l : contenu(cache_->filePath("sortie")).split('\n'))
                if (!l.contains(" msec")) // the timings, the lines that change
                    r += l + '\n';
            return r;
        };
        const QByteArray sans = lance(false);
        QVERIFY(sans.contains("ANTENNA INPUT PARAMETERS"));
        QCOMPARE(lance(true), sans); // grids written
        const QStringList l = QDir(grilles).entryList(QDir::Files);
        QCOMPARE(l.size(), 2); // one per frequency
        const QString grille = grilles + '/' + l.front();
        const QByteArray premiere = contenu(grille);
        QCOMPARE(lance(true), sans); // grids read back
        // Changed values with their checksum made anew are taken as they are:
        // the run really reads the kept grids, and its answer moves.
        QByteArray forgee = premiere;
        const qsizetype valeurs = forgee.indexOf('\n') + 1 + 16; // past the dielectric constant
        for (qsizetype o = valeurs; o < forgee.size() - 17; o += 8) {
            double v;
            std::memcpy(&v, forgee.constData() + o, 8);
            v *= 2;
            std::memcpy(forgee.data() + o, &v, 8);
        }
        const qsizetype somme = forgee.size() - 17;
        std::uint64_t h = 0xcbf29ce484222325ULL; // FNV-1a over all that comes before
        for (qsizetype i = 0; i < somme; ++i)
            h = (h ^ static_cast<unsigned char>(forgee[i])) * 0x100000001b3ULL;
        forgee.replace(somme, 16, QByteArray::number(qulonglong(h), 16).rightJustified(16, '0'));
        for (const QString &f : l)
            ecritFichier(grilles + '/' + f, f == l.front() ? forgee : contenu(grilles + '/' + f));
        QVERIFY(lance(true) != sans);
        QCOMPARE(contenu(grille), forgee);
        QByteArray abimee = premiere;
        abimee[abimee.size() / 2] = char(abimee[abimee.size() / 2] ^ 0x04);
        ecritFichier(grille, abimee);
        QCOMPARE(lance(true), sans);
        QCOMPARE(contenu(grille), premiere);
    }

    // A deck asking for patterns is computed each time: an entry keeps the
    // impedances only, and a pattern answered from it would be lost.
    void diagrammesHorsCache()
    {
        Nec::Antenne a;
        a.sol = Nec::Sol::Libre;
        const QByteArray deck =
            Nec::deck(a, 14.1, {14.1}).replace("XQ\n", "XQ\nRP 0 91 2 1000 0 0 1 90\n");
        for (int fois = 0; fois < 2; ++fois) {
            const auto z = std::get<std::vector<ImpedanceB>>(
                Nec::ExecutionNec::executeBloquant(deck, 1, Nec::programmeNec()));
            QVERIFY(z.front().diagramme && z.front().diagramme->points.size() == 182);
        }
        QVERIFY(!QFileInfo::exists(
            QDir(Cache::dossier()).filePath(Cache::cle(Nec::programmeNec(), deck))));
    }

    // The same engine rebuilt (its file changed, its path kept) answers again:
    // what the old one kept is not its answer.
    void moteurRefait()
    {
        const QString moteur = cache_->filePath("nec2c-copie");
        QVERIFY(QFile::copy(Nec::cheminProgramme(Nec::programmeNec()), moteur));
        const QByteArray deck = "FR 0 1 0 0 7.05 0\nXQ\n";
        Cache::ecrit(moteur, deck, {Reponses[0]});
        QVERIFY(Cache::lit(moteur, deck));
        QFile f(moteur);
        QVERIFY(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                              QFileDevice::FileModificationTime));
        f.close();
        QVERIFY(!Cache::lit(moteur, deck));
    }
};

QTEST_GUILESS_MAIN(TstCache)
#include "tst_cache.moc"
