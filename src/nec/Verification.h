#pragma once

#include "nec/ErreurChamp.h"
#include "nec/LectureSortie.h"
#include "nec/Ligne.h"
#include "nec/Modele.h"
#include "nec/Regle.h"
#include "regles/Erreurs.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// The check as a whole, apart from any window: its inputs, the deck they give,
// and the table and map computed from nec2c's impedances at B.
namespace Nec {

struct BandeVerifiee {
    int k;              // 1..8, the band's place in the band table
    std::int32_t bande; // metres, its name
    std::int32_t frequenceKHz;
    bool operator==(const BandeVerifiee &) const = default;
};

struct Entrees {
    Antenne antenne;
    Echelle echelle;
    Classe classe = Classe::Moyenne;
    LimitesAccord limites;
    SeuilsGraphe seuils;
    std::int32_t longElecDip = 0;   // the chart's A-B, cm
    std::int32_t echelleCm = 0;     // the current ladder, physical
    std::int32_t longueurMaxCm = 0; // the map's end
    std::vector<BandeVerifiee> bandes;
    // The band table's highest frequency, ticked or not: the deck's geometry
    // follows it, so that Z at B is the same whichever bands are ticked. 0
    // leaves it to the highest band asked.
    std::int32_t frequenceMaxTableKHz = 0;
    bool operator==(const Entrees &) const = default;
};

// The map's default end: twice the ladder, and never less than 40 m.
std::int32_t longueurMaxParDefaut(std::int32_t echelleCm);

// Throws the message naming the first bad field, as an ErreurChamp, or the
// limit of NEC-2's thin-wire model the antenna is beyond.
void valide(const Entrees &e);

// The frequency the deck's geometry is cut for, in MHz.
double frequenceGeometrieMHz(const Entrees &e);

// The deck for the inputs' antenna and bands (what the results depend on).
QByteArray deck(const Entrees &e);

struct LigneTableau {
    BandeVerifiee bande;
    Complexe zB;
    Complexe zC;
    double ros;
    bool accordableNec;
    bool accordableGraphe;
    double accordPct; // lengths on which both verdicts agree
};

// One band along the ladder, one entry a centimetre from B (0) to the end.
struct CarteBande {
    int k;
    std::vector<bool> libreGraphe; // the chart lets C fall here
    std::vector<bool> libreNec;    // the tuner matches C here
    std::vector<float> module;     // |Z| at C
};

// What the chart's rows depend on besides the band's frequency: not the
// ladder's Z0 or loss, nor the tuner's limits.
struct CleGraphe {
    std::int32_t longElecDip = 0;
    double coefVelocite = 0;
    Classe classe = Classe::Moyenne;
    SeuilsGraphe seuils;
    std::int32_t longueurMaxCm = 0;
    bool operator==(const CleGraphe &) const = default;
};

struct Resultat {
    std::vector<LigneTableau> lignes;
    std::vector<CarteBande> carte;
    CleGraphe cle;
};

// zB holds one impedance per band, in the inputs' order. A previous result
// for the same chart inputs lends its chart rows, so that a change of Z0,
// loss or limits costs no sine. A value along the ladder that is not finite
// throws: the computation failed, there is no row to show.
Resultat evalue(const Entrees &e, const std::vector<ImpedanceB> &zB,
                const Resultat *precedent = nullptr);

// The table as CSV: one header line, then a line per band.
QByteArray csv(const std::vector<LigneTableau> &lignes);
// The same table, each line followed by the inputs it was computed from, in
// the command line's units and names, so that the file says how to compute it
// again. Kept on every line rather than in a block of their own: the file
// stays one rectangular table that any spreadsheet or CSV reader takes whole,
// with a type per column, and tables of several runs can be put together.
QByteArray csv(const Entrees &e, const std::vector<LigneTableau> &lignes);

} // namespace Nec
