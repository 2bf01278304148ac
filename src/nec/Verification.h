#pragma once

#include "nec/ErreurChamp.h"
#include "nec/LectureSortie.h"
#include "nec/Ligne.h"
#include "nec/Modele.h"
#include "nec/Regle.h"
#include "regles/Erreurs.h"
#include "reseau/Reseau.h"

#include <QByteArray>
#include <cstdint>
#include <optional>
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
    Classe classe = Classe::Moyenne; // the chart's, and the limit's under Critere::Limite
    Critere critere = Critere::Limite;
    LimitesAccord limites;
    Boite boite;
    // The tuner's parts, for the T and L criteria and kesu --boite (its
    // network: the criterion's, else this type).
    Reseau::Pieces pieces;
    int region = Defauts::RegionIaru;
    int points = Defauts::PointsParBande; // per planned band
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

// The frequencies a band is swept at, in kHz: evenly from one edge of the
// region's plan to the other, or none for a band the plan lacks.
std::vector<double> balayageKHz(const Entrees &e, const BandeVerifiee &b);

// How many frequencies the deck asks for: the bands' own, then their sweeps.
int nombreFrequences(const Entrees &e);

// The deck for the inputs' antenna and bands (what the results depend on):
// every band's reference frequency, in order, then each band's sweep.
QByteArray deck(const Entrees &e);

// The parts as the criterion judges them: its network type when it is one.
Reseau::Pieces piecesJugees(const Entrees &e);

// The network's setting for C at a frequency, behind the balun.
Reseau::Reglage reglageC(const Entrees &e, Complexe zC, double frequenceHz);

// The same deck for other NEC-2 programs: comment cards name the program, the
// antenna, the ground and the bands; the impedances are the same.
QByteArray deckCommente(const Entrees &e, const QString &programme);

// Whether the tuner matches C at a frequency, by the inputs' criterion.
bool accordableC(const Entrees &e, Complexe zC, double frequenceHz);

// The chart's row of a band along the ladder, n centimetres from B: true where
// it lets C fall.
std::vector<bool> rangeeGraphe(const Entrees &e, const BandeVerifiee &b, std::size_t n);

struct LigneTableau {
    BandeVerifiee bande;
    Complexe zB;
    Complexe zC;
    double ros;         // on the ladder at C, against Z0
    bool accordableNec; // at the reference frequency
    bool accordableGraphe;
    bool accordableBande; // at every point of the sweep
    double rosBoite;      // what the tuner sees behind the balun
    double rosBoiteMaxBande;
    double perteDb; // the ladder's, standing waves included
    double rendementPct;
    Reseau::Reglage reglage; // the network's, at the reference frequency
    double perteFilPct;      // the share of the power at B the wire heats, NaN when untold
    // Shares of the map's lengths where the chart and the tuner across the
    // band disagree: the chart lets C fall where the tuner cannot match (the
    // dangerous kind), or forbids a length the tuner matches.
    double libreATortPct;
    double interditATortPct;
};

// One band along the ladder, one entry a centimetre from B (0) to the end.
struct CarteBande {
    int k;
    std::vector<bool> libreGraphe;   // the chart lets C fall here
    std::vector<bool> libreNec;      // the tuner matches C here
    std::vector<bool> libreNecBande; // ... at every point of the sweep
    std::vector<float> module;       // |Z| at C
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

// A band the run could not compute, and why: no answer, a value that is not
// physical, or a ladder whose values overflow. The other bands are kept.
struct BandeEchouee {
    BandeVerifiee bande;
    QString raison;
};

struct Resultat {
    std::vector<LigneTableau> lignes; // the bands computed, in order
    std::vector<CarteBande> carte;    // the same bands
    CleGraphe cle;
    std::vector<BandeEchouee> echecs;
};

// Why nec2c's answer at a frequency asked (MHz) cannot be used, or nothing
// when it can: missing, not finite, or a resistance at B that is not positive
// (a passive antenna takes power at its feed).
std::optional<QString> fauteReponse(const ImpedanceB &z, double frequenceMHz);

// Where band j's sweep starts among a deck's answers: after every band's own
// frequency, then the sweeps in the bands' order.
std::size_t debutBalayage(const Entrees &e, std::size_t j);

// Why band j cannot be computed from these answers (its own frequency first,
// then its sweep), or nothing. Answers shorter than the deck (the sweeps not
// given) judge the band by what they hold; a run marks what nec2c left
// unanswered.
std::optional<QString> fauteBande(const Entrees &e, const std::vector<ImpedanceB> &zB,
                                  std::size_t j);

// Z at C at one frequency of a band.
struct PointC {
    double frequenceHz;
    Complexe zC;
};
// Band j's Z at C from a run's answers: at its reference frequency, then at
// each point of its sweep.
std::vector<PointC> pointsC(const Entrees &e, const std::vector<ImpedanceB> &zB, std::size_t j);

// zB holds one impedance per frequency of the deck, in its order. A previous result
// for the same chart inputs lends its chart rows, so that a change of Z0,
// loss or limits costs no sine. A band whose answer, at its reference
// frequency or across it, cannot be used, or whose values along the ladder
// are not finite, has no row: it goes to echecs with its reason.
// Without the chart (avecGraphe false) its rows stay empty and so do the
// shares of disagreement: what only needs the tuner's verdict along the
// ladder saves the chart's sine at every centimetre.
Resultat evalue(const Entrees &e, const std::vector<ImpedanceB> &zB,
                const Resultat *precedent = nullptr, bool avecGraphe = true);

// The table as CSV: one header line, then a line per band.
QByteArray csv(const std::vector<LigneTableau> &lignes);
// The same table, each line followed by the inputs it was computed from, in
// the command line's units and names, so that the file says how to compute it
// again. Kept on every line rather than in a block of their own: the file
// stays one rectangular table that any spreadsheet or CSV reader takes whole,
// with a type per column, and tables of several runs can be put together.
QByteArray csv(const Entrees &e, const std::vector<LigneTableau> &lignes);

} // namespace Nec
