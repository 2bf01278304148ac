#pragma once

// Where a band's strip is marked, that is where C may not fall: for the high
// impedance class where |s| is above its threshold, for the others where |s|
// is below the threshold of the class. Equality never marks.
struct RegleBandeau {
    bool haute = false;
    double seuil = 0;

    // The rule of the checked class: "Impédance haute" (chPara), "Impédance
    // basse" (chSerieBas) or else "Impédance moyenne".
    static RegleBandeau pour(bool chPara, bool chSerieBas, double seuilBas, double seuilMoyen,
                             double seuilHaut)
    {
        double t = chPara ? seuilHaut : seuilMoyen;
        if (chSerieBas)
            t = seuilBas;
        return {chPara, t};
    }

    bool marque(double s) const { return haute ? s > seuil : s < seuil; }
};
