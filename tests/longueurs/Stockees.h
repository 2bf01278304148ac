#pragma once

#include "FichierStocke.h"
#include "nec/LectureSortie.h"
#include "nec/Modele.h"
#include "nec/Parallele.h"

#include <QHash>

// Our own nec2c runs of the default search's three decks (the branch as typed,
// 2 % shorter, 2 % longer), keyed by the deck they ran, and by each part of it
// that a run side by side is given.
inline QHash<QByteArray, std::vector<Nec::ImpedanceB>> impedancesStockees()
{
    QHash<QByteArray, std::vector<Nec::ImpedanceB>> r;
    const auto lit = [](const QString &nom) {
        return litStocke(QStringLiteral(KESU_SORTIES_LONGUEURS), nom);
    };
    for (int i = 0; i < 3; ++i) {
        const QByteArray deck = lit(QStringLiteral("defaut_%1.nec").arg(i));
        const QByteArray sortie = lit(QStringLiteral("defaut_%1.out").arg(i));
        const auto z = Nec::litSortie({sortie.constData(), std::size_t(sortie.size())});
        if (!z)
            qFatal("unreadable stored output %d", i);
        r.insert(deck, *z);
        std::size_t debut = 0;
        for (const QByteArray &part : Nec::decoupe(deck, 2)) {
            const std::size_t n = Nec::frequencesDemandees(part).size();
            r.insert(part, {z->begin() + debut, z->begin() + debut + n});
            debut += n;
        }
    }
    return r;
}
