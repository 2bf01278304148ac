#pragma once

#include <cstdint>

// Every start-up value and limit of the program, named once: the main window,
// the NEC-2 check's window, the command line and the tests read them here, and
// the error texts that name a limit take it from here as an argument.
namespace Defauts {

// The main window's boxes as it opens.
inline constexpr std::int32_t BrancheCm = 2062; // one branch, A-B
inline constexpr std::int32_t EchelleCm = 3000; // the ladder, B-C
inline constexpr double CoefDipole = 0.97;      // the branch's velocity factor
inline constexpr double CoefEchelle = 0.92;     // the ladder's, chosen in the list
inline constexpr double SeuilBas = 0.8;         // the thresholds on |sin|
inline constexpr double SeuilMoyen = 0.6;
inline constexpr double SeuilHaut = 0.3;

// What the NEC-2 check starts from besides the main window's boxes.
inline constexpr double DiametreMm = 2;
inline constexpr double HauteurM = 10; // of the wire, or of an inverted V's apex
// The user's own ground until given: an average ground's constants.
inline constexpr double PermittiviteSol = 13;
inline constexpr double ConductiviteSol = 0.005;
inline constexpr double EcartementMm = 25; // between the ladder's conductors
inline constexpr double AngleDeg = 120;    // between an inverted V's arms
inline constexpr double Z0Ohms = 450;
// dB per 100 m at 10 MHz: dry 450 ohm window line, the RF resistance of its
// two #18 conductors.
inline constexpr double PerteDb100m = 0.6;
inline constexpr int RegionIaru = 1;
inline constexpr int PointsParBande = 5;  // edges included
inline constexpr int Balun = 4;           // 4:1
inline constexpr double RosMaxBoite = 10; // the tuner's, at 50 ohms
// What a tuner can match: |Z| up to the low or medium limit, or from the high one.
inline constexpr double LimiteBasseOhms = 150;
inline constexpr double LimiteMoyenneOhms = 500;
inline constexpr double LimiteHauteOhms = 1000;
// The tuner as a network: the user's parts, power and limits.
inline constexpr double CMinPf = 10;
inline constexpr double CMaxPfT = 250;  // a T's variable capacitors
inline constexpr double CMaxPfL = 1000; // an L's shunt capacitor matches wider
inline constexpr double LMinUh = 0.5;
inline constexpr double LMaxUh = 28;
inline constexpr double QBobine = 150;        // unloaded
inline constexpr double QCondensateur = 2000; // air variable
inline constexpr double PuissanceW = 100;
inline constexpr double PerteBoiteMaxDb = 1;
inline constexpr double TensionMaxV = 1500; // the capacitors' peak rating
// The map's end when none is given: twice the ladder, never less than this.
inline constexpr std::int32_t LongueurMaxMinCm = 4000;

// The physical range of each input of the NEC-2 check, bounds included: beyond
// them a wire, a ladder or a ground is no longer one a radio amateur hangs,
// the model stops meaning anything, or the map along the ladder (a value a
// centimetre) would cost minutes and gigabytes.
struct Plage {
    double min;
    double max;
    bool contient(double v) const { return v >= min && v <= max; }
};
inline constexpr Plage PlageBrancheCm{10, 50'000};
inline constexpr Plage PlageEchelleCm{0, 20'000};
inline constexpr Plage PlageCoefEchelle{0.5, 1};
inline constexpr Plage PlageDiametreMm{0.1, 50};
inline constexpr Plage PlageHauteurM{0.1, 300};
inline constexpr Plage PlageEcartementMm{2, 500};
inline constexpr Plage PlageZ0Ohms{25, 1000};
// The user's own ground: relative permittivity, conductivity in S/m.
inline constexpr Plage PlagePermittivite{1, 100};
inline constexpr Plage PlageConductivite{0.0001, 10};
inline constexpr Plage PlagePerteDb100m{0, 50};
inline constexpr Plage PlageLimiteOhms{1, 100'000};
inline constexpr Plage PlageRosMax{1, 100};
// The map's end: a kilometre, the advised lengths' longest range.
inline constexpr Plage PlageLongueurMaxCm{1, 100'000};
inline constexpr Plage PlageDelaiS{0, 1'000'000};
// The tuner's parts: from trimmers to vacuum capacitors and roller coils; a Q
// of 0 is an ideal part.
inline constexpr Plage PlageCapacitePf{1, 10'000};
inline constexpr Plage PlageInductanceUh{0.01, 1000};
inline constexpr Plage PlageQ{0, 100'000};
inline constexpr Plage PlagePuissanceW{1, 10'000};
inline constexpr Plage PlagePerteBoiteDb{0.01, 20};
inline constexpr Plage PlageTensionV{10, 100'000};

// nec2c's run from the command line, in seconds (0: no limit), and the most
// segments the check hands it.
inline constexpr double DelaiCommandeS = 600;
inline constexpr int SegmentsMax = 2001;

// The advised ladder lengths: the range searched, the branch's tolerance
// (the antenna is also computed that much shorter and longer), the branch
// lengths tried when the branch is searched too, and how many windows are listed.
inline constexpr std::int32_t EchelleMinCm = 500;
inline constexpr std::int32_t EchelleMaxCm = 4000;
inline constexpr std::int32_t RechercheEchelleMaxCm = 100'000; // a kilometre of ladder
inline constexpr double ToleranceBranchePct = 2;
inline constexpr double ToleranceBrancheMaxPct = 20;
// The ladder's velocity factor is known no better: window line moves from
// about 0.95 dry to 0.88 wet, and from one make to the next.
inline constexpr double ToleranceEchellePct = 3;
// A window narrower than this is no length a person cuts to.
inline constexpr std::int32_t LargeurMinCm = 10;
inline constexpr std::int32_t BrancheMinCm = 1800;
inline constexpr std::int32_t BrancheMaxCm = 2300;
inline constexpr std::int32_t PasBrancheCm = 10;
inline constexpr std::int32_t PasBrancheMinCm = 10; // finer is no advice for a wire cut by hand
inline constexpr int BranchesMax = 200;
inline constexpr int FenetresListees = 10;
// nec2c processes computing one job's frequencies at once (--taches).
inline constexpr Plage PlageTaches{1, 64};

// Kesu.ini keeps two positions for the band name and five for the frequency:
// anything wider would not read back, or read back as another value.
inline constexpr std::int32_t BandeMin = -9;
inline constexpr std::int32_t BandeMax = 99;
inline constexpr std::int32_t FrequenceMin = -9999;
inline constexpr std::int32_t FrequenceMax = 99999;

} // namespace Defauts
