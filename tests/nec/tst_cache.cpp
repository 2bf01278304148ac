#include "ProgrammeFactice.h"
#include "nec/CacheResultats.h"
#include "nec/ExecutionNec.h"
#include "nec/Modele.h"
#include "nec/Moteur.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <limits>
#include <sys/resource.h>

using Nec::ImpedanceB;
namespace Cache = Nec::CacheResultats;

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
const std::vector<double> Frequences{7.05, 14.1};
const QByteArray Cle = QByteArray(64, 'a');

// 14.1 MHz unanswered: NaN throughout, as a run that stopped early leaves it.
const std::vector<ImpedanceB> Reponses{{7.05, {3753.25, -2634.5}, false, 1.25},
                                       {14.1, {Nan, Nan}, true, Nan}};

QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecritFichier(const QString &chemin, const QByteArray &octets, int ageMinutes = 0)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
    QVERIFY(f.flush());
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * ageMinutes),
                          QFileDevice::FileModificationTime));
}

// The entry's text with the value in place of its first occurrence.
QByteArray remplace(QByteArray t, const QByteArray &avant, const QByteArray &apres)
{
    const qsizetype i = t.lastIndexOf(avant);
    return i < 0 ? t : t.replace(i, avant.size(), apres);
}

// The engine's output without its timings, the lines that change.
QByteArray sortieSansDuree(const QByteArray &sortie)
{
    QByteArray r;
    for (const QByteArray &l : sortie.split('\n'))
        if (!l.contains(" msec"))
            r += l + '\n';
    return r;
}

} // namespace

class TstCache : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void litEntree_data();
    void litEntree();
    void entreesDouteuses_data();
    void entreesDouteuses();
    void ecritureCoupee();
    void elagage_data();
    void elagage();
    void grillesAutresMoteurs();
    void grillesControlees_data();
    void grillesControlees();

private:
    QTemporaryDir dossier_;
    std::unique_ptr<QTemporaryDir> cache_;
};

// Each case with the real cache, in a folder of its own.
void TstCache::init()
{
    cache_ = std::make_unique<QTemporaryDir>();
    QVERIFY(cache_->isValid());
    qunsetenv("KESU_SANS_CACHE");
    qputenv("KESU_CACHE", cache_->path().toLocal8Bit());
}

void TstCache::cleanup()
{
    qunsetenv("KESU_CACHE");
    qputenv("KESU_SANS_CACHE", "1");
    cache_.reset();
}

void TstCache::litEntree_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("lisible");
    const QByteArray bonne = Cache::entree(Cle, Reponses);
    QTest::newRow("good entry") << bonne << true;
    QTest::newRow("cut at a line boundary") << bonne.left(bonne.lastIndexOf('\n', -2) + 1) << false;
    QTest::newRow("cut in a line") << bonne.left(bonne.size() - 3) << false;
    QTest::newRow("one line short") << Cache::entree(Cle, {Reponses.front()}) << false;
    QTest::newRow("one line more")
        << Cache::entree(Cle, {Reponses[0], Reponses[1], Reponses[1]}) << false;
    std::vector<ImpedanceB> autresBandes = Reponses;
    autresBandes[0].frequenceMHz = 3.65;
    autresBandes[1].frequenceMHz = 28.5;
    QTest::newRow("other frequencies") << Cache::entree(Cle, autresBandes) << false;
    std::vector<ImpedanceB> permutees{Reponses[1], Reponses[0]};
    QTest::newRow("frequencies out of order") << Cache::entree(Cle, permutees) << false;
    QTest::newRow("flipped missing flag") << remplace(bonne, " 1\n", " 0\n") << false;
    QTest::newRow("other deck's key") << Cache::entree(QByteArray(64, 'b'), Reponses) << false;
    QByteArray somme = bonne;
    somme[bonne.indexOf('\n') - 1] = somme[bonne.indexOf('\n') - 1] == '0' ? '1' : '0';
    QTest::newRow("checksum mismatch") << somme << false;
    QTest::newRow("value changed") << remplace(bonne, "3753.25", "3753.26") << false;
    QTest::newRow("earlier version")
        << "kesu-resultats 1\n" + bonne.mid(bonne.indexOf('\n') + 1) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

// An entry's bytes are trusted only when whole, for this key, unchanged and
// answering exactly the deck's frequencies.
void TstCache::litEntree()
{
    QFETCH(QByteArray, octets);
    QFETCH(bool, lisible);
    const auto z = Cache::litEntree(octets, Cle, Frequences);
    QCOMPARE(z.has_value(), lisible);
    if (!z)
        return;
    QCOMPARE(z->size(), Reponses.size());
    for (std::size_t i = 0; i < z->size(); ++i) {
        QCOMPARE((*z)[i].frequenceMHz, Reponses[i].frequenceMHz);
        QCOMPARE((*z)[i].z.real(), Reponses[i].z.real());
        QCOMPARE((*z)[i].z.imag(), Reponses[i].z.imag());
        QCOMPARE((*z)[i].manquante, Reponses[i].manquante);
        QCOMPARE((*z)[i].perteFilPct, Reponses[i].perteFilPct);
    }
}

enum class Alteration { Aucune, Moitie, LigneEnMoins, AutreDeck, Drapeau, Partie };
Q_DECLARE_METATYPE(Alteration)

void TstCache::entreesDouteuses_data()
{
    QTest::addColumn<Alteration>("alteration");
    QTest::newRow("good entry") << Alteration::Aucune;
    QTest::newRow("half an entry") << Alteration::Moitie;
    QTest::newRow("cut at a line boundary") << Alteration::LigneEnMoins;
    QTest::newRow("another deck's entry") << Alteration::AutreDeck;
    QTest::newRow("flipped missing flag") << Alteration::Drapeau;
    QTest::newRow("split deck's part, one line short") << Alteration::Partie;
}

// A run with the real cache: a doubtful entry is computed again, with the
// answers a first run gave, and replaced by the right one.
void TstCache::entreesDouteuses()
{
    QFETCH(Alteration, alteration);
    const QString appels = dossier_.filePath("appels");
    QFile::remove(appels);
    const QString programme = programmeFactice(
        dossier_, "compte", "echo x >> \"$(dirname \"$0\")/appels\"; exec \"$KESU_NEC2C\" \"$@\"");
    const auto nombreAppels = [&] { return contenu(appels).count('\n'); };
    Nec::Antenne a;
    a.sol = Nec::Sol::Libre;
    const QByteArray d = Nec::deck(a, 28.5, {7.05, 14.1, 21.2});
    QByteArray deck = d;
    if (alteration == Alteration::Partie) {
        const auto parts = Nec::partage(d, 2);
        QCOMPARE(parts.size(), std::size_t(2));
        deck = parts.back();
    }
    const auto calcule = [&](const QByteArray &x) {
        return std::get<std::vector<ImpedanceB>>(
            Nec::ExecutionNec::executeBloquant(x, 2, programme));
    };
    const std::vector<ImpedanceB> premier = calcule(deck);
    QCOMPARE(nombreAppels(), 1);
    const QString entree = QDir(Cache::dossier()).filePath(Cache::cle(programme, deck));
    const QByteArray bonne = contenu(entree);
    QCOMPARE(bonne, Cache::entree(Cache::cle(programme, deck), premier));
    QByteArray alteree = bonne;
    switch (alteration) {
    case Alteration::Aucune:
        break;
    case Alteration::Moitie:
        alteree.truncate(alteree.size() / 2);
        break;
    case Alteration::LigneEnMoins:
    case Alteration::Partie:
        alteree.truncate(alteree.lastIndexOf('\n', -2) + 1);
        break;
    case Alteration::AutreDeck: {
        const QByteArray autre = Nec::deck(a, 28.5, {3.65, 10.1, 28.5});
        calcule(autre);
        QCOMPARE(nombreAppels(), 2);
        QFile::remove(appels);
        alteree = contenu(QDir(Cache::dossier()).filePath(Cache::cle(programme, autre)));
        break;
    }
    case Alteration::Drapeau:
        alteree = remplace(alteree, " 0\n", " 1\n");
        break;
    }
    ecritFichier(entree, alteree);
    const std::vector<ImpedanceB> second = calcule(deck);
    // Trusted, no run; else one more (the other deck's count was reset).
    QCOMPARE(nombreAppels(),
             alteration == Alteration::Aucune || alteration == Alteration::AutreDeck ? 1 : 2);
    QCOMPARE(second.size(), premier.size());
    for (std::size_t i = 0; i < premier.size(); ++i) {
        QCOMPARE(second[i].frequenceMHz, premier[i].frequenceMHz);
        QCOMPARE(second[i].z, premier[i].z);
        QCOMPARE(second[i].manquante, premier[i].manquante);
    }
    QCOMPARE(contenu(entree), bonne);
}

// A write cut short (here by a file size limit) leaves no entry at all.
void TstCache::ecritureCoupee()
{
    rlimit limite{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const rlimit avant = limite;
    limite.rlim_cur = 100; // the folder's mark fits, the entry does not
    const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const QByteArray deck = Nec::deck(Nec::Antenne{}, 14.1, Frequences);
    Cache::ecrit(QStringLiteral("nec2c"), deck, Reponses);
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signalAvant);
    QCOMPARE(QDir(Cache::dossier()).entryList(QDir::Files), QStringList());
    Cache::ecrit(QStringLiteral("nec2c"), deck, Reponses);
    QCOMPARE(QDir(Cache::dossier()).entryList(QDir::Files).size(), 1);
}

void TstCache::elagage_data()
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
void TstCache::elagage()
{
    QFETCH(bool, grilles);
    QFETCH(bool, dossierDuProgramme);
    const QString programme = QStringLiteral("nec2c");
    const QByteArray deck = Nec::deck(Nec::Antenne{}, 14.1, Frequences);
    const QString cache = Cache::dossier() + "/kesu";
    qputenv("KESU_CACHE", cache.toLocal8Bit());
    QString dossier = cache;
    if (!dossierDuProgramme) {
        // The user's folders, holding the user's files.
        if (grilles)
            dossier += "/grilles/" + Cache::cle(programme, {}).left(16);
        QVERIFY(QDir().mkpath(dossier));
        QVERIFY(QDir().mkpath(cache + "/grilles"));
        ecritFichier(cache + "/notes.txt", "mes notes\n");
        ecritFichier(cache + "/grilles/notes.txt", "mes notes\n");
        ecritFichier(dossier + "/notes.txt", "mes notes\n");
    } else if (grilles) {
        dossier = Cache::dossierGrilles(programme);
    } else {
        Cache::ecrit(programme, deck, Reponses);
    }
    // The program's files, older than the entry written, the newest first;
    // and others, older still. The entry written is one of the program's.
    const int max = grilles ? Cache::GrillesMax : Cache::EntreesMax;
    const int nombre = grilles ? max + 1 : max;
    const auto nom = [&](int i) {
        const QByteArray h =
            QCryptographicHash::hash(QByteArray::number(i), QCryptographicHash::Sha256).toHex();
        return QString::fromLatin1(grilles ? h.left(16) + '-' + h.mid(16, 16) : h);
    };
    const QByteArray entete = grilles ? "nec2c-kesu somnec 2 1069 x\n" : "kesu-resultats 2 x\n";
    for (int i = 0; i < nombre; ++i)
        ecritFichier(dossier + "/" + nom(i), entete, i + 10);
    const QStringList etrangers{nom(-1), "photo.jpg", nom(-2) + ".txt"};
    ecritFichier(dossier + "/" + etrangers[0], "autre chose\n", max + 20);
    ecritFichier(dossier + "/" + etrangers[1], entete, max + 20);
    ecritFichier(dossier + "/" + etrangers[2], entete, max + 20);
    if (grilles)
        QCOMPARE(Cache::dossierGrilles(programme), dossier);
    else
        Cache::ecrit(programme, deck, Reponses);
    for (const QString &e : etrangers)
        QVERIFY2(QFile::exists(dossier + "/" + e), qPrintable(e));
    QVERIFY(QFile::exists(dossier + "/" + nom(nombre - 2)));
    QCOMPARE(QFile::exists(dossier + "/" + nom(nombre - 1)), !dossierDuProgramme);
    QVERIFY(QFile::exists(dossier + "/" + Cache::cle(programme, deck)) || grilles);
    if (!dossierDuProgramme)
        for (const QString &n : {cache, cache + "/grilles", dossier})
            QCOMPARE(contenu(n + "/notes.txt"), "mes notes\n");
}

// Another engine's grids go with their folder only when the program made it
// and it holds nothing else.
void TstCache::grillesAutresMoteurs()
{
    const QString programme = QStringLiteral("nec2c");
    const QString actuel = Cache::dossierGrilles(programme);
    QVERIFY(!actuel.isEmpty());
    const QString grilles = QFileInfo(actuel).absolutePath();
    const QByteArray grille = "nec2c-kesu somnec 2 1069 x\n";
    const QString g = "/0123456789abcdef-0123456789abcdef";
    const QString marque = "/.kesu-cache";
    // Other builds' folders: the program's with only grids (one of them half
    // written), the program's with a file of the user's, one the user made.
    for (const char *d : {"ancien", "melange", "etranger"})
        QVERIFY(QDir(grilles).mkdir(d));
    QVERIFY(QFile::copy(actuel + marque, grilles + "/ancien" + marque));
    ecritFichier(grilles + "/ancien" + g, grille);
    ecritFichier(grilles + "/ancien" + g + ".123", grille);
    QVERIFY(QFile::copy(actuel + marque, grilles + "/melange" + marque));
    ecritFichier(grilles + "/melange" + g, grille);
    ecritFichier(grilles + "/melange/photo.jpg", grille);
    ecritFichier(grilles + "/etranger" + g, grille);
    // A new build of the engine: its folder is not there yet.
    QVERIFY(QDir(actuel).removeRecursively());
    QCOMPARE(Cache::dossierGrilles(programme), actuel);
    QVERIFY(QFileInfo(actuel).isDir());
    QVERIFY(!QFileInfo::exists(grilles + "/ancien"));
    for (const QString &f :
         {"/melange" + marque, "/melange" + g, QString("/melange/photo.jpg"), "/etranger" + g})
        QVERIFY2(QFileInfo::exists(grilles + f), qPrintable(f));
}

void TstCache::grillesControlees_data()
{
    QTest::addColumn<double>("hauteurM");
    QTest::newRow("10 m") << 10.0;
    QTest::newRow("4 m") << 4.0;
    QTest::newRow("2 m") << 2.0;
    QTest::newRow("0.5 m") << 0.5;
}

// The engine's kept grids give, byte for byte, the output it computes without
// them; a grid whose body changed on the disk is computed again and replaced.
void TstCache::grillesControlees()
{
    QFETCH(double, hauteurM);
    Nec::Antenne a;
    a.hauteurM = hauteurM;
    const QByteArray deck = Nec::deck(a, 14.1, {7.05, 14.1});
    QTemporaryDir travail;
    QVERIFY(travail.isValid());
    ecritFichier(travail.filePath("deck.nec"), deck);
    const QString grilles = travail.filePath("grilles");
    QVERIFY(QDir().mkpath(grilles));
    const auto lance = [&](bool avecGrilles) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (avecGrilles)
            env.insert("NEC2C_GRILLES", grilles);
        else
            env.remove("NEC2C_GRILLES");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(travail.path());
        p.start(Nec::cheminProgramme(Nec::programmeNec()), {"-i", "deck.nec", "-o", "sortie.out"});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return QByteArray("failed");
        return sortieSansDuree(contenu(travail.filePath("sortie.out")));
    };
    const auto fichiers = [&] { return QDir(grilles).entryInfoList(QDir::Files, QDir::Name); };
    const QByteArray sans = lance(false);
    QVERIFY(sans.contains("ANTENNA INPUT PARAMETERS"));
    QCOMPARE(lance(true), sans); // grids written
    const QFileInfoList l = fichiers();
    QCOMPARE(l.size(), 2); // one per frequency
    const QByteArray premiere = contenu(l.front().filePath());
    QCOMPARE(lance(true), sans); // grids read back
    QCOMPARE(contenu(l.front().filePath()), premiere);
    QByteArray abimee = premiere;
    abimee[abimee.size() / 2] = char(abimee[abimee.size() / 2] ^ 0x04);
    ecritFichier(l.front().filePath(), abimee);
    QCOMPARE(lance(true), sans);
    QCOMPARE(contenu(l.front().filePath()), premiere);
}

QTEST_GUILESS_MAIN(TstCache)
#include "tst_cache.moc"
