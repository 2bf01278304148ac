#pragma once

#include "nec/LigneCommande.h"

#include <QStringList>
#include <QTextStream>

// "kesu --longueurs [options]": the advised ladder lengths as CSV on standard
// output, no window.
namespace Longueurs {

// Computes decks' impedances at B side by side (nec2c, or a stand-in in
// tests), giving up after delaiS seconds (never when 0).
using Calculateurs =
    std::function<Nec::ExecutionNec::Bilans(const std::vector<QByteArray> &decks, double delaiS)>;

// The arguments after the program's name, "--longueurs" included. Every
// option is checked before the band table is read; the exit status is the
// check's: 0, 1 when the band table cannot be read or a computation fails,
// 2 for a bad option or value.
int ligneCommande(const QStringList &arguments, const Nec::LecteurBandes &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateurs &calcule);

// The same with Kesu.ini from the working folder and the real nec2c.
int ligneCommande(const QStringList &arguments);

} // namespace Longueurs
