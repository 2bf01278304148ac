#include "ProgrammeFactice.h"
#include "Stockes.h"
#include "nec/ExecutionNec.h"
#include "nec/Modele.h"
#include "nec/Nombres.h"
#include "nec/Parallele.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>

using Nec::ImpedanceB;

namespace {

// The free-space dipole of total length L at f, thin copper wire: its feed
// impedance, the resistance that radiates (the wire's loss taken off).
std::complex<double> dipole(double longueurM, double frequenceMHz)
{
    Nec::Antenne a;
    a.brancheCm = longueurM * 50;
    a.diametreMm = 0.2;
    a.sol = Nec::Sol::Libre;
    const auto bilan =
        Nec::ExecutionNec::executeBloquant(Nec::deck(a, frequenceMHz, {frequenceMHz}), 1);
    const auto *z = std::get_if<std::vector<ImpedanceB>>(&bilan);
    if (!z)
        qFatal("nec2c: %s", qPrintable(std::get<QString>(bilan)));
    const ImpedanceB &b = z->front();
    return {b.z.real() * (1 - b.perteFilPct / 100), b.z.imag()};
}

// How many of these processes still run: gone, or a zombie no one reaped yet, one is dead.
int vivants(const QList<QByteArray> &pids)
{
    int n = 0;
    for (const QByteArray &pid : pids) {
        QFile f("/proc/" + pid + "/stat");
        const QByteArray s = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        const auto i = s.lastIndexOf(')');
        n += i >= 0 && i + 2 < s.size() && s[i + 2] != 'Z' && s[i + 2] != 'X';
    }
    return n;
}

QList<QByteArray> pidsDe(const QString &fichier)
{
    QFile f(fichier);
    const QByteArray t = f.open(QIODevice::ReadOnly) ? f.readAll().simplified() : QByteArray();
    return t.isEmpty() ? QList<QByteArray>() : t.split(' ');
}

// A stand-in that starts a process of its own and waits for it: both pids
// are added to `fichier`.
QString avecEnfant(const QTemporaryDir &dossier, const QString &nom, const QString &fichier)
{
    const QByteArray f = "'" + fichier.toLocal8Bit() + "'";
    return programmeFactice(dossier, nom,
                            "echo $$ >> " + f + "; sleep 1000 & echo $! >> " + f + "; wait");
}

// The most memory the process held since the last call, in kB.
// A line of /proc/self/status in kB ("VmHWM:", the peak; "VmRSS:", now).
qint64 memoireProcessus(const QByteArray &champ)
{
    QFile f("/proc/self/status");
    const QByteArray s = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    const auto i = s.indexOf(champ);
    const qsizetype d = i + champ.size();
    return i < 0 ? 0 : s.mid(d, s.indexOf('\n', i) - d).trimmed().split(' ')[0].toLongLong();
}

// Present only in a program linked with AddressSanitizer's runtime.
extern "C" void __asan_init() __attribute__((weak));

// The peak since the last call, in kB.
qint64 memoireCrete()
{
    const qint64 crete = memoireProcessus("VmHWM:");
    QFile r("/proc/self/clear_refs");
    if (r.open(QIODevice::WriteOnly))
        r.write("5"); // the peak starts again from here
    return crete;
}

} // namespace

class TstExecutionNec : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dipoleDemiOnde();
    void pannes_data();
    void pannes();
    void delaiAvantArret();
    void reponses_data();
    void reponses();
    void annulation();
    void interruption_data();
    void interruption();
    void memoire();
    void groupe_data();
    void groupe();
    void erreursBornees();
    void lisible_data();
    void lisible();
    void confiance_data();
    void confiance();
    void cache_data();
    void cache();
    void grillesSol();
    void decoupe_data();
    void decoupe();
    void runEchoue_data();
    void runEchoue();
    void arretDesRuns_data();
    void arretDesRuns();

private:
    QTemporaryDir dossier_;
};

void TstExecutionNec::initTestCase()
{
    QVERIFY(dossier_.isValid());
    // The stand-ins answer no check deck: allowed over a ground, and judged
    // in little time, save where a test says otherwise.
    Nec::accepteMoteurNonVerifie(true);
    Nec::fixeDelaiControleMs(2000);
}

// Where its reactance crosses zero, a thin half-wave dipole in free space has
// a feed resistance near 73 ohms, and is a little shorter than half a
// wavelength.
void TstExecutionNec::dipoleDemiOnde()
{
    const double f = 14.0;
    const double demiOnde = Nec::VitesseLumiere / (f * 1e6) / 2;
    double avant = 0.90 * demiOnde;
    std::complex<double> zAvant = dipole(avant, f);
    QCOMPARE_LT(zAvant.imag(), 0);
    double resonance = 0;
    double r = 0;
    for (double k = 0.91; k <= 1.001; k += 0.01) {
        const double l = k * demiOnde;
        const auto z = dipole(l, f);
        if (z.imag() >= 0) {
            const double t = -zAvant.imag() / (z.imag() - zAvant.imag());
            resonance = avant + t * (l - avant);
            r = zAvant.real() + t * (z.real() - zAvant.real());
            break;
        }
        avant = l;
        zAvant = z;
    }
    QVERIFY2(resonance > 0, "no zero crossing below half a wavelength");
    QCOMPARE_GT(resonance, 0.93 * demiOnde);
    QCOMPARE_LT(resonance, 0.99 * demiOnde);
    QCOMPARE_GT(r, 65.0);
    QCOMPARE_LT(r, 75.0);
}

void TstExecutionNec::pannes_data()
{
    QTest::addColumn<QString>("programme");
    QTest::addColumn<int>("delaiMs");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "nec2c-absent-de-ce-systeme" << 30000 << Textes::NecIntrouvable();
    QTest::newRow("non-zero exit")
        << programmeFactice(dossier_, "echec", "exit 3") << 30000 << Textes::NecCodeRetour().arg(3);
    // nec2c's own reason, from its error stream or else its output's last line.
    QTest::newRow("refusal on the error stream")
        << programmeFactice(dossier_, "refus", "echo '  nec2c:  out of memory' >&2; exit 1")
        << 30000 << Textes::NecRaison().arg(1).arg("nec2c: out of memory");
    QTest::newRow("refusal in the output")
        << programmeFactice(dossier_, "refus2",
                            "printf 'NEC\\n\\n  SEGMENT DATA ERROR \\n\\n' > \"$4\"; exit 255")
        << 30000 << Textes::NecRaison().arg(255).arg("SEGMENT DATA ERROR");
    QTest::newRow("crash") << programmeFactice(dossier_, "plantage", "kill -SEGV $$") << 30000
                           << Textes::NecArret();
    QTest::newRow("time-out") << programmeFactice(dossier_, "lent", "exec sleep 20") << 300
                              << Textes::NecDelai().arg("0.3");
    QTest::newRow("unreadable output")
        << programmeFactice(dossier_, "illisible", "echo 'FREQUENCY : 3.65 MHz' > \"$4\"") << 30000
        << Textes::NecSortieIllisible();
    // The engine's words reach a terminal: nothing there it would obey.
    QTest::newRow("escape on the error stream")
        << programmeFactice(dossier_, "echappe",
                            "printf 'panne \\033]0;titre\\007 fin\\n' >&2; exit 4")
        << 30000
        << Textes::NecRaison().arg(4).arg(QStringLiteral("panne \uFFFD]0;titre\uFFFD fin"));
    QTest::newRow("output past its bound")
        << programmeFactice(dossier_, "enorme", "truncate -s 300M \"$4\"") << 30000
        << Textes::NecSortieTropGrande().arg(256);
    QTest::newRow("no output at all")
        << programmeFactice(dossier_, "muet", "exit 0") << 30000 << Textes::NecSortieIllisible();
}

// Both ways of running give the same one message for each failure.
void TstExecutionNec::pannes()
{
    QFETCH(QString, programme);
    QFETCH(int, delaiMs);
    QFETCH(QString, message);
    Nec::Antenne a;
    const QByteArray d = Nec::deck(a, 7.05, {3.65, 7.05});
    QElapsedTimer chrono;
    chrono.start();
    const auto bilan = Nec::ExecutionNec::executeBloquant(d, 2, programme, delaiMs / 1000.0);
    QCOMPARE(std::get<QString>(bilan), message);
    QCOMPARE_LT(chrono.elapsed(), 5000);

    Nec::ExecutionNec execution;
    execution.programme = programme;
    execution.delaiMs = delaiMs;
    QSignalSpy termine(&execution, &Nec::ExecutionNec::termine);
    QSignalSpy echec(&execution, &Nec::ExecutionNec::echec);
    execution.lance(d, 2);
    QTRY_COMPARE_WITH_TIMEOUT(echec.size(), 1, 5000);
    QCOMPARE(echec.first().first().toString(), message);
    QCOMPARE(termine.size(), 0);
    QVERIFY(!execution.enCours());
}

// A killed nec2c also ends with a crash status: the time-out is what it says.
void TstExecutionNec::delaiAvantArret()
{
    Nec::FinExecution fin;
    fin.delaiDepasse = true;
    fin.statut = QProcess::CrashExit;
    fin.code = 9;
    fin.delaiS = 30;
    fin.frequencesDemandees = {3.65};
    QCOMPARE(std::get<QString>(Nec::interprete(fin)), Textes::NecDelai().arg("30"));
}

void TstExecutionNec::reponses_data()
{
    QTest::addColumn<QByteArray>("sortie");
    QTest::addColumn<QList<double>>("demandees");
    QTest::addColumn<QString>("message"); // empty: accepted
    const QByteArray s = stocke("defaut.out");
    const QList<double> t{3.65, 7.05, 10.12, 14.1, 18.1, 21.2, 24.94, 28.5};
    const QByteArray zB = "5.8584E+01  7.9413E+01"; // 80 m
    QTest::newRow("as asked") << s << t << QString();
    QTest::newRow("answer at 99 MHz") << QByteArray(s).replace("2.8500E+01 MHz", "9.9000E+01 MHz")
                                      << t << Textes::NecFrequenceInattendue().arg("99", "28.5");
    // Read as they come: whether a band can use them is judged band by band.
    QTest::newRow("negative resistance")
        << QByteArray(s).replace(zB, "-1.1000E+12  7.9413E+01") << t << QString();
    QTest::newRow("infinite resistance")
        << QByteArray(s).replace(zB, "INF  7.9413E+01") << t << QString();
    QTest::newRow("one answer more") << s << t.mid(1) << Textes::NecSortieIllisible();
    // An output that stops early: the last frequencies are marked unanswered.
    QTest::newRow("one answer missing") << s << t + QList<double>{29.6} << QString();
}

// Each answer is checked against its question: one per frequency asked, at
// that frequency, and physical.
void TstExecutionNec::reponses()
{
    QFETCH(QByteArray, sortie);
    QFETCH(QList<double>, demandees);
    QFETCH(QString, message);
    Nec::FinExecution fin;
    fin.sortie = sortie;
    fin.frequencesDemandees.assign(demandees.begin(), demandees.end());
    const Nec::Bilan bilan = Nec::interprete(fin);
    if (message.isEmpty()) {
        const auto &z = std::get<std::vector<ImpedanceB>>(bilan);
        QCOMPARE(z.size(), std::size_t(demandees.size()));
        QCOMPARE(z.back().manquante, demandees.size() > 8);
    } else
        QCOMPARE(std::get<QString>(bilan), message);
}

// Cancelling ends the process at once and reports nothing.
void TstExecutionNec::annulation()
{
    Nec::ExecutionNec execution;
    execution.programme = programmeFactice(dossier_, "ecrit-pid",
                                           "echo $$ > \"$(dirname \"$0\")/pid\"; exec sleep 20");
    // Judged first, so that the pid read is the run's, not the engine check's.
    Nec::verdictMoteur(execution.programme);
    QFile::remove(dossier_.filePath("pid"));
    QSignalSpy termine(&execution, &Nec::ExecutionNec::termine);
    QSignalSpy echec(&execution, &Nec::ExecutionNec::echec);
    execution.lance(Nec::deck(Nec::Antenne{}, 7.05, {7.05}), 1);
    QVERIFY(execution.enCours());
    QTRY_VERIFY(QFile::exists(dossier_.filePath("pid")));
    QTest::qWait(100);
    QFile f(dossier_.filePath("pid"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray pid = f.readAll().trimmed();
    execution.annule();
    QVERIFY(!execution.enCours());
    QTest::qWait(200);
    QCOMPARE(termine.size() + echec.size(), 0);
    // The stand-in was killed and reaped: its process is gone.
    QVERIFY(!QFile::exists("/proc/" + pid));
}

void TstExecutionNec::interruption_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
    // No cleanup of its own: the engine's watcher ends the group and removes the folder.
    QTest::newRow("SIGKILL") << SIGKILL;
}

// A signal during a blocking run stops nec2c and what it started, removes
// the run's folder and then ends the program as the signal would.
void TstExecutionNec::interruption()
{
    QFETCH(int, signal);
    const QString nom = QStringLiteral("pid%1").arg(signal);
    const QString fichierPid = dossier_.filePath(nom);
    const QString programme = avecEnfant(dossier_, "interrompu" + nom, fichierPid);
    const QString temporaire = dossier_.filePath("tmp" + nom);
    QVERIFY(QDir().mkpath(temporaire));
    QProcess aide;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", temporaire);
    aide.setProcessEnvironment(env);
    aide.start(QCoreApplication::applicationDirPath() +
                   QStringLiteral("/" KESU_EXECUTION_INTERROMPUE),
               {programme});
    QTRY_COMPARE_WITH_TIMEOUT(pidsDe(fichierPid).size(), 2, 10000);
    ::kill(static_cast<pid_t>(aide.processId()), signal);
    QVERIFY(aide.waitForFinished(5000));
    QCOMPARE(aide.exitStatus(), QProcess::CrashExit);
    // Generous: on a loaded machine the watcher may wait for a core.
    QTRY_COMPARE_WITH_TIMEOUT(vivants(pidsDe(fichierPid)), 0, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(QDir(temporaire).isEmpty(), 15000);
}

// Identical inputs do not run nec2c again.
void TstExecutionNec::memoire()
{
    Nec::ExecutionNec execution;
    QSignalSpy termine(&execution, &Nec::ExecutionNec::termine);
    const QByteArray d = Nec::deck(Nec::Antenne{}, 14.1, {3.65, 14.1});
    execution.lance(d, 2);
    QTRY_COMPARE_WITH_TIMEOUT(termine.size(), 1, 10000);
    QCOMPARE(execution.executions(), 1);
    const auto premiere = termine.first().first().value<std::vector<ImpedanceB>>();
    QCOMPARE(premiere.size(), std::size_t(2));
    execution.lance(d, 2);
    QCOMPARE(termine.size(), 2); // answered before lance returns
    QCOMPARE(execution.executions(), 1);
    const auto seconde = termine.last().first().value<std::vector<ImpedanceB>>();
    QCOMPARE(seconde.front().z, premiere.front().z);
    Nec::Antenne autre;
    autre.hauteurM = 12;
    execution.lance(Nec::deck(autre, 14.1, {3.65, 14.1}), 2);
    QTRY_COMPARE_WITH_TIMEOUT(termine.size(), 3, 10000);
    QCOMPARE(execution.executions(), 2);
}

// The answers kept between runs: the same deck given to the same engine runs
// it once; an entry cut short is computed again; a cache that cannot be
// written only loses the keeping.
void TstExecutionNec::cache_data()
{
    QTest::addColumn<int>("taches");
    QTest::newRow("one run") << 1;
    QTest::newRow("two runs") << 2;
}

void TstExecutionNec::cache()
{
    QFETCH(int, taches);
    Nec::fixeTaches(taches);
    QTemporaryDir cache;
    qunsetenv("KESU_SANS_CACHE");
    qputenv("KESU_CACHE", cache.path().toLocal8Bit());
    const QString appels = dossier_.filePath("appels");
    QFile::remove(appels);
    const QString programme = programmeFactice(
        dossier_, "compte", "echo x >> \"$(dirname \"$0\")/appels\"; exec \"$KESU_NEC2C\" \"$@\"");
    const auto nombreAppels = [&] {
        QFile f(appels);
        return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
    };
    Nec::Antenne a;
    a.sol = Nec::Sol::Libre;
    const QByteArray d = Nec::deck(a, 28.5, {7.05, 14.1});
    const auto calcule = [&] {
        const auto b = Nec::ExecutionNec::executeBloquant(d, 2, programme);
        return std::get<std::vector<ImpedanceB>>(b);
    };
    // Each computation is `taches` runs of the engine; the deck kept whole.
    const std::vector<ImpedanceB> premier = calcule();
    QCOMPARE(nombreAppels(), taches);
    // Kept whole: found again whatever the number of runs now.
    Nec::fixeTaches(3 - taches);
    const std::vector<ImpedanceB> garde = calcule();
    Nec::fixeTaches(taches);
    QCOMPARE(nombreAppels(), taches);
    QCOMPARE(garde.size(), premier.size());
    for (std::size_t i = 0; i < premier.size(); ++i) {
        QCOMPARE(garde[i].z, premier[i].z);
        QCOMPARE(garde[i].perteFilPct, premier[i].perteFilPct);
    }
    const QStringList entrees = QDir(cache.path()).entryList(QDir::Files);
    QCOMPARE(entrees.size(), 1);
    QFile entree(QDir(cache.path()).filePath(entrees.front()));
    QVERIFY(entree.resize(entree.size() / 2));
    QCOMPARE(calcule().front().z, premier.front().z);
    QCOMPARE(nombreAppels(), 2 * taches);
    // A cache folder that cannot be made: the computation is all the same.
    qputenv("KESU_CACHE", (appels + "/cache").toLocal8Bit());
    QCOMPARE(calcule().front().z, premier.front().z);
    QCOMPARE(nombreAppels(), 3 * taches);
    qunsetenv("KESU_CACHE");
    qputenv("KESU_SANS_CACHE", "1");
    Nec::fixeTaches(0);
}

// The engine's ground grids kept between runs give, bit for bit, what it
// computes without them; a grid cut short is computed again and made whole.
void TstExecutionNec::grillesSol()
{
    Nec::Antenne a; // average ground, 10 m high
    const QByteArray d = Nec::deck(a, 14.1, {7.05, 14.1});
    const auto calcule = [&] {
        return std::get<std::vector<ImpedanceB>>(
            Nec::ExecutionNec::executeBloquant(d, 2, Nec::programmeNec()));
    };
    const std::vector<ImpedanceB> sans = calcule();
    QTemporaryDir cache;
    qunsetenv("KESU_SANS_CACHE");
    qputenv("KESU_CACHE", cache.path().toLocal8Bit());
    const auto grilles = [&] {
        QDirIterator i(cache.path() + "/grilles", QDir::Files, QDirIterator::Subdirectories);
        QFileInfoList l;
        while (i.hasNext())
            l << QFileInfo(i.next());
        return l;
    };
    const auto oublieReponses = [&] {
        for (const QFileInfo &f : QDir(cache.path()).entryInfoList(QDir::Files))
            QFile::remove(f.filePath());
    };
    for (int tour = 0; tour < 3; ++tour) {
        const std::vector<ImpedanceB> avec = calcule();
        QCOMPARE(avec.size(), sans.size());
        for (std::size_t i = 0; i < sans.size(); ++i)
            QCOMPARE(avec[i].z, sans[i].z);
        QFileInfoList l = grilles();
        QCOMPARE(l.size(), 2); // one per frequency
        QCOMPARE(l.front().size(), l.back().size());
        oublieReponses();
        if (tour == 1)
            QVERIFY(QFile(l.front().filePath()).resize(l.front().size() / 3));
    }
    qunsetenv("KESU_CACHE");
    qputenv("KESU_SANS_CACHE", "1");
}

void TstExecutionNec::groupe_data()
{
    QTest::addColumn<QString>("facon");
    for (const char *f : {"annulation", "delai-bloquant", "delai-plusieurs", "controle"})
        QTest::newRow(f) << QString::fromLatin1(f);
}

// However a run ends early, the engine goes with every process it started,
// and the run's folder with them.
void TstExecutionNec::groupe()
{
    QFETCH(QString, facon);
    QTemporaryDir temporaire;
    qputenv("TMPDIR", temporaire.path().toLocal8Bit());
    const QString fichier = dossier_.filePath("pids-" + facon);
    const QString programme = avecEnfant(dossier_, "groupe-" + facon, fichier);
    Nec::Antenne a;
    a.sol = Nec::Sol::Libre; // no check deck before the run
    const QByteArray d = Nec::deck(a, 7.05, {7.05});
    int attendus = 2;
    if (facon == "annulation") {
        Nec::ExecutionNec execution;
        execution.programme = programme;
        execution.lance(d, 1);
        QTRY_COMPARE_WITH_TIMEOUT(pidsDe(fichier).size(), 2, 10000);
        execution.annule();
    } else if (facon == "delai-bloquant") {
        QCOMPARE(std::get<QString>(Nec::ExecutionNec::executeBloquant(d, 1, programme, 1)),
                 Textes::NecDelai().arg("1"));
    } else if (facon == "delai-plusieurs") {
        const auto b =
            Nec::ExecutionNec::executeBloquants({d, Nec::deck(a, 14.1, {14.1})}, 2, programme, 1.5);
        QCOMPARE(std::get<QString>(b), Textes::NecDelai().arg("1.5"));
        attendus = 4;
    } else {
        Nec::fixeDelaiControleMs(1000);
        QCOMPARE(Nec::verdictMoteur(programme).etat, Nec::EtatMoteur::NonVerifie);
        Nec::fixeDelaiControleMs(2000);
    }
    qunsetenv("TMPDIR");
    QCOMPARE(pidsDe(fichier).size(), attendus);
    QTRY_COMPARE_WITH_TIMEOUT(vivants(pidsDe(fichier)), 0, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(QDir(temporaire.path()).isEmpty(), 5000);
}

// An engine that writes without end on its error stream costs no memory: its
// last line is the reason given, as it would be from a short stream.
void TstExecutionNec::erreursBornees()
{
    const QString programme = programmeFactice(
        dossier_, "bavard",
        "head -c 50000000 /dev/zero | tr '\\000' e >&2; printf '\\nvraie raison\\n' >&2; exit 2");
    Nec::Antenne a;
    a.sol = Nec::Sol::Libre;
    // What the run adds to the memory the earlier tests left in use.
    memoireCrete();
    const qint64 avant = memoireProcessus("VmRSS:");
    QCOMPARE(std::get<QString>(
                 Nec::ExecutionNec::executeBloquant(Nec::deck(a, 7.05, {7.05}), 1, programme)),
             Textes::NecRaison().arg(2).arg("vraie raison"));
    // AddressSanitizer keeps every freed block aside (its quarantine, 256 MB)
    // rather than reuse it: the plain rounds measure the memory. The tests'
    // code is compiled once, without it: its runtime is looked for instead.
    if (!&__asan_init)
        QCOMPARE_LT(memoireCrete() - avant, 16 * 1024);
}

void TstExecutionNec::lisible_data()
{
    const QString r(QChar::ReplacementCharacter);
    QTest::addColumn<QByteArray>("erreurs");
    QTest::addColumn<QString>("raison");
    QTest::newRow("NUL and DEL") << QByteArray("a\0b\x7f", 4) << "a" + r + "b" + r;
    QTest::newRow("invalid UTF-8") << QByteArray("a\xff\xfe b") << "a" + r + r + " b";
    QTest::newRow("C1 control, bidi override")
        << QByteArray("x\xc2\x9by\xe2\x80\xaez") << "x" + r + "y" + r + "z";
    QTest::newRow("French kept") << QByteArray("mémoire épuisée") << "mémoire épuisée";
    // A character of two UTF-16 units is not cut in half.
    QTest::newRow("cut before a pair")
        << QByteArray(199, 'x') + "\xf0\x9f\x93\xbb" << QString(199, u'x');
}

// The engine's reason as shown in the window and printed to a terminal.
void TstExecutionNec::lisible()
{
    QFETCH(QByteArray, erreurs);
    QFETCH(QString, raison);
    Nec::FinExecution fin;
    fin.code = 1;
    fin.erreurs = erreurs;
    QCOMPARE(std::get<QString>(Nec::interprete(fin)), Textes::NecRaison().arg(1).arg(raison));
}

void TstExecutionNec::confiance_data()
{
    QTest::addColumn<bool>("sol");
    QTest::addColumn<bool>("lent");
    QTest::addColumn<bool>("accepte");
    QTest::newRow("ground, check too slow: refused") << true << true << false;
    QTest::newRow("ground, check too slow, allowed") << true << true << true;
    QTest::newRow("free space, check too slow") << false << true << false;
    QTest::newRow("ground, check in time") << true << false << false;
}

// An engine the check could not judge may be Debian's: over a real ground it
// is refused unless allowed; in free space it runs.
void TstExecutionNec::confiance()
{
    QFETCH(bool, sol);
    QFETCH(bool, lent);
    QFETCH(bool, accepte);
    // The real engine behind it, its check decks late or not.
    const QString programme = programmeFactice(
        dossier_, "confiance-" + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'),
        QByteArray(lent ? "[ \"$2\" = controle.nec ] && sleep 1\n" : "") +
            "exec \"$KESU_NEC2C\" \"$@\"");
    Nec::fixeDelaiControleMs(500);
    Nec::accepteMoteurNonVerifie(accepte);
    Nec::Antenne a;
    if (!sol)
        a.sol = Nec::Sol::Libre;
    const QByteArray d = Nec::deck(a, 14.1, {14.1});
    const auto bilan = Nec::ExecutionNec::executeBloquant(d, 1, programme);
    const Nec::EtatMoteur etat = Nec::verdictMoteur(programme).etat;
    Nec::fixeDelaiControleMs(2000);
    Nec::accepteMoteurNonVerifie(true);
    QCOMPARE(etat, lent ? Nec::EtatMoteur::NonVerifie : Nec::EtatMoteur::Sain);
    if (sol && lent && !accepte)
        QCOMPARE(std::get<QString>(bilan), Textes::MoteurNonVerifieRefuse().arg(programme));
    else
        QCOMPARE(std::get<std::vector<ImpedanceB>>(bilan).size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(TstExecutionNec)
#include "tst_execution_nec.moc"

void TstExecutionNec::decoupe_data()
{
    QTest::addColumn<QByteArray>("deck");
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<QByteArray>>("parts");
    const QByteArray tete = "CM K\nCE\nGW 1 1 0 0 0 1 0 0.001\nGE 0\nEX 0 1 1 0 1 0\n";
    const QByteArray f1 = "FR 0 1 0 0 3.5 0\nXQ\n";
    const QByteArray f2 = "FR 0 1 0 0 7 0\nRP 0 1 1 1000 0 0 1 1\nRP 0 2 2 1000 0 0 1 1\n";
    const QByteArray f3 = "FR 0 1 0 0 14 0\nXQ\nRP 0 1 1 1000 0 0 1 1\n";
    const QByteArray deck = tete + f1 + f2 + f3 + "EN\n";
    QTest::newRow("one run") << deck << 1 << QList<QByteArray>{deck};
    QTest::newRow("none asked") << deck << 0 << QList<QByteArray>{deck};
    QTest::newRow("two runs") << deck << 2
                              << QList<QByteArray>{tete + f1 + "EN\n", tete + f2 + f3 + "EN\n"};
    const QList<QByteArray> trois{tete + f1 + "EN\n", tete + f2 + "EN\n", tete + f3 + "EN\n"};
    QTest::newRow("three runs") << deck << 3 << trois;
    QTest::newRow("more runs than frequencies") << deck << 5 << trois;
    const QByteArray seule = tete + f2 + "EN\n";
    QTest::newRow("one frequency") << seule << 4 << QList<QByteArray>{seule};
}

// Each part holds the antenna's cards, then its frequencies each with the
// cards that follow its FR (XQ, RP), in the deck's order.
void TstExecutionNec::decoupe()
{
    QFETCH(QByteArray, deck);
    QFETCH(int, n);
    QFETCH(QList<QByteArray>, parts);
    const std::vector<QByteArray> d = Nec::decoupe(deck, n);
    QCOMPARE(QList<QByteArray>(d.begin(), d.end()), parts);
}

void TstExecutionNec::runEchoue_data()
{
    QTest::addColumn<QList<double>>("frequences");
    QTest::addColumn<QList<int>>("manquantes"); // their places in the answers
    QTest::addColumn<QString>("message");       // when every run failed
    QTest::newRow("one run of three")
        << QList<double>{3.65, 7.05, 14.1} << QList<int>{1} << QString();
    QTest::newRow("two of three, alike")
        << QList<double>{7.05, 14.1, 7.05} << QList<int>{0, 2} << QString();
    QTest::newRow("every run, alike")
        << QList<double>{7.05, 7.05} << QList<int>{} << Textes::NecCodeRetour().arg(3);
}

// A run that fails leaves only its frequencies without an answer; the others
// are the engine's, bit for bit those of one run over the whole deck.
void TstExecutionNec::runEchoue()
{
    QFETCH(QList<double>, frequences);
    QFETCH(QList<int>, manquantes);
    QFETCH(QString, message);
    const QString programme = programmeFactice(
        dossier_, "refuse-7",
        "grep -q 'FR 0 1 0 0 7.05 ' kesu.nec && exit 3; exec \"$KESU_NEC2C\" \"$@\"");
    Nec::Antenne a;
    a.sol = Nec::Sol::Libre;
    const std::vector<double> f(frequences.begin(), frequences.end());
    const QByteArray d = Nec::deck(a, 28.5, f);
    Nec::fixeTaches(1);
    const auto temoin = std::get<std::vector<ImpedanceB>>(Nec::ExecutionNec::executeBloquant(
        Nec::deck(a, 28.5, {3.65, 14.1}), 2, Nec::programmeNec()));
    Nec::fixeTaches(3);
    const auto verifie = [&](const Nec::Bilan &bilan) {
        if (!message.isEmpty()) {
            QCOMPARE(std::get<QString>(bilan), message);
            return;
        }
        const auto &z = std::get<std::vector<ImpedanceB>>(bilan);
        QCOMPARE(z.size(), f.size());
        for (std::size_t i = 0; i < z.size(); ++i) {
            QCOMPARE(z[i].frequenceMHz, f[i]);
            QCOMPARE(z[i].manquante, manquantes.contains(int(i)));
            if (!z[i].manquante)
                QCOMPARE(z[i].z, temoin[f[i] == 3.65 ? 0 : 1].z);
        }
    };
    verifie(Nec::ExecutionNec::executeBloquant(d, int(f.size()), programme));
    Nec::ExecutionNec execution;
    execution.programme = programme;
    QSignalSpy termine(&execution, &Nec::ExecutionNec::termine);
    QSignalSpy echec(&execution, &Nec::ExecutionNec::echec);
    QSignalSpy progression(&execution, &Nec::ExecutionNec::progression);
    execution.lance(d, int(f.size()));
    QTRY_COMPARE_WITH_TIMEOUT(termine.size() + echec.size(), 1, 10000);
    Nec::fixeTaches(0);
    if (echec.size())
        verifie(echec.first().first().toString());
    else
        verifie(termine.first().first().value<std::vector<ImpedanceB>>());
    // Counted in frequencies across the runs, to the whole.
    QCOMPARE(progression.last(), (QList<QVariant>{int(f.size()), int(f.size())}));
    for (const QList<QVariant> &p : progression)
        QCOMPARE_LE(p.first().toInt(), int(f.size()));
}

void TstExecutionNec::arretDesRuns_data()
{
    QTest::addColumn<int>("delaiMs"); // 0: cancelled
    QTest::addColumn<bool>("fenetre");
    QTest::newRow("window, cancelled") << 0 << true;
    QTest::newRow("window, time limit") << 300 << true;
    QTest::newRow("command line, time limit") << 300 << false;
}

// Three runs at once, stopped: every engine killed, every folder removed.
void TstExecutionNec::arretDesRuns()
{
    QFETCH(int, delaiMs);
    QFETCH(bool, fenetre);
    const QString fichierPid = dossier_.filePath("pids-taches");
    const QString programme = programmeFactice(
        dossier_, "dort", "echo $$ >> '" + fichierPid.toLocal8Bit() + "'; exec sleep 20");
    Nec::verdictMoteur(programme);
    QFile::remove(fichierPid);
    QTemporaryDir temporaire;
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", temporaire.path().toLocal8Bit());
    Nec::fixeTaches(3);
    const QByteArray d = Nec::deck(Nec::Antenne{}, 14.1, {3.65, 7.05, 10.12, 14.1});
    const QString depasse = Textes::NecDelai().arg(Nec::texteArrondi(delaiMs / 1000.0, 3));
    const auto dossiers = [&] {
        return QDir(temporaire.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    };
    if (fenetre) {
        Nec::ExecutionNec execution;
        execution.programme = programme;
        execution.delaiMs = delaiMs;
        QSignalSpy echec(&execution, &Nec::ExecutionNec::echec);
        // The folders gone as soon as the failure is told, not later.
        QStringList restants{"?"};
        connect(&execution, &Nec::ExecutionNec::echec, this, [&] { restants = dossiers(); });
        execution.lance(d, 4);
        QTRY_COMPARE_WITH_TIMEOUT(pidsDe(fichierPid).size(), 3, 5000);
        QCOMPARE(dossiers().size(), 3);
        if (delaiMs == 0) {
            execution.annule();
            restants = dossiers();
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(echec.size(), 1, 5000);
        }
        QCOMPARE(restants, QStringList());
        QVERIFY(!execution.enCours());
        QCOMPARE(echec.size(), delaiMs == 0 ? 0 : 1);
        if (delaiMs)
            QCOMPARE(echec.first().first().toString(), depasse);
    } else {
        QCOMPARE(std::get<QString>(Nec::ExecutionNec::executeBloquant(d, 4, programme, 0.3)),
                 depasse);
    }
    Nec::fixeTaches(0);
    tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);
    QCOMPARE(pidsDe(fichierPid).size(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(vivants(pidsDe(fichierPid)), 0, 2000);
    QCOMPARE(dossiers(), QStringList());
}
