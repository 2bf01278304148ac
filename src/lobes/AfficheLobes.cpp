#include "lobes/AfficheLobes.h"

#include "lobes/ClassementLobes.h"
#include "resources/Ressources.h"
#include "state/EtatCalcul.h"
#include "surface/Couleurs.h"
#include "surface/Surface.h"

#include <QCoreApplication>

namespace {

// The diagrams write the elevation in words: each language but French has
// its own pictures, their names ending with its code.
QString suffixeLangue()
{
    const QString code =
        QCoreApplication::translate("AfficheLobes", "fr", "the code of the texts' language");
    return code == QLatin1String("fr") ? QString() : u'_' + code;
}

} // namespace

void AfficheLobes(Surface &surface, PanneauLobes &panneau)
{
    panneau.desactiveDeplacements();
    // The panel is only reachable while Image1 shows the chart, so this hides it.
    panneau.inverseVisibiliteImage1();

    // Covers the hidden chart: if Image1 reappears without a new chart (a run
    // that stops at one of its messages), it shows this instead of stale curves.
    surface.setCouleurCrayon(Couleurs::Black);
    surface.setCouleurPinceau(Couleurs::Teal);
    surface.rectangle(EtatCalcul.GaucheGraphe, 0, panneau.largeurImage1(), panneau.hauteurImage1());

    for (int k = 1; k <= NombreBandes; ++k) {
        if (EtatCalcul.BandeActive[k]) {
            const QString nom = ClasseLobes(EtatCalcul.LamdaDip[k]) + suffixeLangue();
            panneau.afficheBande(k, ChargeBitmap(nom));
            QImage fine;
            fine.load(CheminBitmap(nom + QStringLiteral("@4x")));
            panneau.afficheBandeFine(k, fine);
        } else {
            panneau.cacheBande(k);
        }
    }

    panneau.desactiveLRayon();
    panneau.afficheImpression();
    // The print job now copies this panel instead of drawing the chart.
    EtatCalcul.GrapheCourants = false;
}
