#include "nec/ExecutionNec.h"

#include "nec/CacheResultats.h"
#include "nec/Interruption.h"
#include "nec/Modele.h"
#include "nec/Nombres.h"
#include "nec/Processus.h"
#include "regles/TextesNec.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace Nec {

namespace {

constexpr auto NomDeck = "kesu.nec";
constexpr auto NomSortie = "kesu.out";
// Enough distinct inputs for a session's back and forth.
constexpr qsizetype MemoireMax = 32;
// A QTimer counts in int milliseconds: beyond, the limit is as good as none.
constexpr int DelaiMaxMs = std::numeric_limits<int>::max();
// nec2c writes frequencies with five significant digits.
constexpr double EcartFrequence = 1e-4;

// The output file, read only when within SortieMax: nothing when it is
// larger, empty when it cannot be read.
std::optional<QByteArray> litFichier(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    if (f.size() > SortieMax)
        return std::nullopt;
    // A file still growing is cut at the bound too.
    return f.read(SortieMax + 1);
}

// A private folder holding the deck; nothing when it cannot be written.
std::unique_ptr<QTemporaryDir> prepare(const QByteArray &deck)
{
    auto dossier = std::make_unique<QTemporaryDir>();
    if (!dossier->isValid())
        return nullptr;
    QFile f(dossier->filePath(QString::fromLatin1(NomDeck)));
    if (!f.open(QIODevice::WriteOnly) || f.write(deck) != deck.size() || !f.flush())
        return nullptr;
    return dossier;
}

// Sets the process up; false when the program is nowhere to be found.
bool configure(ProcessusMoteur &p, const QString &programme, const QTemporaryDir &dossier)
{
    const QString c = cheminProgramme(programme);
    if (c.isEmpty())
        return false;
    p.setProgram(c);
    p.setArguments({QStringLiteral("-i"), QString::fromLatin1(NomDeck), QStringLiteral("-o"),
                    QString::fromLatin1(NomSortie)});
    p.dossierPrive(dossier.path());
    // Our engine keeps its ground grids there for the next runs; another
    // nec2c ignores the variable.
    if (const QString grilles = CacheResultats::dossierGrilles(programme); !grilles.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("NEC2C_GRILLES"), QDir::toNativeSeparators(grilles));
        p.setProcessEnvironment(env);
    }
    // Its error stream is kept: a refusal may be explained there.
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardOutputFile(QProcess::nullDevice());
    return true;
}

FinExecution finDe(ProcessusMoteur &p, const QTemporaryDir &dossier, const QByteArray &deck,
                   bool delaiDepasse, double delaiS)
{
    FinExecution f;
    f.introuvable = p.error() == QProcess::FailedToStart;
    f.delaiDepasse = delaiDepasse;
    f.delaiS = delaiS;
    f.statut = p.exitStatus();
    f.code = p.exitCode();
    const auto sortie = litFichier(dossier.filePath(QString::fromLatin1(NomSortie)));
    f.sortieTropGrande = !sortie || sortie->size() > SortieMax;
    if (!f.sortieTropGrande)
        f.sortie = *sortie;
    f.erreurs = p.erreurs();
    f.frequencesDemandees = frequencesDemandees(deck);
    return f;
}

// The engine's words as the user may see them, in a terminal too: decoded
// whatever their bytes (an invalid sequence becomes U+FFFD), one line of at
// most `longueur` characters, and nothing a terminal would obey: control and
// format characters (escapes, bidirectional overrides, separators) replaced.
QString texteLisible(const std::string &octets, qsizetype longueur)
{
    QString t = QString::fromLocal8Bit(octets.data(), qsizetype(octets.size()));
    for (QChar &c : t) {
        if (c == u'\t')
            c = u' ';
        else if (const auto g = c.category();
                 g == QChar::Other_Control || g == QChar::Other_Format ||
                 g == QChar::Separator_Line || g == QChar::Separator_Paragraph)
            c = QChar::ReplacementCharacter;
    }
    if (t.size() > longueur)
        t.truncate(t.at(longueur - 1).isHighSurrogate() ? longueur - 1 : longueur);
    return t;
}

} // namespace

Bilan interprete(const FinExecution &fin)
{
    if (fin.introuvable)
        return Textes::NecIntrouvable();
    if (fin.delaiDepasse)
        return Textes::NecDelai().arg(texteArrondi(fin.delaiS, 3));
    if (fin.statut == QProcess::CrashExit)
        return Textes::NecArret();
    if (fin.code != 0) {
        // The error stream first: nec2c writes there what keeps it from even
        // starting; its refusals of a deck end the output file.
        std::string raison =
            derniereLigne({fin.erreurs.constData(), std::size_t(fin.erreurs.size())});
        if (raison.empty())
            raison = derniereLigne({fin.sortie.constData(), std::size_t(fin.sortie.size())});
        if (raison.empty())
            return Textes::NecCodeRetour().arg(fin.code);
        constexpr qsizetype Longueur = 200; // a line, not a page of garbage
        return Textes::NecRaison().arg(fin.code).arg(texteLisible(raison, Longueur));
    }
    if (fin.sortieTropGrande)
        return Textes::NecSortieTropGrande().arg(SortieMax / (1024 * 1024));
    auto z = litSortie(std::string_view(fin.sortie.constData(), fin.sortie.size()));
    if (!z || z->size() > fin.frequencesDemandees.size())
        return Textes::NecSortieIllisible();
    for (std::size_t i = 0; i < z->size(); ++i) {
        const double repondue = (*z)[i].frequenceMHz;
        const double demandee = fin.frequencesDemandees[i];
        if (!(std::abs(repondue - demandee) <= EcartFrequence * demandee))
            return Textes::NecFrequenceInattendue().arg(texte(repondue), texte(demandee));
    }
    // An output that stops early leaves the last frequencies unanswered.
    constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = z->size(); i < fin.frequencesDemandees.size(); ++i)
        z->push_back({fin.frequencesDemandees[i], {Nan, Nan}, true});
    return std::move(*z);
}

bool disponible(const QString &programme)
{
    return !cheminProgramme(programme).isEmpty();
}

Bilan ExecutionNec::executeBloquant(const QByteArray &deck, int, const QString &programme,
                                    double delaiS)
{
    // First built, last gone: a signal is delivered again once the folder is removed.
    const GardeInterruption garde;
    if (const auto refus = refusMoteur(programme, deck))
        return *refus;
    if (auto garde = CacheResultats::lit(programme, deck))
        return std::move(*garde);
    const auto dossier = prepare(deck);
    if (!dossier)
        return Textes::NecDossierTemporaire();
    ProcessusMoteur p;
    if (!configure(p, programme, *dossier))
        return Textes::NecIntrouvable();
    QEventLoop boucle;
    bool delaiDepasse = false;
    QObject::connect(&p, &QProcess::finished, &boucle, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &boucle, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            boucle.quit();
    });
    QTimer delai;
    delai.setSingleShot(true);
    QObject::connect(&delai, &QTimer::timeout, &boucle, [&] {
        delaiDepasse = true;
        boucle.quit();
    });
    // A signal ends the wait; the guard delivers it again at the end.
    std::unique_ptr<QSocketNotifier> interruption;
    if (garde.descripteur() >= 0) {
        interruption =
            std::make_unique<QSocketNotifier>(garde.descripteur(), QSocketNotifier::Read);
        QObject::connect(interruption.get(), &QSocketNotifier::activated, &boucle,
                         &QEventLoop::quit);
    }
    p.start();
    if (delaiS > SansDelai)
        delai.start(static_cast<int>(std::min(delaiS * 1000, double(DelaiMaxMs))));
    if (p.waitForStarted(-1) && p.state() == QProcess::Running)
        boucle.exec();
    // A signal, the limit, or the end: what the engine started goes with it.
    p.tue();
    Bilan b = interprete(finDe(p, *dossier, deck, delaiDepasse, delaiS));
    if (const auto *z = std::get_if<std::vector<ImpedanceB>>(&b))
        CacheResultats::ecrit(programme, deck, *z);
    return b;
}

ExecutionNec::Bilans ExecutionNec::executeBloquants(const std::vector<QByteArray> &decks,
                                                    int paralleles, const QString &programme,
                                                    double delaiS)
{
    const GardeInterruption garde;
    struct Course {
        std::size_t i;
        std::unique_ptr<QTemporaryDir> dossier;
        std::unique_ptr<ProcessusMoteur> processus;
    };
    std::vector<std::unique_ptr<Course>> courses;
    std::vector<std::vector<ImpedanceB>> r(decks.size());
    QString faute;
    std::size_t suivant = 0;
    int actives = 0;
    QEventLoop boucle;
    const auto arrete = [&](const QString &texte) {
        if (faute.isEmpty())
            faute = texte;
        boucle.quit();
    };
    std::function<void()> demarre;
    const auto finie = [&](Course *c) {
        if (!c->processus)
            return;
        --actives;
        Bilan b = interprete(finDe(*c->processus, *c->dossier, decks[c->i], false, delaiS));
        // Ended, but perhaps not what it started; deleted later, being in its signal.
        c->processus->tue();
        c->processus.release()->deleteLater();
        c->dossier.reset();
        if (auto *texte = std::get_if<QString>(&b))
            return arrete(*texte);
        r[c->i] = std::move(std::get<std::vector<ImpedanceB>>(b));
        CacheResultats::ecrit(programme, decks[c->i], r[c->i]);
        // The next decks, some perhaps answered from the cache at once.
        demarre();
        if (actives == 0 && suivant == decks.size())
            boucle.quit();
    };
    demarre = [&] {
        while (faute.isEmpty() && actives < std::max(1, paralleles) && suivant < decks.size()) {
            auto c = std::make_unique<Course>();
            c->i = suivant++;
            if (const auto refus = refusMoteur(programme, decks[c->i]))
                return arrete(*refus);
            // Answered before, by this engine: kept.
            if (auto garde = CacheResultats::lit(programme, decks[c->i])) {
                r[c->i] = std::move(*garde);
                continue;
            }
            c->dossier = prepare(decks[c->i]);
            if (!c->dossier)
                return arrete(Textes::NecDossierTemporaire());
            c->processus = std::make_unique<ProcessusMoteur>();
            if (!configure(*c->processus, programme, *c->dossier))
                return arrete(Textes::NecIntrouvable());
            Course *course = c.get();
            QObject::connect(course->processus.get(), &QProcess::finished, &boucle,
                             [&finie, course] { finie(course); });
            QObject::connect(course->processus.get(), &QProcess::errorOccurred, &boucle,
                             [&finie, course](QProcess::ProcessError e) {
                                 if (e == QProcess::FailedToStart)
                                     finie(course);
                             });
            ++actives;
            course->processus->start();
            courses.push_back(std::move(c));
        }
    };
    QTimer delai;
    delai.setSingleShot(true);
    QObject::connect(&delai, &QTimer::timeout, &boucle,
                     [&] { arrete(Textes::NecDelai().arg(texteArrondi(delaiS, 3))); });
    std::unique_ptr<QSocketNotifier> interruption;
    if (garde.descripteur() >= 0) {
        interruption =
            std::make_unique<QSocketNotifier>(garde.descripteur(), QSocketNotifier::Read);
        QObject::connect(interruption.get(), &QSocketNotifier::activated, &boucle,
                         [&] { arrete(Textes::NecAnnule()); });
    }
    if (delaiS > SansDelai)
        delai.start(static_cast<int>(std::min(delaiS * 1000, double(DelaiMaxMs))));
    demarre();
    if (faute.isEmpty() && actives > 0)
        boucle.exec();
    for (const auto &c : courses)
        if (c->processus) {
            c->processus->disconnect();
            c->processus->tue();
        }
    courses.clear();
    if (!faute.isEmpty())
        return faute;
    return r;
}

ExecutionNec::ExecutionNec(QObject *parent)
    : QObject(parent), delai_(new QTimer(this)), suivi_(new QTimer(this))
{
    delai_->setSingleShot(true);
    connect(delai_, &QTimer::timeout, this, [this] { fin(true); });
    suivi_->setInterval(50);
    connect(suivi_, &QTimer::timeout, this, [this] { suit(); });
}

ExecutionNec::~ExecutionNec()
{
    arrete();
}

void ExecutionNec::lance(const QByteArray &deck, int frequences)
{
    arrete();
    if (const auto connu = memoire_.constFind(deck); connu != memoire_.cend()) {
        emit termine(*connu);
        return;
    }
    if (const auto refus = refusMoteur(programme, deck)) {
        emit echec(*refus);
        return;
    }
    if (const auto garde = CacheResultats::lit(programme, deck)) {
        memoire_.insert(deck, *garde);
        emit termine(*garde);
        return;
    }
    dossier_ = prepare(deck);
    if (!dossier_) {
        emit echec(Textes::NecDossierTemporaire());
        return;
    }
    auto *p = new ProcessusMoteur(this);
    if (!configure(*p, programme, *dossier_)) {
        delete p;
        dossier_.reset();
        emit echec(Textes::NecIntrouvable());
        return;
    }
    processus_ = p;
    deck_ = deck;
    frequences_ = frequences;
    ++executions_;
    connect(p, &QProcess::finished, this, [this] { fin(false); });
    connect(p, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            fin(false);
    });
    emit progression(0, frequences);
    p->start();
    if (delaiMs > SansDelai)
        delai_->start(delaiMs);
    suivi_->start();
}

void ExecutionNec::suit()
{
    if (!dossier_)
        return;
    // An output past its bound says nothing of the progress: the end will tell.
    const auto s = litFichier(dossier_->filePath(QString::fromLatin1(NomSortie)));
    if (s && s->size() <= SortieMax)
        emit progression(frequencesCalculees(std::string_view(s->constData(), s->size())),
                         frequences_);
}

void ExecutionNec::fin(bool delaiDepasse)
{
    if (!processus_)
        return;
    if (delaiDepasse) {
        processus_->disconnect(this);
        processus_->tue(1000);
    }
    const Bilan bilan =
        interprete(finDe(*processus_, *dossier_, deck_, delaiDepasse, delaiMs / 1000.0));
    arrete();
    if (const auto *z = std::get_if<std::vector<ImpedanceB>>(&bilan)) {
        if (memoire_.size() >= MemoireMax)
            memoire_.clear();
        memoire_.insert(deck_, *z);
        CacheResultats::ecrit(programme, deck_, *z);
        emit termine(*z);
    } else {
        emit echec(std::get<QString>(bilan));
    }
}

void ExecutionNec::annule()
{
    arrete();
}

void ExecutionNec::arrete()
{
    delai_->stop();
    suivi_->stop();
    if (processus_) {
        ProcessusMoteur *p = std::exchange(processus_, nullptr);
        p->disconnect(this);
        p->tue(1000);
        p->deleteLater();
    }
    dossier_.reset();
}

} // namespace Nec
