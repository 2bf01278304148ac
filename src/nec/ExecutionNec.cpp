#include "nec/ExecutionNec.h"

#include "nec/CacheResultats.h"
#include "nec/Interruption.h"
#include "nec/Modele.h"
#include "nec/Nombres.h"
#include "nec/Parallele.h"
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

struct Lot::Course {
    std::size_t deck;
    std::size_t debut; // its first frequency's place in the deck
    QByteArray texte;
    std::vector<double> frequences;
    std::unique_ptr<QTemporaryDir> dossier;
    ProcessusMoteur *processus = nullptr;
    int faites = 0;
};

struct Lot::Etat {
    std::vector<ImpedanceB> z;
    std::vector<QString> fautes; // of its failed runs
    std::size_t parts = 0;
    std::size_t restantes = 0;
};

Lot::Lot(const QString &programme, int taches, std::vector<QByteArray> decks, QObject *parent)
    : QObject(parent), programme_(programme), taches_(std::max(1, taches)),
      decks_(std::move(decks)), bilans_(decks_.size()), etats_(decks_.size())
{
}

Lot::~Lot()
{
    arrete();
}

void Lot::demarre()
{
    std::vector<std::size_t> aCalculer;
    for (std::size_t i = 0; i < decks_.size() && !echec_; ++i) {
        if (const auto refus = refusMoteur(programme_, decks_[i])) {
            bilans_[i] = *refus;
            echec_ = true;
        } else if (auto garde = CacheResultats::lit(programme_, decks_[i])) {
            // Answered before, by this engine: kept.
            bilans_[i] = std::move(*garde);
        } else {
            aCalculer.push_back(i);
        }
    }
    if (echec_)
        return verifieFin();
    // Every deck's frequencies shared out between all the runs, even when
    // there are as many decks: a run costs the engine no more than its
    // frequencies (two halves of the default deck took, one after the other,
    // what the whole took), and whole decks would leave cores idle at the
    // end (3 decks on 2 cores: 4 s where halves take 3 s).
    for (const std::size_t i : aCalculer) {
        const std::vector<QByteArray> p = decoupe(decks_[i], taches_);
        Etat &e = etats_[i];
        e.parts = e.restantes = p.size();
        ++executions_;
        for (const QByteArray &texte : p) {
            auto c = std::make_unique<Course>();
            c->deck = i;
            c->debut = e.z.size();
            c->texte = texte;
            c->frequences = frequencesDemandees(texte);
            constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
            for (double f : c->frequences)
                e.z.push_back({f, {Nan, Nan}, true});
            total_ += int(c->frequences.size());
            courses_.push_back(std::move(c));
        }
    }
    signale();
    lanceSuivantes();
    verifieFin();
}

void Lot::lanceSuivantes()
{
    while (!echec_ && !fini_ && actives_ < taches_ && suivante_ < courses_.size()) {
        Course &c = *courses_[suivante_++];
        c.dossier = prepare(c.texte);
        if (!c.dossier) {
            acheve(c, Textes::NecDossierTemporaire());
            continue;
        }
        auto *p = new ProcessusMoteur(this);
        if (!configure(*p, programme_, *c.dossier)) {
            delete p;
            c.dossier.reset();
            acheve(c, Textes::NecIntrouvable());
            continue;
        }
        c.processus = p;
        Course *course = &c;
        connect(p, &QProcess::finished, this, [this, course] { finie(course); });
        connect(p, &QProcess::errorOccurred, this, [this, course](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                finie(course);
        });
        ++actives_;
        p->start();
    }
}

void Lot::finie(Course *c)
{
    if (!c->processus)
        return;
    --actives_;
    ProcessusMoteur *p = std::exchange(c->processus, nullptr);
    Bilan b = interprete(finDe(*p, *c->dossier, c->texte, false, 0));
    // Ended, but perhaps not what it started; deleted later, being in its signal.
    p->disconnect(this);
    p->tue();
    p->deleteLater();
    c->dossier.reset();
    acheve(*c, std::move(b));
    lanceSuivantes();
    verifieFin();
}

void Lot::acheve(Course &c, Bilan b)
{
    Etat &e = etats_[c.deck];
    if (auto *z = std::get_if<std::vector<ImpedanceB>>(&b)) {
        for (std::size_t k = 0; k < z->size() && k < c.frequences.size(); ++k)
            e.z[c.debut + k] = std::move((*z)[k]);
    } else {
        // Its frequencies stay missing.
        e.fautes.push_back(std::get<QString>(b));
    }
    c.faites = int(c.frequences.size());
    if (--e.restantes == 0) {
        const bool pareilles = e.fautes.size() == e.parts &&
                               std::all_of(e.fautes.begin(), e.fautes.end(),
                                           [&](const QString &t) { return t == e.fautes.front(); });
        if (pareilles) {
            bilans_[c.deck] = e.fautes.front();
            echec_ = true;
        } else {
            // Only what one run would have answered is kept.
            if (e.fautes.empty())
                CacheResultats::ecrit(programme_, decks_[c.deck], e.z);
            bilans_[c.deck] = std::move(e.z);
        }
    }
    signale();
}

void Lot::suit()
{
    bool change = false;
    for (const auto &c : courses_) {
        if (!c->processus || !c->dossier)
            continue;
        // An output past its bound says nothing of the progress: the end will tell.
        const auto s = litFichier(c->dossier->filePath(QString::fromLatin1(NomSortie)));
        if (!s || s->size() > SortieMax)
            continue;
        const int n = std::min(int(c->frequences.size()),
                               frequencesCalculees(std::string_view(s->constData(), s->size())));
        change |= n != c->faites;
        c->faites = n;
    }
    if (change)
        signale();
}

void Lot::signale()
{
    int faites = 0;
    for (const auto &c : courses_)
        faites += c->faites;
    if (const auto p = progression)
        p(faites, total_);
}

void Lot::verifieFin()
{
    if (fini_)
        return;
    const bool tous = std::all_of(bilans_.begin(), bilans_.end(),
                                  [](const std::optional<Bilan> &b) { return b.has_value(); });
    if (!echec_ && !tous)
        return;
    arrete();
    // A copy: the call may put another in its place.
    if (const auto f = fin)
        f();
}

void Lot::arrete(int attenteMs)
{
    fini_ = true;
    for (const auto &c : courses_) {
        if (ProcessusMoteur *p = std::exchange(c->processus, nullptr)) {
            p->disconnect(this);
            p->tue(attenteMs);
            p->deleteLater();
        }
        c->dossier.reset();
    }
    actives_ = 0;
}

namespace {

// Every deck's answers, or the message that stopped them all (the limit, a signal).
std::variant<std::vector<std::optional<Bilan>>, QString>
attend(const std::vector<QByteArray> &decks, int taches, const QString &programme, double delaiS,
       const std::function<bool()> &interrompu = {})
{
    if (interrompu && interrompu())
        return Textes::NecAnnule();
    // First built, last gone: a signal is delivered again once the folders are removed.
    const GardeInterruption garde;
    Lot lot(programme, taches, decks);
    QEventLoop boucle;
    QString faute;
    lot.fin = [&] { boucle.quit(); };
    const auto arrete = [&](const QString &texte) {
        if (faute.isEmpty())
            faute = texte;
        boucle.quit();
    };
    QTimer delai;
    delai.setSingleShot(true);
    QObject::connect(&delai, &QTimer::timeout, &boucle,
                     [&] { arrete(Textes::NecDelai().arg(texteArrondi(delaiS, 3))); });
    // A signal ends the wait; the guard delivers it again at the end.
    std::unique_ptr<QSocketNotifier> interruption;
    if (garde.descripteur() >= 0) {
        interruption =
            std::make_unique<QSocketNotifier>(garde.descripteur(), QSocketNotifier::Read);
        QObject::connect(interruption.get(), &QSocketNotifier::activated, &boucle,
                         [&] { arrete(Textes::NecAnnule()); });
    }
    if (delaiS > SansDelai)
        delai.start(static_cast<int>(std::min(delaiS * 1000, double(DelaiMaxMs))));
    QTimer sonde;
    // Without a descriptor to watch (Windows), the console's Ctrl+C is polled too.
    const bool sansDescripteur = garde.descripteur() < 0;
    if (interrompu || sansDescripteur) {
        QObject::connect(&sonde, &QTimer::timeout, &boucle, [&] {
            if ((interrompu && interrompu()) || (sansDescripteur && interruptionEnAttente()))
                arrete(Textes::NecAnnule());
        });
        sonde.start(50);
    }
    lot.demarre();
    if (!lot.fini())
        boucle.exec();
    // A signal, the limit, or the end: what the engines started goes with them.
    lot.arrete();
    if (!faute.isEmpty())
        return faute;
    return lot.bilans();
}

} // namespace

Bilan ExecutionNec::executeBloquant(const QByteArray &deck, int, const QString &programme,
                                    double delaiS)
{
    auto r = attend({deck}, taches(), programme, delaiS);
    if (auto *faute = std::get_if<QString>(&r))
        return std::move(*faute);
    auto &b = std::get<std::vector<std::optional<Bilan>>>(r).front();
    return b ? std::move(*b) : Bilan(Textes::NecAnnule());
}

ExecutionNec::Bilans ExecutionNec::executeBloquants(const std::vector<QByteArray> &decks,
                                                    int paralleles, const QString &programme,
                                                    double delaiS,
                                                    const std::function<bool()> &interrompu)
{
    auto r = attend(decks, paralleles, programme, delaiS, interrompu);
    if (auto *faute = std::get_if<QString>(&r))
        return std::move(*faute);
    auto &bilans = std::get<std::vector<std::optional<Bilan>>>(r);
    for (const auto &b : bilans)
        if (b)
            if (const auto *texte = std::get_if<QString>(&*b))
                return *texte;
    std::vector<std::vector<ImpedanceB>> z;
    for (auto &b : bilans)
        z.push_back(b ? std::get<std::vector<ImpedanceB>>(std::move(*b))
                      : std::vector<ImpedanceB>());
    return z;
}

ExecutionNec::ExecutionNec(QObject *parent)
    : QObject(parent), delai_(new QTimer(this)), suivi_(new QTimer(this))
{
    delai_->setSingleShot(true);
    connect(delai_, &QTimer::timeout, this, [this] { fin(true); });
    suivi_->setInterval(50);
    connect(suivi_, &QTimer::timeout, this, [this] {
        if (lot_)
            lot_->suit();
    });
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
    deck_ = deck;
    frequences_ = frequences;
    lot_ = new Lot(programme, taches(), {deck}, this);
    lot_->progression = [this](int faites, int) { emit progression(faites, frequences_); };
    lot_->fin = [this] { fin(false); };
    emit progression(0, frequences);
    Lot *lot = lot_; // gone from lot_ if it ends at once, deleted later
    lot->demarre();
    executions_ += lot->executions();
    // A deck that could not even be written has already failed.
    if (lot_ && !lot_->fini()) {
        if (delaiMs > SansDelai)
            delai_->start(delaiMs);
        suivi_->start();
    }
}

void ExecutionNec::fin(bool delaiDepasse)
{
    if (!lot_)
        return;
    Bilan bilan = Textes::NecDelai().arg(texteArrondi(delaiMs / 1000.0, 3));
    if (!delaiDepasse) {
        const auto &b = lot_->bilans().front();
        bilan = b ? *b : Bilan(Textes::NecAnnule());
    }
    arrete();
    if (const auto *z = std::get_if<std::vector<ImpedanceB>>(&bilan)) {
        if (memoire_.size() >= MemoireMax)
            memoire_.clear();
        memoire_.insert(deck_, *z);
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
    if (Lot *lot = std::exchange(lot_, nullptr)) {
        lot->fin = nullptr;
        lot->progression = nullptr;
        lot->arrete(1000);
        // Perhaps in its own call to fin.
        lot->deleteLater();
    }
}

} // namespace Nec
