#include "nec/Parallele.h"

#include "regles/Defauts.h"

#include <QFile>
#include <QThread>
#include <algorithm>
#include <atomic>

namespace Nec {

namespace {

// One run of the largest antenna the check accepts (SegmentsMax segments over
// a Sommerfeld ground, one frequency) peaked at 65.8 MB of resident memory
// with the corrected engine: NEC-2's matrix alone is SegmentsMax^2 complex
// doubles, 64 MB. Counted at 80 MB a run, the runs keep to half the machine's
// memory: 64 runs (the most accepted) on a machine of 10 GB or more, 12 on 2 GB.
constexpr qint64 MemoireParTacheKo = 80 * 1024;
// When the machine's memory cannot be read: what 2 GB hold.
constexpr int TachesSansMesure = 12;

std::atomic<int> choisies{0};

} // namespace

int tachesMemoire()
{
    QFile f(QStringLiteral("/proc/meminfo"));
    if (!f.open(QIODevice::ReadOnly))
        return TachesSansMesure;
    for (const QByteArray &ligne : f.readAll().split('\n'))
        if (ligne.startsWith("MemTotal:")) {
            const qint64 ko = ligne.mid(9).trimmed().split(' ').front().toLongLong();
            if (ko > 0)
                return int(std::clamp<qint64>(ko / 2 / MemoireParTacheKo, 1,
                                              qint64(Defauts::PlageTaches.max)));
        }
    return TachesSansMesure;
}

int tachesParDefaut()
{
    static const int n = std::clamp(QThread::idealThreadCount(), 1, tachesMemoire());
    return n;
}

int taches()
{
    const int n = choisies.load();
    return n > 0 ? std::min(n, tachesMemoire()) : tachesParDefaut();
}

void fixeTaches(int n)
{
    choisies.store(std::clamp(n, 0, static_cast<int>(Defauts::PlageTaches.max)));
}

std::vector<QByteArray> decoupe(const QByteArray &deck, int n)
{
    QByteArray tete;
    std::vector<QByteArray> cartes;
    for (const QByteArray &ligne : deck.split('\n')) {
        if (ligne.isEmpty())
            continue;
        if (ligne.startsWith("FR"))
            cartes.push_back(ligne + '\n');
        else if (ligne.startsWith("EN"))
            break;
        else if (!cartes.empty())
            cartes.back() += ligne + '\n';
        else
            tete += ligne + '\n';
    }
    const std::size_t parts = std::clamp<std::size_t>(std::size_t(std::max(n, 1)), 1,
                                                      std::max<std::size_t>(cartes.size(), 1));
    if (parts == 1)
        return {deck};
    std::vector<QByteArray> r;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < parts; ++i) {
        const std::size_t fin = cartes.size() * (i + 1) / parts;
        QByteArray d = tete;
        for (std::size_t c = debut; c < fin; ++c)
            d += cartes[c];
        r.push_back(d + "EN\n");
        debut = fin;
    }
    return r;
}

} // namespace Nec
