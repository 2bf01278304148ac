#pragma once

// What the benchmarks start from: the main window's antenna at start-up, all
// bands ticked, and the bundled band table in a working folder.
#include "nec/Verification.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <iterator>
#include <stdexcept>

inline Nec::Entrees principales()
{
    Nec::Entrees e;
    e.antenne.brancheCm = 2062;
    e.longElecDip = 2126;
    e.echelleCm = 3000;
    e.echelle.coefVelocite = 0.92;
    const Nec::BandeVerifiee bandes[] = {{1, 80, 3650},  {2, 40, 7050},  {3, 30, 10120},
                                         {4, 20, 14100}, {5, 17, 18100}, {6, 15, 21200},
                                         {7, 12, 24940}, {8, 10, 28500}};
    e.bandes.assign(std::begin(bandes), std::end(bandes));
    e.frequenceMaxTableKHz = 28500;
    return e;
}

// The default Kesu.ini copied into the folder, which the program reads from
// its working folder.
inline void copieKesuIni(const QTemporaryDir &dossier)
{
    if (!QFile::copy(QStringLiteral(KESU_INI_DEFAUT), dossier.filePath(QStringLiteral("Kesu.ini"))))
        throw std::runtime_error("cannot copy Kesu.ini");
}
