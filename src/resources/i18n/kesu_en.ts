<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AbaqueSmith</name>
    <message>
        <source>Normalisé à 50 Ω après le balun %1:1</source>
        <translation>Normalised to 50 Ω behind the %1:1 balun</translation>
    </message>
    <message>
        <source>Tirets : ROS %1</source>
        <translation>Dashes: SWR %1</translation>
    </message>
    <message>
        <source>Croix : la mesure %1</source>
        <translation>Crosses: the measurement %1</translation>
    </message>
    <message>
        <source>Vert : ce que la boîte en T accorde à %1 m</source>
        <translation>Green: what the T tuner matches on %1 m</translation>
    </message>
    <message>
        <source>Vert : ce que la boîte en L accorde à %1 m</source>
        <translation>Green: what the L tuner matches on %1 m</translation>
    </message>
    <message>
        <source>%1 m, %2 kHz : Z en C %3 Ω ; après le balun %4 Ω, ROS %5</source>
        <translation>%1 m, %2 kHz: Z at C %3 Ω; behind the balun %4 Ω, SWR %5</translation>
    </message>
</context>
<context>
    <name>AfficheLobes</name>
    <message>
        <source>fr</source>
        <comment>the code of the texts&apos; language</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>AideViewer</name>
    <message>
        <source>Aide de Kesu</source>
        <translation>Kesu Help</translation>
    </message>
</context>
<context>
    <name>CarteLongueurs</name>
    <message>
        <source>Fenêtres</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Échelle : %1</source>
        <translation>Ladder line: %1</translation>
    </message>
</context>
<context>
    <name>CarteNec</name>
    <message>
        <source>Échelle : </source>
        <translation>Ladder line: </translation>
    </message>
    <message>
        <source> — %1 m : |Z| = %2 Ω</source>
        <translation> — %1 m: |Z| = %2 Ω</translation>
    </message>
    <message>
        <source> graphe</source>
        <translation> chart</translation>
    </message>
    <message>
        <source>m depuis B</source>
        <translation>m from B</translation>
    </message>
</context>
<context>
    <name>Commande</name>
    <message>
        <source>CLASSE</source>
        <translation>CLASS</translation>
    </message>
    <message>
        <source>LISTE</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>SOL</source>
        <translation>GROUND</translation>
    </message>
    <message>
        <source>FORME</source>
        <translation>SHAPE</translation>
    </message>
    <message>
        <source>DEGRES</source>
        <translation>DEGREES</translation>
    </message>
    <message>
        <source>RAPPORT</source>
        <translation>RATIO</translation>
    </message>
    <message>
        <source>ROS</source>
        <translation>SWR</translation>
    </message>
    <message>
        <source>REGION</source>
        <translation>REGION</translation>
    </message>
    <message>
        <source>LANGUE</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>POURCENT</source>
        <translation>PERCENT</translation>
    </message>
    <message>
        <source>REGLE</source>
        <translation>RULE</translation>
    </message>
    <message>
        <source>FIL</source>
        <translation>WIRE</translation>
    </message>
    <message>
        <source>RESEAU</source>
        <translation>NETWORK</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>POINT</source>
        <translation>POINT</translation>
    </message>
    <message>
        <source>MESURE</source>
        <translation>MEASUREMENT</translation>
    </message>
</context>
<context>
    <name>CourbesMesure</name>
    <message>
        <source>ROS</source>
        <translation>SWR</translation>
    </message>
    <message>
        <source>En haut, le ROS que voit la boîte après le balun %1:1 (tirets : sa limite) ; en bas, R (trait plein) et X (tirets) en C. Lignes : le modèle NEC-2</source>
        <translation>Above, the SWR the tuner sees behind the %1:1 balun (dashes: its limit); below, R (solid) and X (dashes) at C. Lines: the NEC-2 model</translation>
    </message>
    <message>
        <source>Points et croix : la mesure %1</source>
        <translation>Dots and crosses: the measurement %1</translation>
    </message>
</context>
<context>
    <name>DessinDiagrammes</name>
    <message>
        <source>Élévation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Azimut à %1° d&apos;élévation</source>
        <translation>Azimuth at %1° elevation</translation>
    </message>
    <message>
        <source>%1 m — %2 kHz%3</source>
        <translation>%1 m — %2 kHz%3</translation>
    </message>
    <message>
        <source> (centre de la bande)</source>
        <translation> (centre of the band)</translation>
    </message>
    <message>
        <source>Gain maximal : %1 dBi</source>
        <translation>Maximum gain: %1 dBi</translation>
    </message>
    <message>
        <source>à %1° d&apos;élévation, azimut %2°</source>
        <translation>at %1° elevation, azimuth %2°</translation>
    </message>
    <message>
        <source>Ouverture à −3 dB : %1°</source>
        <translation>−3 dB span: %1°</translation>
    </message>
    <message>
        <source>En travers à 10°, 20°, 30° : %1, %2, %3 dBi</source>
        <translation>Broadside at 10°, 20°, 30°: %1, %2, %3 dBi</translation>
    </message>
    <message>
        <source>Perdu dans le sol : %1 %</source>
        <translation>Lost in the ground: %1 %</translation>
    </message>
    <message>
        <source>%1 m : élévation %2°, en travers %3 dBi, le long du fil %4 dBi</source>
        <translation>%1 m: elevation %2°, broadside %3 dBi, along the wire %4 dBi</translation>
    </message>
    <message>
        <source>%1 m : azimut %2° (0° le long du fil), %3 dBi à %4° d&apos;élévation</source>
        <translation>%1 m: azimuth %2° (0° along the wire), %3 dBi at %4° elevation</translation>
    </message>
    <message>
        <source>0 dB</source>
        <translation>0 dB</translation>
    </message>
    <message>
        <source>Ouverture à −3 dB : %1° (coupe à l&apos;azimut %2°)</source>
        <translation>−3 dB span: %1° (cut at azimuth %2°)</translation>
    </message>
    <message>
        <source>Trait plein : en travers du fil ; tirets : le long du fil ; tirets et points : par l&apos;azimut du lobe le plus fort quand il n&apos;est pas en travers. Anneaux à 0, −3, −10 et −20 dB du gain le plus fort de toutes les bandes.</source>
        <translation>Solid: broadside to the wire; dashed: along the wire; dash-dotted: at the strongest lobe&apos;s azimuth when it is not broadside. Rings at 0, −3, −10 and −20 dB of the strongest gain of all the bands.</translation>
    </message>
    <message>
        <source>en travers du fil</source>
        <translation>broadside to the wire</translation>
    </message>
    <message>
        <source>le long du fil</source>
        <translation>along the wire</translation>
    </message>
    <message>
        <source>par l&apos;azimut du lobe</source>
        <translation>at the lobe&apos;s azimuth</translation>
    </message>
    <message>
        <source>anneaux à 0, −3, −10 et −20 dB de %1 dBi</source>
        <translation>rings at 0, −3, −10 and −20 dB of %1 dBi</translation>
    </message>
    <message>
        <source>, à l&apos;azimut %1° %2 dBi</source>
        <translation>, at azimuth %1° %2 dBi</translation>
    </message>
</context>
<context>
    <name>DiagrammesNec</name>
    <message>
        <source>Diagrammes NEC-2</source>
        <translation>NEC-2 Patterns</translation>
    </message>
    <message>
        <source>Le champ lointain de l&apos;antenne de la vérification NEC-2, avec ses données : appuyez sur « Calculer ».</source>
        <translation>The far field of the NEC-2 check&apos;s antenna, with its inputs: press “Compute”.</translation>
    </message>
    <message>
        <source>Calcul NEC-2 en cours…</source>
        <translation>NEC-2 computation running…</translation>
    </message>
    <message>
        <source>Les données de la vérification NEC-2 ont changé : ces diagrammes sont ceux de l&apos;antenne d&apos;avant. Appuyez sur « Calculer ».</source>
        <translation>The NEC-2 check&apos;s inputs have changed: these patterns are the former antenna&apos;s. Press “Compute”.</translation>
    </message>
    <message>
        <source>V inversé à %1°, sommet à %2 m</source>
        <translation>inverted V at %1°, apex at %2 m</translation>
    </message>
    <message>
        <source>horizontale à %1 m</source>
        <translation>horizontal at %1 m</translation>
    </message>
    <message>
        <source>Kesu — branche %1 cm, échelle %2 cm, %3, %4, fil de %5 mm</source>
        <translation>Kesu — leg %1 cm, ladder line %2 cm, %3, %4, %5 mm wire</translation>
    </message>
    <message>
        <source>dans l&apos;espace libre</source>
        <translation>in free space</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Enregistrer les diagrammes</source>
        <translation>Save the patterns</translation>
    </message>
    <message>
        <source>diagrammes-nec.png</source>
        <translation>nec-patterns.png</translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>&amp;Enregistrer l&apos;image…</source>
        <translation>&amp;Save the picture…</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>FenetreAjustement</name>
    <message>
        <source>indéterminée</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>Ajuster le modèle</source>
        <translation>Fit the model</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>C, au bout de l&apos;échelle</source>
        <translation>C, at the end of the ladder line</translation>
    </message>
    <message>
        <source>après le balun, côté émetteur</source>
        <translation>behind the balun, on the transmitter&apos;s side</translation>
    </message>
    <message>
        <source>B, au point d&apos;alimentation</source>
        <translation>B, at the feed point</translation>
    </message>
    <message>
        <source>Mesure :</source>
        <translation>Measurement:</translation>
    </message>
    <message>
        <source>Points utilisés :</source>
        <translation>Points used:</translation>
    </message>
    <message>
        <source>Point de mesure :</source>
        <translation>Point of measure:</translation>
    </message>
    <message>
        <source>&amp;Hauteur (m)</source>
        <translation>&amp;Height (m)</translation>
    </message>
    <message>
        <source>&amp;Branche (cm)</source>
        <translation>&amp;Leg (cm)</translation>
    </message>
    <message>
        <source>&amp;Coefficient de vélocité de l&apos;échelle</source>
        <translation>&amp;Velocity factor of the ladder line</translation>
    </message>
    <message>
        <source>&amp;Z0 de l&apos;échelle (Ω)</source>
        <translation>&amp;Z0 of the ladder line (Ω)</translation>
    </message>
    <message>
        <source>&amp;Sol (εr, σ)</source>
        <translation>&amp;Ground (εr, σ)</translation>
    </message>
    <message>
        <source>Inconnues</source>
        <translation>Unknowns</translation>
    </message>
    <message>
        <source>Ca&amp;lculs de nec2c au plus</source>
        <translation>nec2c runs at &amp;most</translation>
    </message>
    <message>
        <source>&amp;Ajuster</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>A&amp;ppliquer</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Reporte les valeurs ajustées dans la vérification NEC-2</source>
        <translation>Carries the fitted values into the NEC-2 check</translation>
    </message>
    <message>
        <source>Inconnue</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Départ</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ajustée</source>
        <translation>Fitted</translation>
    </message>
    <message>
        <source>Incertitude (±1 σ)</source>
        <translation>Uncertainty (±1 σ)</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>environ %1 s</source>
        <translation>about %1 s</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Branche</source>
        <translation>Leg</translation>
    </message>
    <message>
        <source>Coefficient de vélocité de l&apos;échelle</source>
        <translation>Ladder line velocity factor</translation>
    </message>
    <message>
        <source>Z0 de l&apos;échelle</source>
        <translation>Z0 of the ladder line</translation>
    </message>
    <message>
        <source>Permittivité du sol (εr)</source>
        <translation>Ground permittivity (εr)</translation>
    </message>
    <message>
        <source>Conductivité du sol (σ)</source>
        <translation>Ground conductivity (σ)</translation>
    </message>
    <message>
        <source>Écart à la mesure : %1 avant l&apos;ajustement, %2 après</source>
        <translation>Misfit to the measurement: %1 before the fit, %2 after</translation>
    </message>
</context>
<context>
    <name>Impression</name>
    <message>
        <source>Répartition des courants</source>
        <translation>Current distribution</translation>
    </message>
    <message>
        <source>Lobes de rayonnement</source>
        <translation>Radiation lobes</translation>
    </message>
</context>
<context>
    <name>Legendes</name>
    <message>
        <source>Longueur physique d&apos;une branche : %1cm</source>
        <translation>Physical length of one leg: %1 cm</translation>
    </message>
    <message>
        <source>Longueur physique de l&apos;échelle : %1cm</source>
        <translation>Physical length of the ladder line: %1 cm</translation>
    </message>
    <message>
        <source>Coefficient de vélocité choisi pour l&apos;échelle : %1</source>
        <translation>Velocity factor chosen for the ladder line: %1</translation>
    </message>
    <message>
        <source>Coefficient de vélocité choisi pour le dipole: %1</source>
        <translation>Velocity factor chosen for the legs: %1</translation>
    </message>
    <message>
        <source>Calcul éffectués pour une impédance moyenne ou basse.</source>
        <translation>Computed for a medium or low impedance.</translation>
    </message>
    <message>
        <source>Calcul éffectués pour une impédance basse.</source>
        <translation>Computed for a low impedance.</translation>
    </message>
    <message>
        <source>Coefficient de vélocité choisi pour le dipole : %1</source>
        <translation>Velocity factor chosen for the legs: %1</translation>
    </message>
    <message>
        <source>Bande : %1 m</source>
        <translation>Band: %1 m</translation>
    </message>
    <message>
        <source>Nombre de Lamda dans le demi-dipole : %1</source>
        <translation>Wavelengths in one leg: %1</translation>
    </message>
</context>
<context>
    <name>LongueursConseillees</name>
    <message>
        <source>nec2c n&apos;est pas installé : la recherche suit la règle des bandeaux du graphe. Avec NEC-2 (paquet nec2c), elle jugerait l&apos;impédance calculée de l&apos;antenne, sur toute la bande et pour les branches raccourcies et allongées de la tolérance, et donnerait pour chaque fenêtre le ROS que voit la boîte et la perte de l&apos;échelle.</source>
        <translation>nec2c is not installed: the search follows the rule of the chart&apos;s bars. With NEC-2 (package nec2c), it would judge the antenna&apos;s computed impedance, across the whole band and for the legs shortened and lengthened by the tolerance, and would give for each window the SWR the tuner sees and the ladder line&apos;s loss.</translation>
    </message>
    <message>
        <source>Calcul NEC-2 en cours…</source>
        <translation>NEC-2 computation running…</translation>
    </message>
    <message>
        <source>Aucune longueur de la plage n&apos;accorde une bande.</source>
        <translation>No length in the range matches a band.</translation>
    </message>
    <message>
        <source>Toutes les bandes cochées s&apos;accordent dans les fenêtres ci-dessous, de la plus large à la plus étroite.</source>
        <translation>Every ticked band matches in the windows below, from the widest to the narrowest.</translation>
    </message>
    <message>
        <source>Aucune longueur de la plage n&apos;accorde toutes les bandes : voici celles qui en accordent le plus (%1 sur %2).</source>
        <translation>No length in the range matches every band: here are those that match the most (%1 of %2).</translation>
    </message>
    <message>
        <source>Longueurs conseillées</source>
        <translation>Advised lengths</translation>
    </message>
    <message>
        <source>Plage</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>É&amp;chelle de</source>
        <translation>&amp;Ladder from</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>à</source>
        <translation>to</translation>
    </message>
    <message>
        <source>&amp;Tolérance sur les branches</source>
        <translation>Leg &amp;tolerance</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Échelle à</source>
        <translation>Ladder to</translation>
    </message>
    <message>
        <source>Graphe (classe de la fenêtre principale)</source>
        <translation>Chart (class of the main window)</translation>
    </message>
    <message>
        <source>NEC-2 : limite de |Z| de la classe</source>
        <translation>NEC-2: the class&apos;s |Z| limit</translation>
    </message>
    <message>
        <source>NEC-2 : boîte d&apos;accord</source>
        <translation>NEC-2: antenna tuner</translation>
    </message>
    <message>
        <source>C&amp;ritère</source>
        <translation>C&amp;riterion</translation>
    </message>
    <message>
        <source>Sur toute la &amp;bande (plan IARU)</source>
        <translation>Across the whole &amp;band (IARU plan)</translation>
    </message>
    <message>
        <source>Chercher aussi la bra&amp;nche</source>
        <translation>Search the le&amp;g too</translation>
    </message>
    <message>
        <source>Branche &amp;de</source>
        <translation>Leg &amp;from</translation>
    </message>
    <message>
        <source>Branche à</source>
        <translation>Leg to</translation>
    </message>
    <message>
        <source>&amp;Pas</source>
        <translation>St&amp;ep</translation>
    </message>
    <message>
        <source>L&apos;antenne, l&apos;échelle et la boîte sont celles de la fenêtre principale et de la vérification NEC-2.</source>
        <translation>The antenna, the ladder line and the tuner are those of the main window and of the NEC-2 check.</translation>
    </message>
    <message>
        <source>C&amp;hercher</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Appli&amp;quer</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Reporte le centre de la fenêtre choisie dans la longueur de l&apos;échelle (et la branche, si elle a été cherchée), puis lance le graphe</source>
        <translation>Puts the centre of the chosen window into the ladder line length (and the leg, if it was searched), then draws the chart</translation>
    </message>
    <message>
        <source>Rang</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Branche (cm)</source>
        <translation>Leg (cm)</translation>
    </message>
    <message>
        <source>Couper à (cm)</source>
        <translation>Cut at (cm)</translation>
    </message>
    <message>
        <source>De (cm)</source>
        <translation>From (cm)</translation>
    </message>
    <message>
        <source>À (cm)</source>
        <translation>To (cm)</translation>
    </message>
    <message>
        <source>Largeur (cm)</source>
        <translation>Width (cm)</translation>
    </message>
    <message>
        <source>Bandes manquantes</source>
        <translation>Missing bands</translation>
    </message>
    <message>
        <source>ROS boîte max</source>
        <translation>Max tuner SWR</translation>
    </message>
    <message>
        <source>Perte max (dB)</source>
        <translation>Max loss (dB)</translation>
    </message>
    <message>
        <source>En couleur : la bande ne s&apos;accorde pas là ; en vert : les fenêtres proposées, la fenêtre choisie encadrée.</source>
        <translation>Coloured: the tuner cannot match the band there; green: the windows proposed, the chosen window framed.</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Accordable</source>
        <translation>Tunable</translation>
    </message>
    <message>
        <source>Perte de l&apos;échelle (dB)</source>
        <translation>Ladder loss (dB)</translation>
    </message>
    <message>
        <source>ROS vu par la boîte
(le pire)</source>
        <translation>SWR the tuner sees
(the worst)</translation>
    </message>
    <message>
        <source>|Z| en C, le plus petit (Ω)</source>
        <translation>|Z| at C, the smallest (Ω)</translation>
    </message>
    <message>
        <source>|Z| en C, le plus grand (Ω)</source>
        <translation>|Z| at C, the largest (Ω)</translation>
    </message>
    <message>
        <source>|Z| en C : %1 Ω</source>
        <translation>|Z| at C: %1 Ω</translation>
    </message>
    <message>
        <source>ROS boîte : %1</source>
        <translation>Tuner SWR: %1</translation>
    </message>
    <message>
        <source>Valeur jugée</source>
        <translation>Value judged</translation>
    </message>
    <message>
        <source>Limite</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Marge</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Pour information</source>
        <translation>For information</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>%1 m : ROS %2 pour %3 au plus</source>
        <translation>%1 m: SWR %2 for %3 at most</translation>
    </message>
    <message>
        <source>%1 m : |Z| %2 Ω pour %3 au moins</source>
        <translation>%1 m: |Z| %2 Ω for %3 at least</translation>
    </message>
    <message>
        <source>%1 m : |Z| %2 Ω pour %3 au plus</source>
        <translation>%1 m: |Z| %2 Ω for %3 at most</translation>
    </message>
    <message>
        <source>Manquent : %1.</source>
        <translation>Missed: %1.</translation>
    </message>
    <message>
        <source>%1 calculs NEC-2 à faire</source>
        <translation>%1 NEC-2 runs to make</translation>
    </message>
    <message>
        <source>, environ %1 s d&apos;après les derniers</source>
        <translation>, about %1 s judging by the last ones</translation>
    </message>
    <message>
        <source>reste environ %1 s</source>
        <translation>about %1 s left</translation>
    </message>
    <message>
        <source>%1 m : %2</source>
        <translation>%1 m: %2</translation>
    </message>
    <message>
        <source>%1 m : perte %2 dB pour %3 au plus</source>
        <translation>%1 m: loss %2 dB for %3 at most</translation>
    </message>
    <message>
        <source>Perte de la boîte (dB)
(la pire)</source>
        <translation>Tuner loss (dB)
(the worst)</translation>
    </message>
    <message>
        <source>NEC-2 : boîte en T</source>
        <translation>NEC-2: T tuner</translation>
    </message>
    <message>
        <source>NEC-2 : boîte en L</source>
        <translation>NEC-2: L tuner</translation>
    </message>
    <message>
        <source>%1 (%2 à %3)</source>
        <translation>%1 (%2 to %3)</translation>
    </message>
    <message>
        <source>Tolérance sur le c&amp;oefficient de l&apos;échelle</source>
        <translation>Tolerance on the ladder line&apos;s &amp;velocity factor</translation>
    </message>
    <message>
        <source>&amp;Largeur minimale</source>
        <translation>Minimum &amp;width</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Modele</name>
    <message>
        <source>%1 : modele de la verification NEC-2</source>
        <translation>%1: model of the NEC-2 check</translation>
    </message>
    <message>
        <source>Antenne : deux branches de %1 cm, fil de %2 mm (%3), %4, hauteur %5 m%6</source>
        <translation>Antenna: two branches of %1 cm, wire of %2 mm (%3), %4, height %5 m%6</translation>
    </message>
    <message>
        <source>, angle %1 deg</source>
        <translation>, angle %1 deg</translation>
    </message>
    <message>
        <source>Sol : %1</source>
        <translation>Ground: %1</translation>
    </message>
    <message>
        <source>Bandes : %1</source>
        <translation>Bands: %1</translation>
    </message>
    <message>
        <source>Frequences : celle de chaque bande, puis les points de son plan (region %1)</source>
        <translation>Frequencies: each band&apos;s own, then the points of its plan (region %1)</translation>
    </message>
    <message>
        <source>Alimentation : segment 1 du fil 1, au centre entre les branches</source>
        <translation>Feed: segment 1 of wire 1, in the middle between the branches</translation>
    </message>
</context>
<context>
    <name>NavigateurAide</name>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>Nec</name>
    <message>
        <source>Longueur de la branche (cm)</source>
        <translation>Leg length (cm)</translation>
    </message>
    <message>
        <source>Longueur de l&apos;échelle (cm)</source>
        <translation>Ladder line length (cm)</translation>
    </message>
    <message>
        <source>Coefficient de vélocité de l&apos;échelle</source>
        <translation>Ladder line velocity factor</translation>
    </message>
    <message>
        <source>Diamètre du fil (mm)</source>
        <translation>Wire diameter (mm)</translation>
    </message>
    <message>
        <source>Hauteur (m)</source>
        <translation>Height (m)</translation>
    </message>
    <message>
        <source>Écartement de l&apos;échelle (mm)</source>
        <translation>Ladder line spacing (mm)</translation>
    </message>
    <message>
        <source>Impédance Z0 (Ω)</source>
        <translation>Impedance Z0 (Ω)</translation>
    </message>
    <message>
        <source>Perte de l&apos;échelle (dB/100 m à 10 MHz)</source>
        <translation>Ladder line loss (dB/100 m at 10 MHz)</translation>
    </message>
    <message>
        <source>Limite basse (Ω)</source>
        <translation>Low limit (Ω)</translation>
    </message>
    <message>
        <source>Limite moyenne (Ω)</source>
        <translation>Medium limit (Ω)</translation>
    </message>
    <message>
        <source>Limite haute (Ω)</source>
        <translation>High limit (Ω)</translation>
    </message>
    <message>
        <source>ROS maximal de la boîte</source>
        <translation>Tuner&apos;s maximum SWR</translation>
    </message>
    <message>
        <source>Longueur maximale de la carte (cm)</source>
        <translation>Map length (cm)</translation>
    </message>
    <message>
        <source>Capacité minimale (pF)</source>
        <translation>Minimum capacitance (pF)</translation>
    </message>
    <message>
        <source>Capacité maximale (pF)</source>
        <translation>Maximum capacitance (pF)</translation>
    </message>
    <message>
        <source>Self minimale (µH)</source>
        <translation>Minimum inductance (µH)</translation>
    </message>
    <message>
        <source>Self maximale (µH)</source>
        <translation>Maximum inductance (µH)</translation>
    </message>
    <message>
        <source>Q de la self</source>
        <translation>Coil Q</translation>
    </message>
    <message>
        <source>Q des condensateurs</source>
        <translation>Capacitors&apos; Q</translation>
    </message>
    <message>
        <source>Puissance de l&apos;émetteur (W)</source>
        <translation>Transmitter power (W)</translation>
    </message>
    <message>
        <source>Perte maximale de la boîte (dB)</source>
        <translation>Tuner&apos;s maximum loss (dB)</translation>
    </message>
    <message>
        <source>Tension maximale des condensateurs (V)</source>
        <translation>Capacitors&apos; maximum voltage (V)</translation>
    </message>
    <message>
        <source>Permittivité relative du sol</source>
        <translation>Relative permittivity of the ground</translation>
    </message>
    <message>
        <source>Conductivité du sol (S/m)</source>
        <translation>Conductivity of the ground (S/m)</translation>
    </message>
</context>
<context>
    <name>Plateforme</name>
    <message>
        <source>Le fichier « %1 » existe déjà dans ce dossier.
Voulez-vous le remplacer ?</source>
        <translation>The file “%1” already exists in this folder.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Ne pas enregistrer</source>
        <translation>&amp;Don&apos;t save</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Visualisation des impédances sur une antenne KESU</source>
        <translation>Impedances along a KESU antenna</translation>
    </message>
    <message>
        <source> Accord Série </source>
        <translation> Series Tuning </translation>
    </message>
    <message>
        <source> Accord Parallèle </source>
        <translation> Parallel Tuning </translation>
    </message>
    <message>
        <source>Longueur physique d&apos;une branche :</source>
        <translation>Physical length of one leg:</translation>
    </message>
    <message>
        <source>Longueur physique de l&apos;échelle :</source>
        <translation>Physical length of ladder:</translation>
    </message>
    <message>
        <source>Coef de vélocité :</source>
        <translation>Velocity factor:</translation>
    </message>
    <message>
        <source>Choix du coefficient de vélocité de la ligne d&apos;alimentation</source>
        <translation>Choose the velocity factor of the feed line</translation>
    </message>
    <message>
        <source>Fe&amp;rmer</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Lancer</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Lancement des calculs</source>
        <translation>Runs the calculation</translation>
    </message>
    <message>
        <source> Longueur Electrique &amp;&amp; Physique</source>
        <translation> Electrical &amp;&amp; Physical Length</translation>
    </message>
    <message>
        <source>Longueur électrique d&apos;une branche</source>
        <translation>Electrical length of one leg</translation>
    </message>
    <message>
        <source>Longueur physique d&apos;une branche</source>
        <translation>Physical length of one leg</translation>
    </message>
    <message>
        <source>Longueur éléctrique de l&apos;echelle</source>
        <translation>Electrical length of the ladder line</translation>
    </message>
    <message>
        <source>Longueur physique de l&apos;échelle</source>
        <translation>Physical length of the ladder line</translation>
    </message>
    <message>
        <source>Modification logueur demi-dipôle</source>
        <translation>Change the leg length</translation>
    </message>
    <message>
        <source>Modification longueur echelle</source>
        <translation>Change the ladder line length</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source> Limite des impédances </source>
        <translation> Impedance Limits </translation>
    </message>
    <message>
        <source>Impédance basse</source>
        <translation>Low impedance</translation>
    </message>
    <message>
        <source>Accord Série, calcul basse impédance</source>
        <translation>Series tuning, low impedance</translation>
    </message>
    <message>
        <source>Impédance moyenne</source>
        <translation>Medium impedance</translation>
    </message>
    <message>
        <source>Accord Série, calcul basse ou moyenne impédance</source>
        <translation>Series tuning, low or medium impedance</translation>
    </message>
    <message>
        <source>Lobes de rayonnement de l&apos;antenne</source>
        <translation>Antenna radiation lobes</translation>
    </message>
    <message>
        <source>Visualisation des diagramme de rayonnement dans le plan</source>
        <translation>Shows the radiation patterns in the plane</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Print</translation>
    </message>
    <message>
        <source> Bandes à utiliser </source>
        <translation> Bands to Use </translation>
    </message>
    <message>
        <source>Choix des bandes de travail de l&apos;antenne</source>
        <translation>Choose the bands the antenna will work</translation>
    </message>
    <message>
        <source>Impédance haute</source>
        <translation>High impedance</translation>
    </message>
    <message>
        <source>Accord Parallèle, calcul haute impédance</source>
        <translation>Parallel tuning, high impedance</translation>
    </message>
    <message>
        <source>Réservé à une utilisation future</source>
        <translation>Reserved for future use</translation>
    </message>
    <message>
        <source>Limite basse :</source>
        <translation>Low limit:</translation>
    </message>
    <message>
        <source>Limite moyenne :</source>
        <translation>Medium limit:</translation>
    </message>
    <message>
        <source>Limite haute :</source>
        <translation>High limit:</translation>
    </message>
    <message>
        <source>Correspond à une valeur &lt; à 150 ohms</source>
        <translation>Stands for a value &lt; 150 ohms</translation>
    </message>
    <message>
        <source>Correspond à une valeur &lt; 500 ohms</source>
        <translation>Stands for a value &lt; 500 ohms</translation>
    </message>
    <message>
        <source>Correspond à une valeur &gt; 1000 Ohms</source>
        <translation>Stands for a value &gt; 1000 ohms</translation>
    </message>
    <message>
        <source>Image PNG à la taille affichée (*.png)</source>
        <translation>PNG picture at the size shown (*.png)</translation>
    </message>
    <message>
        <source>Image PNG deux fois plus grande (*.png)</source>
        <translation>PNG picture twice as large (*.png)</translation>
    </message>
    <message>
        <source>Image PNG quatre fois plus grande (*.png)</source>
        <translation>PNG picture four times as large (*.png)</translation>
    </message>
    <message>
        <source>Bande : %1 m</source>
        <translation>Band: %1 m</translation>
    </message>
    <message>
        <source>Kesu %1-%2.png</source>
        <translation>Kesu %1-%2.png</translation>
    </message>
    <message>
        <source>Kesu lobes %1.png</source>
        <translation>Kesu lobes %1.png</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Editer</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Fréquences des bandes</source>
        <translation>Band &amp;Frequencies</translation>
    </message>
    <message>
        <source>Permet de changer la valeur des fréquences de références</source>
        <translation>Changes the bands&apos; reference frequencies</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Vérification NEC-2…</source>
        <translation>NEC-2 &amp;Check…</translation>
    </message>
    <message>
        <source>Langue / Language</source>
        <translation>Language / Langue</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>A &amp;Propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Kesu sera en anglais à son prochain démarrage.</source>
        <translation>Kesu will speak English from its next start.</translation>
    </message>
    <message>
        <source>Kesu sera en français à son prochain démarrage.</source>
        <translation>Kesu will speak French from its next start.</translation>
    </message>
    <message>
        <source>Disponible après « Lancer » : la vérification reprend l&apos;antenne, l&apos;échelle et les bandes du graphe</source>
        <translation>Available after “Run”: the check takes the antenna, the ladder line and the bands of the chart</translation>
    </message>
    <message>
        <source>Calcule l&apos;antenne avec NEC-2 (nec2c) et compare l&apos;accord à celui du graphe</source>
        <translation>Computes the antenna with NEC-2 (nec2c) and compares its tuning with the chart&apos;s</translation>
    </message>
    <message>
        <source>Coef de vélocité de la branche</source>
        <translation>Velocity factor of the leg</translation>
    </message>
    <message>
        <source>Coef de vélocité de l&apos;échelle</source>
        <translation>Velocity factor of the ladder line</translation>
    </message>
    <message>
        <source>&amp;Longueurs conseillées…</source>
        <translation>&amp;Advised lengths…</translation>
    </message>
    <message>
        <source>Bande de %1 m</source>
        <translation>%1 m band</translation>
    </message>
    <message>
        <source>Coefficient de vélocité du fil des branches (A - B)</source>
        <translation>Velocity factor of the legs&apos; wire (A - B)</translation>
    </message>
    <message>
        <source>&amp;Diagrammes NEC-2…</source>
        <translation>NEC-2 &amp;patterns…</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Fichiers &amp;récents</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>No&amp;tes du projet…</source>
        <translation>Project no&amp;tes…</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;image…</source>
        <translation>E&amp;xport the picture…</translation>
    </message>
    <message>
        <source>Exporter le &amp;modèle NEC-2…</source>
        <translation>Export the NEC-2 &amp;model…</translation>
    </message>
    <message>
        <source>Projet Kesu (*.kesu)</source>
        <translation>Kesu project (*.kesu)</translation>
    </message>
    <message>
        <source>Nouveau projet</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Projet : %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source> (lecture seule)</source>
        <translation> (read-only)</translation>
    </message>
    <message>
        <source> — modifié</source>
        <translation> — modified</translation>
    </message>
    <message>
        <source>le nouveau projet</source>
        <translation>the new project</translation>
    </message>
    <message>
        <source>Les changements de %1 ne sont pas enregistrés. Les enregistrer ?</source>
        <translation>The changes to %1 are not saved. Save them?</translation>
    </message>
    <message>
        <source>Ouvrir un projet</source>
        <translation>Open a project</translation>
    </message>
    <message>
        <source>antenne-%1.kesu</source>
        <translation>antenna-%1.kesu</translation>
    </message>
    <message>
        <source>Enregistrer le projet</source>
        <translation>Save the project</translation>
    </message>
    <message>
        <source>Notes du projet</source>
        <translation>Project notes</translation>
    </message>
    <message>
        <source>Modèle NEC-2 (*.nec)</source>
        <translation>NEC-2 model (*.nec)</translation>
    </message>
    <message>
        <source>Exporter le modèle NEC-2</source>
        <translation>Export the NEC-2 model</translation>
    </message>
    <message>
        <source>antenne-%1.nec</source>
        <translation>antenna-%1.nec</translation>
    </message>
    <message>
        <source>Accepter un moteur NEC-2 &amp;non vérifié</source>
        <translation>Accept an &amp;unchecked NEC-2 engine</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Fréquences</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Bandes</source>
        <translation>Bands</translation>
    </message>
    <message>
        <source>Sauvegarder définitivement les fréquences ?</source>
        <translation>Save the frequencies permanently?</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>A_Propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Antenne Kesu   Version </source>
        <translation>Kesu Antenna   Version </translation>
    </message>
    <message>
        <source>Logiciel libre, licence GPL 3</source>
        <translation>Free software, GPL 3 license</translation>
    </message>
</context>
<context>
    <name>TableauNec</name>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Bande</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Fréquence
(kHz)</source>
        <translation>Frequency
(kHz)</translation>
    </message>
    <message>
        <source>Z en B
(Ω)</source>
        <translation>Z at B
(Ω)</translation>
    </message>
    <message>
        <source>Z en C
(Ω)</source>
        <translation>Z at C
(Ω)</translation>
    </message>
    <message>
        <source>|Z| en C
(Ω)</source>
        <translation>|Z| at C
(Ω)</translation>
    </message>
    <message>
        <source>ROS</source>
        <translation>SWR</translation>
    </message>
    <message>
        <source>Accord
NEC</source>
        <translation>Tunable
NEC</translation>
    </message>
    <message>
        <source>Accord
graphe</source>
        <translation>Tunable
chart</translation>
    </message>
    <message>
        <source>Accord
bande</source>
        <translation>Tunable
band</translation>
    </message>
    <message>
        <source>ROS
boîte</source>
        <translation>Tuner
SWR</translation>
    </message>
    <message>
        <source>Perte
(dB)</source>
        <translation>Loss
(dB)</translation>
    </message>
    <message>
        <source>Rendement
(%)</source>
        <translation>Efficiency
(%)</translation>
    </message>
    <message>
        <source>Perte fil
(%)</source>
        <translation>Wire loss
(%)</translation>
    </message>
    <message>
        <source>C côté émetteur</source>
        <translation>C on the transmitter&apos;s side</translation>
    </message>
    <message>
        <source>C côté antenne</source>
        <translation>C on the antenna&apos;s side</translation>
    </message>
    <message>
        <source>Tension de crête des condensateurs : %1 V ; self : %2 A efficaces, %3 W dissipés</source>
        <translation>Capacitors&apos; peak voltage: %1 V; coil: %2 A RMS, %3 W dissipated</translation>
    </message>
    <message>
        <source>Libre
à tort (%)</source>
        <translation>Wrongly
free (%)</translation>
    </message>
    <message>
        <source>Interdit
à tort (%)</source>
        <translation>Wrongly
barred (%)</translation>
    </message>
    <message>
        <source>Réglage
(pF, µH)</source>
        <translation>Setting
(pF, µH)</translation>
    </message>
    <message>
        <source>perte %1 dB</source>
        <translation>loss %1 dB</translation>
    </message>
    <message>
        <source>Z mesurée
en C (Ω)</source>
        <translation>Measured Z
at C (Ω)</translation>
    </message>
    <message>
        <source>Écart à la
mesure (%)</source>
        <translation>Off the
measurement (%)</translation>
    </message>
    <message>
        <source>|Z du modèle − Z mesurée| / |Z mesurée|, en C, à la fréquence de la bande</source>
        <translation>|model Z − measured Z| / |measured Z|, at C, at the band&apos;s frequency</translation>
    </message>
</context>
<context>
    <name>Textes</name>
    <message>
        <source>Débordement d&apos;entier</source>
        <translation>Integer overflow</translation>
    </message>
    <message>
        <source>Erreur de vérification d&apos;étendue</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>Division par zéro en virgule flottante</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Opération en virgule flottante incorrecte</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Débordement en virgule flottante</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1 : le fichier existant est conservé</source>
        <translation>Cannot save the file %1: the existing file is kept</translation>
    </message>
    <message>
        <source>Ligne %1 : la bande %2 ne peut pas être enregistrée dans Kesu.ini, qui n&apos;accepte que les bandes de %3 à %4</source>
        <translation>Line %1: the band %2 cannot be saved in Kesu.ini, which only accepts bands from %3 to %4</translation>
    </message>
    <message>
        <source>Ligne %1 : la fréquence %2 ne peut pas être enregistrée dans Kesu.ini, qui n&apos;accepte que les fréquences de %3 à %4</source>
        <translation>Line %1: the frequency %2 cannot be saved in Kesu.ini, which only accepts frequencies from %3 to %4</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier d&apos;aide %1</source>
        <translation>Cannot open the help file %1</translation>
    </message>
    <message>
        <source>Ressource %1 non trouvée</source>
        <translation>Resource %1 not found</translation>
    </message>
    <message>
        <source>Fichier KESU.INI introuvable</source>
        <translation>File KESU.INI not found</translation>
    </message>
    <message>
        <source>Vous devez saisir au moins une bande</source>
        <translation>You must choose at least one band</translation>
    </message>
    <message>
        <source>Vous n&apos;avez pas défini l&apos;antenne et/ou sa ligne</source>
        <translation>You have not defined the antenna and/or its feed line</translation>
    </message>
    <message>
        <source>Erreur de HardCopy</source>
        <translation>HardCopy error</translation>
    </message>
    <message>
        <source>Impossible de préparer la page à imprimer</source>
        <translation>Cannot prepare the page to print</translation>
    </message>
    <message>
        <source>Impossible de démarrer l&apos;impression</source>
        <translation>Cannot start printing</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer l&apos;image %1 : %2</source>
        <translation>Cannot save the picture %1: %2</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1 : %2</source>
        <translation>Cannot save the file %1: %2</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>le dossier n&apos;accepte pas l&apos;écriture d&apos;un fichier</source>
        <translation>the folder does not allow a file to be written</translation>
    </message>
    <message>
        <source>un dossier porte déjà ce nom</source>
        <translation>a folder already has this name</translation>
    </message>
    <message>
        <source>le fichier existant est protégé en écriture, il est conservé</source>
        <translation>the existing file is write-protected, it is kept</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être créé</source>
        <translation>the file cannot be created</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ou retiré ?), rien n&apos;a été enregistré</source>
        <translation>writing failed (disk full or removed?), nothing was saved</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (disque plein ou retiré ?), le fichier existant est conservé</source>
        <translation>writing failed (disk full or removed?), the existing file is kept</translation>
    </message>
    <message>
        <source>le fichier existant ne peut pas être remplacé, il est conservé</source>
        <translation>the existing file cannot be replaced, it is kept</translation>
    </message>
    <message>
        <source>le fichier écrit n&apos;a pas pu prendre son nom dans le dossier, rien n&apos;a été enregistré</source>
        <translation>the written file could not take its name in the folder, nothing was saved</translation>
    </message>
    <message>
        <source>l&apos;image est trop grande pour la mémoire disponible</source>
        <translation>the picture is too large for the memory available</translation>
    </message>
    <message>
        <source>Le programme nec2c est introuvable : installez-le par la commande « apt-get install nec2c » (en administrateur)</source>
        <translation>The program nec2c cannot be found: install it with the command “apt-get install nec2c” (as administrator)</translation>
    </message>
    <message>
        <source>Impossible de préparer les fichiers du calcul NEC-2</source>
        <translation>Cannot prepare the files of the NEC-2 computation</translation>
    </message>
    <message>
        <source>nec2c a échoué (code de retour %1)</source>
        <translation>nec2c failed (exit status %1)</translation>
    </message>
    <message>
        <source>nec2c a refusé le calcul (code de retour %1) en signalant : « %2 »</source>
        <translation>nec2c refused the computation (exit status %1), reporting: “%2”</translation>
    </message>
    <message>
        <source>nec2c s&apos;est arrêté brutalement</source>
        <translation>nec2c stopped abruptly</translation>
    </message>
    <message>
        <source>nec2c n&apos;a pas terminé son calcul dans le délai de %1 s : calcul abandonné</source>
        <translation>nec2c did not finish its computation within %1 s: computation abandoned</translation>
    </message>
    <message>
        <source>La sortie de nec2c est illisible</source>
        <translation>The output of nec2c cannot be read</translation>
    </message>
    <message>
        <source>La sortie de nec2c dépasse %1 Mo, bien plus que tout calcul de Kesu : elle est tenue pour illisible</source>
        <translation>nec2c&apos;s output is over %1 MiB, far more than any of Kesu&apos;s computations: it is taken as unreadable</translation>
    </message>
    <message>
        <source>nec2c a répondu à %1 MHz au lieu de %2 MHz : calcul rejeté</source>
        <translation>nec2c answered at %1 MHz instead of %2 MHz: computation rejected</translation>
    </message>
    <message>
        <source>L&apos;antenne demanderait %1 segments, au-delà des %2 que la vérification accepte : calcul refusé</source>
        <translation>The antenna would need %1 segments, beyond the %2 the check accepts: computation refused</translation>
    </message>
    <message>
        <source>Aucune bande n&apos;est cochée</source>
        <translation>No band is ticked</translation>
    </message>
    <message>
        <source>Calcul annulé</source>
        <translation>Computation cancelled</translation>
    </message>
    <message>
        <source>%1 (fenêtre principale) : %2</source>
        <translation>%1 (main window): %2</translation>
    </message>
    <message>
        <source>%1 : « %2 » n&apos;est pas un nombre</source>
        <translation>%1: “%2” is not a number</translation>
    </message>
    <message>
        <source>Hauteur : elle doit être positive au-dessus d&apos;un sol</source>
        <translation>Height: it must be positive over a ground</translation>
    </message>
    <message>
        <source>Écartement de l&apos;échelle : il doit être positif et d&apos;au plus %1 mm (1/%2 de la longueur d&apos;onde la plus courte)</source>
        <translation>Ladder line spacing: it must be positive and at most %1 mm (1/%2 of the shortest wavelength)</translation>
    </message>
    <message>
        <source>Fil trop épais pour la longueur d&apos;onde la plus courte (%1 m) : le modèle de fil mince de NEC-2 demande un diamètre d&apos;au plus %2 mm</source>
        <translation>Wire too thick for the shortest wavelength (%1 m): NEC-2&apos;s thin-wire model needs a diameter of at most %2 mm</translation>
    </message>
    <message>
        <source>Segments trop courts pour le rayon du fil : le plus court mesure %1 mm, NEC-2 demande au moins %2 fois le rayon (%3 mm)</source>
        <translation>Segments too short for the wire&apos;s radius: the shortest is %1 mm, NEC-2 needs at least %2 times the radius (%3 mm)</translation>
    </message>
    <message>
        <source>Hauteur : le point le plus bas du fil (%1 m) est trop près du sol pour son rayon ; NEC-2 demande au moins %2 fois le rayon, soit %3 mm</source>
        <translation>Height: the lowest point of the wire (%1 m) is too close to the ground for its radius; NEC-2 needs at least %2 times the radius, that is %3 mm</translation>
    </message>
    <message>
        <source>Angle entre les branches : il doit être supérieur à %1 et d&apos;au plus %2 degrés</source>
        <translation>Angle between the legs: it must be greater than %1 and at most %2 degrees</translation>
    </message>
    <message>
        <source>Balun : son rapport doit être 1, 4 ou 9</source>
        <translation>Balun: its ratio must be 1, 4 or 9</translation>
    </message>
    <message>
        <source>Région IARU : elle doit être 1, 2 ou 3</source>
        <translation>IARU region: it must be 1, 2 or 3</translation>
    </message>
    <message>
        <source>Points par bande : il en faut de %1 à %2, les bords compris</source>
        <translation>Points per band: from %1 to %2 are needed, edges included</translation>
    </message>
    <message>
        <source>Option inconnue : %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Valeur manquante après %1</source>
        <translation>Missing value after %1</translation>
    </message>
    <message>
        <source>Valeur incorrecte pour %1 : %2</source>
        <translation>Invalid value for %1: %2</translation>
    </message>
    <message>
        <source>Bande inconnue dans Kesu.ini : %1</source>
        <translation>Band not in Kesu.ini: %1</translation>
    </message>
    <message>
        <source>Argument inattendu : %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>L&apos;option %1 ne prend pas de valeur</source>
        <translation>The option %1 takes no value</translation>
    </message>
    <message>
        <source>Ligne de commande incorrecte : %1</source>
        <translation>Invalid command line: %1</translation>
    </message>
    <message>
        <source>Utilisation : %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>%1 Défaut&#xa0;:&#xa0;%2.</source>
        <translation>%1 Default:&#xa0;%2.</translation>
    </message>
    <message>
        <source>%1 ou %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>Affiche cette aide et quitte.</source>
        <translation>Shows this help and quits.</translation>
    </message>
    <message>
        <source>Affiche la version de Kesu et quitte.</source>
        <translation>Shows the version of Kesu and quits.</translation>
    </message>
    <message>
        <source>Vérification NEC-2 sans fenêtre : écrit son tableau en CSV sur la sortie standard. « kesu --nec --help » en donne les options.</source>
        <translation>NEC-2 check without a window: writes its table as CSV on the standard output. “kesu --nec --help” gives its options.</translation>
    </message>
    <message>
        <source>Langue des textes pour ce démarrage : %1. Sans cette option, Kesu parle français, ou la langue choisie dans le menu Outils.</source>
        <translation>Language of the texts for this run: %1. Without this option, Kesu speaks French, or the language chosen in the Tools menu.</translation>
    </message>
    <message>
        <source>Ferme le programme dès que sa fenêtre est affichée.</source>
        <translation>Closes the program as soon as its window is shown.</translation>
    </message>
    <message>
        <source>kesu --nec [options]</source>
        <translation>kesu --nec [options]</translation>
    </message>
    <message>
        <source>Calcule l&apos;antenne avec nec2c, sans fenêtre, et écrit sur la sortie standard le tableau de la vérification NEC-2 en CSV : une ligne d&apos;en-tête, puis une ligne par bande. Les bandes sont celles de Kesu.ini, le fichier que lit la fenêtre du programme. Une option absente garde la valeur de départ de la fenêtre principale ; les nombres s&apos;écrivent avec un point décimal. Code de sortie : 0 quand le tableau est écrit, 1 quand Kesu.ini est introuvable ou que nec2c échoue, 2 pour une option ou une valeur incorrecte.</source>
        <translation>Computes the antenna with nec2c, without a window, and writes the NEC-2 check&apos;s table as CSV on the standard output: a header line, then one line per band. The bands are those of Kesu.ini, the file the program&apos;s window reads. An option left out keeps the main window&apos;s starting value; numbers are written with a decimal point. Exit status: 0 when the table is written, 1 when Kesu.ini cannot be found or nec2c fails, 2 for an invalid option or value.</translation>
    </message>
    <message>
        <source>Forme de l&apos;antenne : %1 (v : V inversé, la hauteur est alors celle du sommet).</source>
        <translation>Shape of the antenna: %1 (horizontale: horizontal; v: inverted V, the height is then the apex&apos;s).</translation>
    </message>
    <message>
        <source>Angle entre les deux branches d&apos;un V inversé, en degrés, plus grand que 0 et au plus 180.</source>
        <translation>Angle between the two legs of an inverted V, in degrees, greater than 0 and at most 180.</translation>
    </message>
    <message>
        <source>Classe d&apos;impédance de la boîte d&apos;accord, comme dans la fenêtre principale, ou boite pour juger par le balun et le ROS maximal de sa propre boîte : %1.</source>
        <translation>Impedance class of the tuner, as in the main window (basse: low, moyenne: medium, haute: high), or boite to judge by the balun and the maximum SWR of your own tuner: %1.</translation>
    </message>
    <message>
        <source>Région IARU dont le plan de bandes donne les bords de chaque bande : 1, 2 ou 3.</source>
        <translation>IARU region whose band plan gives the edges of each band: 1, 2 or 3.</translation>
    </message>
    <message>
        <source>Nombre de fréquences calculées dans chaque bande du plan, également espacées d&apos;un bord à l&apos;autre, bords compris : de 2 à 100.</source>
        <translation>Number of frequencies computed in each band of the plan, evenly spaced from edge to edge, edges included: from 2 to 100.</translation>
    </message>
    <message>
        <source>%1 en classe basse, %2 en moyenne, %3 en haute</source>
        <translation>%1 with class basse, %2 with moyenne, %3 with haute</translation>
    </message>
    <message>
        <source>Bandes à calculer, en mètres, séparées par des virgules (par exemple 80,40,20), parmi celles de Kesu.ini, dans l&apos;ordre donné.</source>
        <translation>Bands to compute, in metres, separated by commas (for example 80,40,20), among those of Kesu.ini, in the order given.</translation>
    </message>
    <message>
        <source>toutes celles de Kesu.ini</source>
        <translation>all those of Kesu.ini</translation>
    </message>
    <message>
        <source>Échelle : la longueur de départ doit être positive ou nulle, et au plus celle de fin, qui ne dépasse pas %1 cm</source>
        <translation>Ladder line: the start length must be positive or zero, and at most the end length, which does not exceed %1 cm</translation>
    </message>
    <message>
        <source>Tolérance sur les branches : elle doit être comprise entre 0 et %1 %</source>
        <translation>Leg tolerance: it must be between 0 and %1 %</translation>
    </message>
    <message>
        <source>Branches : la longueur de départ doit être positive et au plus celle de fin, avec un pas d&apos;au moins %1 cm et au plus %2 longueurs</source>
        <translation>Legs: the start length must be positive and at most the end length, with a step of at least %1 cm and at most %2 lengths</translation>
    </message>
    <message>
        <source>Nombre de fenêtres : il doit être positif</source>
        <translation>Number of windows: it must be positive</translation>
    </message>
    <message>
        <source>L&apos;option %1 ne s&apos;emploie qu&apos;avec --longueurs</source>
        <translation>The option %1 is only used with --longueurs</translation>
    </message>
    <message>
        <source>Longueurs d&apos;échelle conseillées sans fenêtre : écrit les fenêtres de longueurs en CSV sur la sortie standard. « kesu --longueurs --help » en donne les options.</source>
        <translation>Advised ladder line lengths without a window: writes the windows of lengths as CSV on the standard output. “kesu --longueurs --help” gives its options.</translation>
    </message>
    <message>
        <source>Cherche, centimètre par centimètre, les fenêtres de longueurs d&apos;échelle où la boîte accorde chaque bande, sur toute la bande, pour la branche telle que donnée et pour la branche raccourcie et allongée de la tolérance, et les écrit en CSV sur la sortie standard : une ligne d&apos;en-tête, puis une ligne par fenêtre, de celle qui accorde le plus de bandes à la plus large. Avec --branche-min ou --branche-max, cherche aussi la longueur de branche. Les options de --nec s&apos;y emploient aussi. Code de sortie : 0 quand la liste est écrite, 1 quand Kesu.ini est introuvable ou que nec2c échoue, 2 pour une option ou une valeur incorrecte.</source>
        <translation>Searches, centimetre by centimetre, the windows of ladder line lengths where the tuner matches each band, across the whole band, for the leg as given and for the leg shortened and lengthened by the tolerance, and writes them as CSV on the standard output: a header line, then one line per window, from the one that matches the most bands to the widest. With --branche-min or --branche-max, also searches the leg length. The options of --nec can be used too. Exit status: 0 when the list is written, 1 when Kesu.ini cannot be found or nec2c fails, 2 for an invalid option or value.</translation>
    </message>
    <message>
        <source>Longueur d&apos;échelle où la recherche commence, en centimètres entiers.</source>
        <translation>Ladder line length where the search starts, in whole centimetres.</translation>
    </message>
    <message>
        <source>Longueur d&apos;échelle où la recherche finit, en centimètres entiers.</source>
        <translation>Ladder line length where the search ends, in whole centimetres.</translation>
    </message>
    <message>
        <source>Tolérance sur les branches, en % : l&apos;antenne est aussi calculée avec des branches plus courtes et plus longues d&apos;autant ; 0 : telles que données.</source>
        <translation>Leg tolerance, in %: the antenna is also computed with legs that much shorter and longer; 0: as given.</translation>
    </message>
    <message>
        <source>Cherche aussi la branche, à partir de cette longueur, en centimètres entiers.</source>
        <translation>Also searches the leg, from this length, in whole centimetres.</translation>
    </message>
    <message>
        <source>Cherche aussi la branche, jusqu&apos;à cette longueur, en centimètres entiers.</source>
        <translation>Also searches the leg, up to this length, in whole centimetres.</translation>
    </message>
    <message>
        <source>Pas entre deux longueurs de branche cherchées, en centimètres entiers, d&apos;au moins 10.</source>
        <translation>Step between two leg lengths searched, in whole centimetres, at least 10.</translation>
    </message>
    <message>
        <source>Ce qui dit qu&apos;une bande s&apos;accorde : %1 (graphe : la règle des bandeaux du graphe, sans nec2c ; nec : le critère de --classe sur l&apos;impédance calculée).</source>
        <translation>What says a band matches: %1 (graphe: the rule of the chart&apos;s bars, without nec2c; nec: the --classe criterion on the computed impedance).</translation>
    </message>
    <message>
        <source>Nombre de fenêtres écrites, au plus.</source>
        <translation>Number of windows written, at most.</translation>
    </message>
    <message>
        <source>Forme en V inversé : les extrémités des branches descendent à %1 m, elles doivent rester au-dessus du sol : placez le sommet à %2 m au moins</source>
        <translation>Inverted V: the ends of the legs come down to %1 m; they must stay above the ground: put the apex at %2 m or higher</translation>
    </message>
    <message>
        <source>Forme en V inversé : les extrémités des branches descendent à %1 m, elles doivent rester au-dessus du sol : placez le sommet à %2 m au moins, ou ouvrez l&apos;angle entre les branches à %3° au moins</source>
        <translation>Inverted V: the ends of the legs come down to %1 m; they must stay above the ground: put the apex at %2 m or higher, or open the angle between the legs to %3° or more</translation>
    </message>
    <message>
        <source>%1 : %2 est hors de la plage admise, de %3 à %4</source>
        <translation>%1: %2 is outside the accepted range, %3 to %4</translation>
    </message>
    <message>
        <source>Longueur physique d&apos;une branche, en centimètres entiers, de %1 à %2.</source>
        <translation>Physical length of one leg, in whole centimetres, %1 to %2.</translation>
    </message>
    <message>
        <source>Longueur physique de l&apos;échelle, en centimètres entiers, de %1 à %2.</source>
        <translation>Physical length of the ladder line, in whole centimetres, %1 to %2.</translation>
    </message>
    <message>
        <source>Coefficient de vélocité de l&apos;échelle, sans unité, de %1 à %2.</source>
        <translation>Velocity factor of the ladder line, no unit, %1 to %2.</translation>
    </message>
    <message>
        <source>Diamètre du fil, en millimètres, de %1 à %2.</source>
        <translation>Wire diameter, in millimetres, %1 to %2.</translation>
    </message>
    <message>
        <source>Hauteur du fil au-dessus du sol, en mètres, de %1 à %2 ; sans effet en espace libre.</source>
        <translation>Height of the wire above the ground, in metres, %1 to %2; no effect in free space.</translation>
    </message>
    <message>
        <source>Écartement des conducteurs de l&apos;échelle, en millimètres, de %1 à %2 : la longueur du segment d&apos;alimentation au centre de l&apos;antenne.</source>
        <translation>Spacing of the ladder line&apos;s conductors, in millimetres, %1 to %2: the length of the feed segment at the antenna&apos;s centre.</translation>
    </message>
    <message>
        <source>Matière du fil des branches : %1 (cuivre : 58 MS/m ; aluminium : 35 MS/m ; acier-cuivre : acier cuivré, 17.4 MS/m).</source>
        <translation>The legs&apos; wire: %1 (cuivre: copper, 58 MS/m; aluminium: 35 MS/m; acier-cuivre: copper-clad steel, 17.4 MS/m).</translation>
    </message>
    <message>
        <source>Durée au-delà de laquelle le calcul de nec2c est abandonné, en secondes, de %1 à %2 ; 0 : sans limite.</source>
        <translation>Time after which nec2c&apos;s computation is abandoned, in seconds, %1 to %2; 0: no limit.</translation>
    </message>
    <message>
        <source>Impédance caractéristique de l&apos;échelle, en ohms, de %1 à %2.</source>
        <translation>Characteristic impedance of the ladder line, in ohms, %1 to %2.</translation>
    </message>
    <message>
        <source>Perte de l&apos;échelle, en dB pour 100 m à 10 MHz, de %1 à %2.</source>
        <translation>Loss of the ladder line, in dB per 100 m at 10 MHz, %1 to %2.</translation>
    </message>
    <message>
        <source>ROS maximal sous 50 ohms que la boîte accorde, en classe boite, de %1 à %2.</source>
        <translation>Highest SWR at 50 ohms the tuner matches, with class boite, %1 to %2.</translation>
    </message>
    <message>
        <source>Limite d&apos;accord de la classe choisie, en ohms, de %1 à %2 : le plus grand |Z| que la boîte accorde en classe basse ou moyenne, le plus petit en classe haute.</source>
        <translation>Matching limit of the chosen class, in ohms, %1 to %2: the largest |Z| the tuner matches in the low or medium class, the smallest in the high class.</translation>
    </message>
    <message>
        <source>Le moteur NEC-2 « %1 » calcule mal les sols réels : il s&apos;écarte de %2 % d&apos;un cas de contrôle. Les calculs au-dessus d&apos;un sol sont refusés ; l&apos;espace libre reste possible. Le moteur corrigé de Kesu, nec2c-kesu, est construit par ./run.sh et installé avec le paquet kesu ; la variable KESU_NEC2C désigne un autre moteur</source>
        <translation>The NEC-2 engine “%1” computes real grounds wrong: it is %2 % off a check case. Computations over a ground are refused; free space still works. Kesu&apos;s corrected engine, nec2c-kesu, is built by ./run.sh and installed with the kesu package; the variable KESU_NEC2C names another engine</translation>
    </message>
    <message>
        <source>Moteur NEC-2 : %1 (%2)</source>
        <translation>NEC-2 engine: %1 (%2)</translation>
    </message>
    <message>
        <source>introuvable</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>sol réel correct aux cas de contrôle</source>
        <translation>real ground right on the check cases</translation>
    </message>
    <message>
        <source>défaillant : écart de %1 % aux cas de contrôle, sols réels refusés</source>
        <translation>faulty: %1 % off the check cases, real grounds refused</translation>
    </message>
    <message>
        <source>non vérifié : les cas de contrôle n&apos;ont pas abouti</source>
        <translation>not checked: the check cases gave no answer</translation>
    </message>
    <message>
        <source>Bande de %1 m : %2</source>
        <translation>%1 m band: %2</translation>
    </message>
    <message>
        <source>Bande de %1 m laissée de côté : %2</source>
        <translation>%1 m band left out: %2</translation>
    </message>
    <message>
        <source>nec2c n&apos;a pas donné de réponse à %1 MHz</source>
        <translation>nec2c gave no answer at %1 MHz</translation>
    </message>
    <message>
        <source>nec2c donne à %1 MHz une résistance de %2 Ω au point B, ce qui n&apos;a pas de sens physique</source>
        <translation>nec2c gives a resistance of %2 Ω at point B at %1 MHz, which has no physical meaning</translation>
    </message>
    <message>
        <source>nec2c donne à %1 MHz une impédance au point B qui n&apos;est pas un nombre fini</source>
        <translation>nec2c gives an impedance at point B at %1 MHz that is not a finite number</translation>
    </message>
    <message>
        <source>le calcul le long de l&apos;échelle ne donne pas de valeur finie</source>
        <translation>the computation along the ladder line gives no finite value</translation>
    </message>
    <message>
        <source>le calcul donne une valeur qui n&apos;est pas un nombre fini</source>
        <translation>the computation gives a value that is not a finite number</translation>
    </message>
    <message>
        <source>--echelle n&apos;a pas de sens avec --longueurs : la recherche parcourt les longueurs d&apos;échelle de --echelle-min à --echelle-max</source>
        <translation>--echelle means nothing with --longueurs: the search runs over the ladder line lengths from --echelle-min to --echelle-max</translation>
    </message>
    <message>
        <source>Fichier KESU.INI introuvable. Kesu lit Kesu.ini dans le dossier de travail, ici %1. ./run.sh et la commande kesu du paquet travaillent dans ~/.local/share/kesu et y placent celui par défaut ; sinon, copiez dans ce dossier celui qui vient avec Kesu (src/resources/Kesu.ini dans les sources, /usr/share/kesu/Kesu.ini une fois le paquet installé)</source>
        <translation>Fichier KESU.INI introuvable (the band table Kesu.ini cannot be found). Kesu reads Kesu.ini in the working folder, here %1. ./run.sh and the package&apos;s kesu command work in ~/.local/share/kesu and put the default one there; otherwise, copy into this folder the one that comes with Kesu (src/resources/Kesu.ini in the sources, /usr/share/kesu/Kesu.ini once the package is installed)</translation>
    </message>
    <message>
        <source>Calcule de nouveau ce que le moteur a déjà répondu pour la même antenne, au lieu de le reprendre du cache de l&apos;utilisateur.</source>
        <translation>Computes again what the engine already answered for the same antenna, instead of taking it from the user&apos;s cache.</translation>
    </message>
    <message>
        <source>Nombre de calculs de nec2c menés en même temps, de %1 à %2 ; par défaut, un par cœur de la machine.</source>
        <translation>Number of nec2c computations run at the same time, from %1 to %2; by default, one per core of the machine.</translation>
    </message>
    <message>
        <source>Tolérance sur le coefficient de vélocité de l&apos;échelle, en % : une longueur n&apos;est conseillée que si chaque bande y tient aussi avec un coefficient plus petit et plus grand d&apos;autant, pour chaque branche ; 0 : tel que donné.</source>
        <translation>Tolerance on the ladder line&apos;s velocity factor, in %: a length is advised only when every band also holds there with a factor that much smaller and larger, for every leg; 0: as given.</translation>
    </message>
    <message>
        <source>Largeur la plus petite d&apos;une fenêtre proposée, en centimètres : une fenêtre plus étroite n&apos;est pas une longueur que l&apos;on coupe.</source>
        <translation>Smallest width of a window proposed, in centimetres: a narrower window is no length one cuts to.</translation>
    </message>
    <message>
        <source>Tolérance sur le coefficient de l&apos;échelle : elle doit être comprise entre 0 et %1 %</source>
        <translation>Tolerance on the ladder line&apos;s velocity factor: it must be between 0 and %1 %</translation>
    </message>
    <message>
        <source>Largeur minimale : elle doit être comprise entre 1 et %1 cm</source>
        <translation>Minimum width: it must be between 1 and %1 cm</translation>
    </message>
    <message>
        <source>%1 : elle doit être supérieure à la valeur minimale</source>
        <translation>%1: it must be above the minimum value</translation>
    </message>
    <message>
        <source>%1 sous son minimum</source>
        <translation>%1 below its minimum</translation>
    </message>
    <message>
        <source>%1 au-delà de son maximum</source>
        <translation>%1 above its maximum</translation>
    </message>
    <message>
        <source>Perte au-delà du maximum</source>
        <translation>Loss above the maximum</translation>
    </message>
    <message>
        <source>Tension au-delà de la tenue des condensateurs</source>
        <translation>Voltage above the capacitors&apos; rating</translation>
    </message>
    <message>
        <source>Self</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>C côté émetteur</source>
        <translation>C on the transmitter&apos;s side</translation>
    </message>
    <message>
        <source>C côté antenne</source>
        <translation>C on the antenna&apos;s side</translation>
    </message>
    <message>
        <source>Boîte en T</source>
        <translation>T tuner</translation>
    </message>
    <message>
        <source>Boîte en L</source>
        <translation>L tuner</translation>
    </message>
    <message>
        <source>Réglages de la boîte d&apos;accord sans fenêtre : écrit en CSV, pour chaque bande et chaque point, le réglage qui accorde C. « kesu --boite --help » en donne les options.</source>
        <translation>The tuner&apos;s settings without a window: writes as CSV, for each band and each point, the setting that matches C. “kesu --boite --help” gives its options.</translation>
    </message>
    <message>
        <source>kesu --boite [options]</source>
        <translation>kesu --boite [options]</translation>
    </message>
    <message>
        <source>Calcule l&apos;antenne avec nec2c comme kesu --nec, puis, pour chaque bande à sa fréquence de référence et à chaque point de son plan de bande, le réglage de la boîte (un T passe-haut C1, L, C2, ou un L, série L et C en parallèle d&apos;un côté ou de l&apos;autre) qui accorde 50 ohms avec le moins de perte dans les plages de ses pièces, derrière le balun : ses valeurs, sa perte, la puissance dissipée dans la self, les tensions de crête des condensateurs et le courant efficace de la self à la puissance de l&apos;émetteur ; ou la pièce qui atteint sa limite. Colonnes vides : pièce absente ou aucun réglage. Mêmes options, contrôles et codes de sortie que kesu --nec.</source>
        <translation>Computes the antenna with nec2c as kesu --nec does, then, for each band at its reference frequency and at each point of its band plan, the tuner&apos;s setting (a high-pass T C1, L, C2, or an L, series L and shunt C on one side or the other) that matches 50 ohms with the least loss within its parts&apos; ranges, behind the balun: its values, its loss, the power the coil dissipates, the capacitors&apos; peak voltages and the coil&apos;s RMS current at the transmitter&apos;s power; or the part that reaches its limit. Empty columns: a part the network lacks, or no setting. Same options, checks and exit codes as kesu --nec.</translation>
    </message>
    <message>
        <source>Réseau de la boîte pour kesu --boite, quand la classe n&apos;en choisit pas : %1.</source>
        <translation>The tuner&apos;s network for kesu --boite, when the class chooses none: %1.</translation>
    </message>
    <message>
        <source>Capacité minimale de chaque condensateur variable, en pF, de %1 à %2.</source>
        <translation>Minimum capacitance of each variable capacitor, in pF, from %1 to %2.</translation>
    </message>
    <message>
        <source>Capacité maximale de chaque condensateur variable, en pF, de %1 à %2 ; par défaut 250 pour un T, 1000 pour un L.</source>
        <translation>Maximum capacitance of each variable capacitor, in pF, from %1 to %2; by default 250 for a T, 1000 for an L.</translation>
    </message>
    <message>
        <source>Self minimale de la bobine, en µH, de %1 à %2.</source>
        <translation>The coil&apos;s minimum inductance, in µH, from %1 to %2.</translation>
    </message>
    <message>
        <source>Self maximale de la bobine, en µH, de %1 à %2.</source>
        <translation>The coil&apos;s maximum inductance, in µH, from %1 to %2.</translation>
    </message>
    <message>
        <source>Coefficient de qualité à vide de la bobine, de %1 à %2 ; 0 pour une bobine sans perte.</source>
        <translation>The coil&apos;s unloaded quality factor, from %1 to %2; 0 for a lossless coil.</translation>
    </message>
    <message>
        <source>Coefficient de qualité des condensateurs, de %1 à %2 ; 0 pour des condensateurs sans perte.</source>
        <translation>The capacitors&apos; quality factor, from %1 to %2; 0 for lossless capacitors.</translation>
    </message>
    <message>
        <source>Puissance de l&apos;émetteur, en watts, de %1 à %2.</source>
        <translation>The transmitter&apos;s power, in watts, from %1 to %2.</translation>
    </message>
    <message>
        <source>Perte maximale de la boîte en classe reseau-t ou reseau-l, en dB, de %1 à %2.</source>
        <translation>The tuner&apos;s maximum loss in class reseau-t or reseau-l, in dB, from %1 to %2.</translation>
    </message>
    <message>
        <source>Tension de crête que les condensateurs tiennent, en volts, de %1 à %2.</source>
        <translation>The peak voltage the capacitors stand, in volts, from %1 to %2.</translation>
    </message>
    <message>
        <source>%1 et %2 sont deux commandes qui ne se combinent pas : donnez l&apos;une ou l&apos;autre</source>
        <translation>%1 and %2 are two commands that do not combine: give one or the other</translation>
    </message>
    <message>
        <source>nec2c n&apos;a pas donné de diagramme de rayonnement à %1 MHz : ce moteur ne calcule pas le champ lointain</source>
        <translation>nec2c gave no radiation pattern at %1 MHz: this engine does not compute the far field</translation>
    </message>
    <message>
        <source>nec2c a donné %2 directions du diagramme de rayonnement à %1 MHz au lieu des %3 demandées</source>
        <translation>nec2c gave %2 directions of the radiation pattern at %1 MHz instead of the %3 asked</translation>
    </message>
    <message>
        <source>nec2c donne à %1 MHz un gain qui n&apos;est pas un nombre fini</source>
        <translation>nec2c gives a gain at %1 MHz that is not a finite number</translation>
    </message>
    <message>
        <source>Diagrammes de rayonnement NEC-2 sans fenêtre : écrit leurs chiffres en CSV. « kesu --diagrammes --help » en donne les options.</source>
        <translation>NEC-2 radiation patterns without a window: writes their figures as CSV. “kesu --diagrammes --help” gives its options.</translation>
    </message>
    <message>
        <source>kesu --diagrammes [options]</source>
        <translation>kesu --diagrammes [options]</translation>
    </message>
    <message>
        <source>kesu [options] [projet.kesu]</source>
        <translation>kesu [options] [project.kesu]</translation>
    </message>
    <message>
        <source>Longueurs d&apos;une antenne doublet alimentée par ligne échelle : répartition des courants et impédances. Sans option, ouvre la fenêtre du programme, et le projet nommé s&apos;il y en a un.</source>
        <translation>Lengths of a doublet antenna fed by ladder line: current distribution and impedances. Without an option, opens the program&apos;s window, and the project named if there is one.</translation>
    </message>
    <message>
        <source># Projet Kesu : une valeur par ligne, « clé = valeur », nombres avec un point</source>
        <translation># Kesu project: one value a line, “key = value”, numbers with a point</translation>
    </message>
    <message>
        <source>Ligne %1 : ni « clé = valeur » ni commentaire</source>
        <translation>Line %1: neither “key = value” nor a comment</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 = %3 ne convient pas (%4) ; la valeur par défaut est gardée</source>
        <translation>Line %1: %2 = %3 is not valid (expected: %4); the default value is kept</translation>
    </message>
    <message>
        <source>un nombre avec un point décimal</source>
        <translation>a number with a decimal point</translation>
    </message>
    <message>
        <source>un nombre entier</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>des noms de bandes séparés par des espaces</source>
        <translation>band names separated by spaces</translation>
    </message>
    <message>
        <source>l&apos;un de %1</source>
        <translation>one of %1</translation>
    </message>
    <message>
        <source>Le fichier ne dit pas son format : il est lu comme un projet de ce Kesu</source>
        <translation>The file does not state its format: it is read as this Kesu&apos;s project</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 est déjà donnée ligne %3 ; cette ligne n&apos;est pas lue</source>
        <translation>Line %1: %2 is already given on line %3; this line is not read</translation>
    </message>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>c&apos;est un dossier, pas un fichier</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un périphérique ou un tube, par exemple)</source>
        <translation>it is not a regular file (a device or a pipe, for instance)</translation>
    </message>
    <message>
        <source>l&apos;accès au fichier est refusé</source>
        <translation>access to the file is denied</translation>
    </message>
    <message>
        <source>le fichier dépasse %1 Mo, bien plus qu&apos;un projet ne peut en contenir</source>
        <translation>the file exceeds %1 MB, far more than a project can hold</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le projet %1 : %2</source>
        <translation>Cannot open the project %1: %2</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le projet %1 : %2</source>
        <translation>Cannot save the project %1: %2</translation>
    </message>
    <message>
        <source>Prend les données dans un projet Kesu (.kesu) ; les options de la ligne l&apos;emportent.</source>
        <translation>Takes the inputs from a Kesu project (.kesu); the line&apos;s options win.</translation>
    </message>
    <message>
        <source>Écrit les données de cette ligne (projet et options) dans un projet Kesu.</source>
        <translation>Writes this line&apos;s inputs (project and options) to a Kesu project.</translation>
    </message>
    <message>
        <source>Écrit le modèle NEC-2 que la vérification calcule, avec des cartes de commentaire, au lieu de son tableau.</source>
        <translation>Writes the NEC-2 model the check computes, with comment cards, instead of its table.</translation>
    </message>
    <message>
        <source>Ce projet vient d&apos;un Kesu plus récent (format %1, celui-ci lit le format %2) : il est ouvert en lecture seule ; « Enregistrer sous… » en fait une copie au format %2, qui garde aussi ce que ce Kesu ne connaît pas.</source>
        <translation>This project comes from a newer Kesu (format %1, this one reads format %2): it is opened read-only; “Save as…” makes a copy in format %2, which also keeps what this Kesu does not know.</translation>
    </message>
    <message>
        <source>ce nom désigne un périphérique ou un tube, pas un fichier : il est laissé tel quel</source>
        <translation>this name is a device or a pipe, not a file: it is left as it is</translation>
    </message>
    <message>
        <source>L&apos;option %1 ne s&apos;emploie qu&apos;avec %2</source>
        <translation>The option %1 is only used with %2</translation>
    </message>
    <message>
        <source>il vient d&apos;un Kesu plus récent (format %1, celui-ci écrit le format %2) ; il est conservé tel quel, enregistrez sous un autre nom</source>
        <translation>it comes from a newer Kesu (format %1, this one writes format %2); it is kept as it is, save under another name</translation>
    </message>
    <message>
        <source>Calcule au-dessus d&apos;un sol même avec un moteur NEC-2 que les cas de contrôle n&apos;ont pas pu juger (sans cette option, il y est refusé).</source>
        <translation>Computes over a ground even with a NEC-2 engine the check cases could not judge (without this option, it is refused there).</translation>
    </message>
    <message>
        <source>Le moteur NEC-2 « %1 » n&apos;a pas pu être vérifié : il n&apos;a pas répondu aux cas de contrôle, ou pas dans le délai. Les calculs au-dessus d&apos;un sol sont refusés ; l&apos;espace libre reste possible. Pour l&apos;utiliser quand même au-dessus d&apos;un sol, cochez « Accepter un moteur NEC-2 non vérifié » dans le menu Outils, ou donnez l&apos;option --moteur-non-verifie à une commande</source>
        <translation>The NEC-2 engine “%1” could not be checked: it did not answer the check cases, or not in time. Computations over a ground are refused; free space remains possible. To use it over a ground anyway, tick “Accept an unchecked NEC-2 engine” in the Tools menu, or give a command the option --moteur-non-verifie</translation>
    </message>
    <message>
        <source>un numéro de format, entier, à partir de 1</source>
        <translation>a format number, whole, from 1</translation>
    </message>
    <message>
        <source>Projet %1, ligne %2 : %3 = %4 ne convient pas (%5)</source>
        <translation>Project %1, line %2: %3 = %4 is not valid (expected: %5)</translation>
    </message>
    <message>
        <source>Rapport du balun devant la boîte d&apos;accord, pour --boite et en classes boite, reseau-t et reseau-l : 1, 4 ou 9 (1:1, 4:1, 9:1).</source>
        <translation>Ratio of the balun in front of the tuner, for --boite and in the classes boite, reseau-t and reseau-l: 1, 4 or 9 (1:1, 4:1, 9:1).</translation>
    </message>
    <message>
        <source>Valeur incorrecte pour %1 : %2 (attendu : %3)</source>
        <translation>Incorrect value for %1: %2 (expected: %3)</translation>
    </message>
    <message>
        <source>un nombre entier de centimètres</source>
        <translation>a whole number of centimetres</translation>
    </message>
    <message>
        <source>Mesure %1, ligne %2 : %3</source>
        <translation>Measurement %1, line %2: %3</translation>
    </message>
    <message>
        <source>Mesure %1 : %2</source>
        <translation>Measurement %1: %2</translation>
    </message>
    <message>
        <source>le fichier ne contient aucun point de mesure</source>
        <translation>the file holds no measured point</translation>
    </message>
    <message>
        <source>plus de %1 points de mesure</source>
        <translation>more than %1 measured points</translation>
    </message>
    <message>
        <source>le fichier dépasse %1 Mo</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>valeur non finie « %1 »</source>
        <translation>value “%1” is not finite</translation>
    </message>
    <message>
        <source>%1 valeurs là où il en faut %2</source>
        <translation>%1 values where %2 are needed</translation>
    </message>
    <message>
        <source>la fréquence %1 ne suit pas la précédente (%2) : elles doivent croître</source>
        <translation>the frequency %1 does not follow the previous one (%2): they must increase</translation>
    </message>
    <message>
        <source>la fréquence %1 n&apos;est pas positive</source>
        <translation>the frequency %1 is not positive</translation>
    </message>
    <message>
        <source>coefficient de réflexion de module %1, plus grand que 1 (une charge passive ne renvoie pas plus qu&apos;elle ne reçoit)</source>
        <translation>reflection coefficient of magnitude %1, greater than 1 (a passive load returns no more than it receives)</translation>
    </message>
    <message>
        <source>ligne d&apos;options incomprise : « %1 »</source>
        <translation>option line not understood: “%1”</translation>
    </message>
    <message>
        <source>paramètres %1 : Kesu lit des paramètres S ou Z d&apos;un dipôle (un port)</source>
        <translation>%1 parameters: Kesu reads S or Z parameters of a one-port</translation>
    </message>
    <message>
        <source>fichier à %1 ports : Kesu lit la mesure d&apos;un seul port (.s1p)</source>
        <translation>file with %1 ports: Kesu reads the measurement of a single port (.s1p)</translation>
    </message>
    <message>
        <source>mot-clé %1 non pris en charge ici</source>
        <translation>keyword %1 not supported here</translation>
    </message>
    <message>
        <source>le fichier annonce %1 fréquences et en contient %2</source>
        <translation>the file announces %1 frequencies and holds %2</translation>
    </message>
    <message>
        <source>en-tête sans colonne de fréquence avec son unité (Hz, kHz, MHz ou GHz) suivie de R et X, ou des parties réelle et imaginaire de S11 : « %1 »</source>
        <translation>header without a frequency column with its unit (Hz, kHz, MHz or GHz) followed by R and X, or by the real and imaginary parts of S11: “%1”</translation>
    </message>
    <message>
        <source>valeurs hors du bloc [Network Data]</source>
        <translation>values outside the [Network Data] block</translation>
    </message>
    <message>
        <source>Le sol ne peut pas être ajusté en espace libre : choisissez un sol</source>
        <translation>The ground cannot be fitted in free space: choose a ground</translation>
    </message>
    <message>
        <source>%1 ne peut pas être ajusté sur une mesure prise en B : l&apos;échelle n&apos;est pas entre l&apos;analyseur et l&apos;antenne</source>
        <translation>%1 cannot be fitted to a measurement taken at B: the ladder is not between the analyzer and the antenna</translation>
    </message>
    <message>
        <source>La mesure %1 n&apos;a aucun point dans les bandes cochées</source>
        <translation>The measurement %1 has no point in the ticked bands</translation>
    </message>
    <message>
        <source>Ajustement terminé : l&apos;écart ne diminue plus (%1 calculs de nec2c).</source>
        <translation>Fit done: the misfit no longer decreases (%1 nec2c runs).</translation>
    </message>
    <message>
        <source>Ajustement arrêté après %1 calculs de nec2c, le plus permis : l&apos;écart diminuait encore ; relancez-le depuis ces valeurs.</source>
        <translation>Fit stopped after %1 nec2c runs, the most allowed: the misfit was still decreasing; start it again from these values.</translation>
    </message>
    <message>
        <source>Ajustement interrompu.</source>
        <translation>Fit interrupted.</translation>
    </message>
    <message>
        <source>L&apos;ajustement n&apos;a pas pu calculer l&apos;antenne de départ</source>
        <translation>The fit could not compute the starting antenna</translation>
    </message>
    <message>
        <source>Le modèle n&apos;explique pas cette mesure (écart %1 après ajustement) : les valeurs trouvées ne veulent rien dire. Causes possibles : des objets près du fil (arbres, toit, gouttière), un courant de mode commun sur l&apos;échelle, une mesure faussée (étalonnage, câble entre l&apos;analyseur et le point mesuré, point de mesure mal choisi).</source>
        <translation>The model does not explain this measurement (misfit %1 after fitting): the values found mean nothing. Possible causes: objects near the wire (trees, roof, gutter), common-mode current on the ladder, a wrong measurement (calibration, cable between the analyzer and the point measured, wrong measurement point).</translation>
    </message>
    <message>
        <source>Ajuste le modèle à une mesure d&apos;analyseur (Touchstone .s1p ou CSV) sans fenêtre : écrit les valeurs ajustées en CSV sur la sortie standard. « kesu --ajuste MESURE --help » en donne les options.</source>
        <translation>Fits the model to an analyzer&apos;s measurement (Touchstone .s1p or CSV) without a window: writes the fitted values as CSV on standard output. “kesu --ajuste MEASUREMENT --help” gives its options.</translation>
    </message>
    <message>
        <source>Lit la mesure MESURE (Touchstone 1.x ou 2.0 à un port, ou CSV), garde ses points dans les bandes cochées (8 au plus par bande), puis déplace les inconnues choisies jusqu&apos;à ce que l&apos;impédance du modèle au point de mesure rejoigne la mesure, par moindres carrés sur les coefficients de réflexion (chaque point rapporté à son propre |Z|), calculs de nec2c menés côte à côte. Les autres options donnent l&apos;antenne de départ, comme pour kesu --nec. Écrit « inconnue,depart,ajuste,incertitude,unite », une ligne par inconnue (sol en donne deux : epsilon et sigma), puis la ligne ecart (écart quadratique moyen avant et après). Code de sortie : 0 quand l&apos;ajustement converge et explique la mesure, 1 sinon ou quand nec2c échoue, 2 pour une option incorrecte ou une mesure refusée.</source>
        <translation>Reads the measurement MEASUREMENT (one-port Touchstone 1.x or 2.0, or CSV), keeps its points within the ticked bands (at most 8 per band), then moves the chosen unknowns until the model&apos;s impedance at the measurement point meets the measurement, by least squares on the reflection coefficients (each point against its own |Z|), nec2c runs side by side. The other options give the starting antenna, as for kesu --nec. Writes “inconnue,depart,ajuste,incertitude,unite”, one line per unknown (sol gives two: epsilon and sigma), then the line ecart (root mean square misfit before and after). Exit status: 0 when the fit converges and explains the measurement, 1 otherwise or when nec2c fails, 2 for an incorrect option or a refused measurement.</translation>
    </message>
    <message>
        <source>Où la mesure est prise : %1 (c : au bout de l&apos;échelle ; balun : côté 50 ohms du balun, selon --balun ; b : au point d&apos;alimentation).</source>
        <translation>Where the measurement is taken: %1 (c: at the end of the ladder; balun: on the 50-ohm side of the balun, after --balun; b: at the feed point).</translation>
    </message>
    <message>
        <source>Inconnues à ajuster, séparées par des virgules, parmi %1 (sol : la permittivité et la conductivité d&apos;un sol personnalisé).</source>
        <translation>Unknowns to fit, separated by commas, among %1 (sol: the permittivity and conductivity of a custom ground).</translation>
    </message>
    <message>
        <source>Écrit l&apos;impédance du modèle en Touchstone (.s1p) sur la sortie standard, pour le logiciel d&apos;un analyseur. « kesu --s1p --help » en donne les options.</source>
        <translation>Writes the model&apos;s impedance as Touchstone (.s1p) on standard output, for an analyzer&apos;s software. “kesu --s1p --help” gives its options.</translation>
    </message>
    <message>
        <source>Calcule l&apos;antenne avec nec2c comme kesu --nec et écrit son impédance au point de mesure en Touchstone « # Hz S RI R 50 », précédée de commentaires nommant le programme, l&apos;antenne et le sol : à la fréquence de chaque bande et aux points de son plan, ou de --de à --a par pas de --pas. Code de sortie : 0, 1 quand nec2c échoue, 2 pour une option incorrecte.</source>
        <translation>Computes the antenna with nec2c as kesu --nec does and writes its impedance at the measurement point as Touchstone “# Hz S RI R 50”, after comments naming the program, the antenna and the ground: at each band&apos;s frequency and the points of its plan, or from --de to --a in steps of --pas. Exit status: 0, 1 when nec2c fails, 2 for an incorrect option.</translation>
    </message>
    <message>
        <source>Première fréquence, en MHz (avec --a et --pas).</source>
        <translation>First frequency, in MHz (with --a and --pas).</translation>
    </message>
    <message>
        <source>Dernière fréquence, en MHz (avec --de et --pas).</source>
        <translation>Last frequency, in MHz (with --de and --pas).</translation>
    </message>
    <message>
        <source>Pas des fréquences, en kHz (avec --de et --a).</source>
        <translation>Step of the frequencies, in kHz (with --de and --a).</translation>
    </message>
    <message>
        <source>--de, --a et --pas vont ensemble : 0 &lt; --de ≤ --a, --pas &gt; 0, au plus %1 fréquences, toutes sous 100 MHz</source>
        <translation>--de, --a and --pas go together: 0 &lt; --de ≤ --a, --pas &gt; 0, at most %1 frequencies, all below 100 MHz</translation>
    </message>
    <message>
        <source>Impedance au point de mesure %1</source>
        <translation>Impedance at measurement point %1</translation>
    </message>
    <message>
        <source>nec2c n&apos;a pas répondu à %1 kHz</source>
        <translation>nec2c gave no answer at %1 kHz</translation>
    </message>
    <message>
        <source>Sol sous l&apos;antenne : %1 (libre : espace libre, sans sol ; parfait : sol parfaitement conducteur, une référence ; personnalise : le sol de --epsilon et --sigma).</source>
        <translation>Ground under the antenna: %1 (libre: free space, no ground; parfait: perfectly conducting ground, a reference; personnalise: the ground of --epsilon and --sigma).</translation>
    </message>
    <message>
        <source>Permittivité relative du sol personnalisé (--sol personnalise), de %1 à %2.</source>
        <translation>Relative permittivity of the custom ground (--sol personnalise), from %1 to %2.</translation>
    </message>
    <message>
        <source>Conductivité du sol personnalisé (--sol personnalise), en S/m, de %1 à %2.</source>
        <translation>Conductivity of the custom ground (--sol personnalise), in S/m, from %1 to %2.</translation>
    </message>
    <message>
        <source>%1 : il faudrait %2 (min %3)</source>
        <translation>%1: %2 needed (min %3)</translation>
    </message>
    <message>
        <source>%1 : il faudrait %2 (max %3)</source>
        <translation>%1: %2 needed (max %3)</translation>
    </message>
    <message>
        <source>(min)</source>
        <translation>(min)</translation>
    </message>
    <message>
        <source>(max)</source>
        <translation>(max)</translation>
    </message>
    <message>
        <source>Calcule l&apos;antenne avec nec2c comme kesu --nec, avec son champ lointain à la fréquence de référence de chaque bande et au centre de son plan de bande quand il s&apos;en écarte d&apos;au moins 1 %, et écrit sur la sortie standard une ligne par bande et fréquence : le gain maximal en dBi au-dessus du sol (sur toute la sphère en espace libre), son élévation et son azimut (depuis l&apos;axe du fil) au dixième de degré, cherchés par un second calcul autour du meilleur point de la grille (le milieu d&apos;un plateau de gains égaux), l&apos;ouverture à -3 dB du lobe en élévation sur la coupe qui passe par ce maximum (de l&apos;autre côté du zénith quand le lobe le traverse), le gain à 10, 20 et 30 degrés d&apos;élévation en travers du fil, et la part de la puissance perdue dans le sol, mesurée contre le bilan de puissance du même modèle en espace libre. Mêmes options, contrôles et codes de sortie que kesu --nec.</source>
        <translation>Computes the antenna with nec2c as kesu --nec does, with its far field at each band&apos;s reference frequency and at the centre of its band plan when that lies 1 % or more away, and writes on standard output a line per band and frequency: the maximum gain in dBi over the ground (over the whole sphere in free space), its elevation and azimuth (from the wire&apos;s axis) to the tenth of a degree, found by a second run around the grid&apos;s best point (the middle of a plateau of equal gains), the lobe&apos;s -3 dB span in elevation on the cut through that maximum (on across the zenith when the lobe crosses it), the gain at 10, 20 and 30 degrees elevation broadside to the wire, and the share of the power lost in the ground, read against the same model&apos;s power balance in free space. Same options, checks and exit codes as kesu --nec.</translation>
    </message>
    <message>
        <source>Écrit chaque point calculé au lieu des chiffres : les coupes en élévation en travers (travers) et le long du fil (long), la coupe en élévation à l&apos;azimut du lobe le plus fort quand il n&apos;est pas en travers (lobe), et la coupe en azimut à l&apos;élévation du lobe principal, ou sous 45 degrés quand il monte vers le zénith (azimut).</source>
        <translation>Writes every point computed instead of the figures: the elevation cuts broadside (travers) and along the wire (long), the elevation cut at the strongest lobe&apos;s azimuth when it is not broadside (lobe), and the azimuth cut at the main lobe&apos;s elevation, or below 45 degrees when it rises towards the zenith (azimut).</translation>
    </message>
    <message>
        <source>La meilleure branche est au bord de la plage cherchée (%1 cm) : la meilleure longueur peut être au-delà, élargissez-la.</source>
        <translation>The best leg is at the edge of the range searched (%1 cm): the best length may lie beyond, widen it.</translation>
    </message>
    <message>
        <source>La meilleure fenêtre touche le bord de la plage d&apos;échelle cherchée (%1 cm) : la meilleure longueur peut être au-delà, élargissez-la.</source>
        <translation>The best window reaches the edge of the ladder line range searched (%1 cm): the best length may lie beyond, widen it.</translation>
    </message>
    <message>
        <source>un nombre de %1 à %2</source>
        <translation>a number from %1 to %2</translation>
    </message>
    <message>
        <source>des bandes de Kesu.ini parmi %1</source>
        <translation>bands of Kesu.ini among %1</translation>
    </message>
    <message>
        <source>Abandonner les modifications des notes du projet ?</source>
        <translation>Discard the changes to the project notes?</translation>
    </message>
    <message>
        <source>Le projet %1 n&apos;existe plus : il est retiré des fichiers récents.</source>
        <translation>The project %1 no longer exists: it is removed from the recent files.</translation>
    </message>
    <message>
        <source>Survolez un arc : sa fréquence et Z en C, interpolés entre les points calculés</source>
        <translation>Hover over an arc: its frequency and Z at C, interpolated between the computed points</translation>
    </message>
    <message>
        <source>%1 m, ≈ %2 kHz (entre deux points calculés) : Z en C ≈ %3 Ω ; après le balun %4 Ω, ROS %5</source>
        <translation>%1 m, ≈ %2 kHz (between two computed points): Z at C ≈ %3 Ω; behind the balun %4 Ω, SWR %5</translation>
    </message>
    <message>
        <source>Mesure %1, %2 kHz : Z en C %3 Ω ; après le balun %4 Ω, ROS %5</source>
        <translation>Measurement %1, %2 kHz: Z at C %3 Ω; behind the balun %4 Ω, SWR %5</translation>
    </message>
    <message>
        <source>%1 m, %2 kHz : modèle ROS %3, Z en C %4 Ω</source>
        <translation>%1 m, %2 kHz: model SWR %3, Z at C %4 Ω</translation>
    </message>
    <message>
        <source> ; mesure %1 à %2 kHz : ROS %3, Z en C %4 Ω</source>
        <translation>; measurement %1 at %2 kHz: SWR %3, Z at C %4 Ω</translation>
    </message>
    <message>
        <source>La mesure est prise en B : l&apos;échelle n&apos;est pas entre l&apos;analyseur et l&apos;antenne, elle ne peut pas être ajustée</source>
        <translation>The measurement is taken at B: the ladder line is not between the analyzer and the antenna, it cannot be fitted</translation>
    </message>
    <message>
        <source>Ajustement en cours…</source>
        <translation>Fitting…</translation>
    </message>
    <message>
        <source>Interruption demandée : les calculs de nec2c en cours s&apos;arrêtent…</source>
        <translation>Interruption asked: the nec2c runs under way are stopping…</translation>
    </message>
    <message>
        <source>Le modèle explique la mesure : « Appliquer » reporte les valeurs ajustées dans la vérification NEC-2.</source>
        <translation>The model explains the measurement: “Apply” carries the fitted values into the NEC-2 check.</translation>
    </message>
    <message>
        <source>Cochez au moins une inconnue à ajuster.</source>
        <translation>Tick at least one unknown to fit.</translation>
    </message>
</context>
<context>
    <name>VerificationNec</name>
    <message>
        <source>Calcul NEC-2 en cours…</source>
        <translation>NEC-2 computation running…</translation>
    </message>
    <message>
        <source>Les résultats affichés ne correspondent plus aux entrées : </source>
        <translation>The results shown no longer match the inputs: </translation>
    </message>
    <message>
        <source>corrigez la valeur signalée en rouge.</source>
        <translation>correct the value marked in red.</translation>
    </message>
    <message>
        <source>impédance basse</source>
        <translation>low impedance</translation>
    </message>
    <message>
        <source>impédance haute</source>
        <translation>high impedance</translation>
    </message>
    <message>
        <source>impédance moyenne</source>
        <translation>medium impedance</translation>
    </message>
    <message>
        <source>les bandes</source>
        <translation>the bands</translation>
    </message>
    <message>
        <source>la branche</source>
        <translation>the leg</translation>
    </message>
    <message>
        <source>le diamètre du fil</source>
        <translation>the wire diameter</translation>
    </message>
    <message>
        <source>la hauteur</source>
        <translation>the height</translation>
    </message>
    <message>
        <source>le sol</source>
        <translation>the ground</translation>
    </message>
    <message>
        <source>l&apos;écartement de l&apos;échelle</source>
        <translation>the ladder line spacing</translation>
    </message>
    <message>
        <source>la forme</source>
        <translation>the shape</translation>
    </message>
    <message>
        <source>l&apos;angle du V</source>
        <translation>the angle of the V</translation>
    </message>
    <message>
        <source>les fréquences des bandes</source>
        <translation>the band frequencies</translation>
    </message>
    <message>
        <source>la région IARU</source>
        <translation>the IARU region</translation>
    </message>
    <message>
        <source>l&apos;antenne</source>
        <translation>the antenna</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 ont changé. Appuyez sur « Calculer ».</source>
        <translation>%1 have changed. Press “Compute”.</translation>
    </message>
    <message>
        <source>%1 a changé. Appuyez sur « Calculer ».</source>
        <translation>%1 has changed. Press “Compute”.</translation>
    </message>
    <message>
        <source>Branche %1 cm, échelle %2 cm, coefficient %3</source>
        <translation>Leg %1 cm, ladder line %2 cm, velocity factor %3</translation>
    </message>
    <message>
        <source>Classe de la fenêtre principale : </source>
        <translation>Class of the main window: </translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>En couleur : C ne doit pas tomber là ; vide : C peut y tomber ; trait rouge : le graphe laisse C tomber là où la boîte ne l&apos;accorde pas. Un clic reporte la longueur dans l&apos;échelle.</source>
        <translation>Coloured: C must not fall there; empty: C may fall there; red line: the chart lets C fall where the tuner cannot match it. A click puts the length into the ladder line box.</translation>
    </message>
    <message>
        <source>Espace libre</source>
        <translation>Free space</translation>
    </message>
    <message>
        <source>Sol pauvre</source>
        <translation>Poor ground</translation>
    </message>
    <message>
        <source>Sol moyen</source>
        <translation>Average ground</translation>
    </message>
    <message>
        <source>Sol bon</source>
        <translation>Good ground</translation>
    </message>
    <message>
        <source>Eau de mer</source>
        <translation>Sea water</translation>
    </message>
    <message>
        <source>Vérification NEC-2</source>
        <translation>NEC-2 Check</translation>
    </message>
    <message>
        <source>Antenne</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>Diamètre du fil (mm)</source>
        <translation>Wire diameter (mm)</translation>
    </message>
    <message>
        <source>Hauteur (m)</source>
        <translation>Height (m)</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>Ground</translation>
    </message>
    <message>
        <source>Horizontale</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>V inversé</source>
        <translation>Inverted V</translation>
    </message>
    <message>
        <source>Forme</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Angle entre les branches (°)</source>
        <translation>Angle between the legs (°)</translation>
    </message>
    <message>
        <source>V inversé : la hauteur est celle du sommet</source>
        <translation>Inverted V: the height is the apex&apos;s</translation>
    </message>
    <message>
        <source>Calculs de nec2c menés en même temps, chacun sur un cœur : un par cœur de la machine par défaut</source>
        <translation>nec2c computations run at the same time, each on a core: one per core of the machine by default</translation>
    </message>
    <message>
        <source>Calculs &amp;simultanés</source>
        <translation>&amp;Simultaneous computations</translation>
    </message>
    <message>
        <source>Échelle</source>
        <translation>Ladder line</translation>
    </message>
    <message>
        <source>Impédance Z0 (Ω)</source>
        <translation>Impedance Z0 (Ω)</translation>
    </message>
    <message>
        <source>Perte (dB/100 m à 10 MHz)</source>
        <translation>Loss (dB/100 m at 10 MHz)</translation>
    </message>
    <message>
        <source>Écartement de l&apos;échelle (mm)</source>
        <translation>Ladder line spacing (mm)</translation>
    </message>
    <message>
        <source>Accord</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>Limite basse, |Z| ≤ (Ω)</source>
        <translation>Low limit, |Z| ≤ (Ω)</translation>
    </message>
    <message>
        <source>Limite moyenne, |Z| ≤ (Ω)</source>
        <translation>Medium limit, |Z| ≤ (Ω)</translation>
    </message>
    <message>
        <source>Limite haute, |Z| ≥ (Ω)</source>
        <translation>High limit, |Z| ≥ (Ω)</translation>
    </message>
    <message>
        <source>Critère</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Limite de |Z| de la classe</source>
        <translation>The class&apos;s |Z| limit</translation>
    </message>
    <message>
        <source>Boîte d&apos;accord</source>
        <translation>Antenna tuner</translation>
    </message>
    <message>
        <source>Balun</source>
        <translation>Balun</translation>
    </message>
    <message>
        <source>ROS maximal de la boîte (50 Ω)</source>
        <translation>Tuner&apos;s maximum SWR (50 Ω)</translation>
    </message>
    <message>
        <source>Région IARU</source>
        <translation>IARU region</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>à la fréquence de référence</source>
        <translation>at the reference frequency</translation>
    </message>
    <message>
        <source>sur toute la bande</source>
        <translation>across the whole band</translation>
    </message>
    <message>
        <source>Longueur maximale (m)</source>
        <translation>Maximum length (m)</translation>
    </message>
    <message>
        <source>Vide ou « auto » : deux fois la longueur de l&apos;échelle, et 40 m au moins</source>
        <translation>Empty or “auto”: twice the ladder line length, and at least 40 m</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exporter CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>verification-nec.csv</source>
        <translation>nec-check.csv</translation>
    </message>
    <message>
        <source>la matière du fil</source>
        <translation>the wire</translation>
    </message>
    <message>
        <source>Sommet du V inversé placé à %1 m : à %2 m, les extrémités des branches descendraient à %3 m, trop près du sol ou dessous.</source>
        <translation>Apex of the inverted V put at %1 m: at %2 m, the ends of the legs would come down to %3 m, too close to the ground or below it.</translation>
    </message>
    <message>
        <source>Cuivre</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Acier cuivré</source>
        <translation>Copper-clad steel</translation>
    </message>
    <message>
        <source>Sa résistance chauffe le fil : la part de la puissance perdue est dans la colonne « Perte fil » du tableau</source>
        <translation>Its resistance heats the wire: the share of the power lost is in the table&apos;s “Wire loss” column</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Boîte en T ou en L</source>
        <translation>T or L tuner</translation>
    </message>
    <message>
        <source>Capacité minimale (pF)</source>
        <translation>Minimum capacitance (pF)</translation>
    </message>
    <message>
        <source>Capacité maximale (pF)</source>
        <translation>Maximum capacitance (pF)</translation>
    </message>
    <message>
        <source>De chaque condensateur variable : 250 pF pour un T, 1000 pF pour un L par défaut</source>
        <translation>Of each variable capacitor: 250 pF for a T, 1000 pF for an L by default</translation>
    </message>
    <message>
        <source>Self minimale (µH)</source>
        <translation>Minimum inductance (µH)</translation>
    </message>
    <message>
        <source>Self maximale (µH)</source>
        <translation>Maximum inductance (µH)</translation>
    </message>
    <message>
        <source>Q de la self</source>
        <translation>Coil Q</translation>
    </message>
    <message>
        <source>Q des condensateurs</source>
        <translation>Capacitors&apos; Q</translation>
    </message>
    <message>
        <source>0 : pièce sans perte</source>
        <translation>0: lossless part</translation>
    </message>
    <message>
        <source>Puissance de l&apos;émetteur (W)</source>
        <translation>Transmitter power (W)</translation>
    </message>
    <message>
        <source>Perte maximale de la boîte (dB)</source>
        <translation>Tuner&apos;s maximum loss (dB)</translation>
    </message>
    <message>
        <source>Tension des condensateurs (V crête)</source>
        <translation>Capacitors&apos; voltage (V peak)</translation>
    </message>
    <message>
        <source>Zone accordable à</source>
        <translation>Tunable zone at</translation>
    </message>
    <message>
        <source>Carte le long de l&apos;échelle</source>
        <translation>Map along the ladder line</translation>
    </message>
    <message>
        <source>Abaque de Smith</source>
        <translation>Smith chart</translation>
    </message>
    <message>
        <source>Sol parfait</source>
        <translation>Perfect ground</translation>
    </message>
    <message>
        <source>Sol personnalisé</source>
        <translation>Custom ground</translation>
    </message>
    <message>
        <source>Permittivité relative εr</source>
        <translation>Relative permittivity εr</translation>
    </message>
    <message>
        <source>Conductivité σ (S/m)</source>
        <translation>Conductivity σ (S/m)</translation>
    </message>
    <message>
        <source>Mesure</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Au bout de l&apos;échelle (C)</source>
        <translation>At the end of the ladder line (C)</translation>
    </message>
    <message>
        <source>Derrière le balun (50 Ω)</source>
        <translation>Behind the balun (50 Ω)</translation>
    </message>
    <message>
        <source>Au point d&apos;alimentation (B)</source>
        <translation>At the feed point (B)</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Taken</translation>
    </message>
    <message>
        <source>Mesure…</source>
        <translation>Measurement…</translation>
    </message>
    <message>
        <source>Retirer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Ajuster le modèle…</source>
        <translation>Fit the model…</translation>
    </message>
    <message>
        <source>Exporter Touchstone…</source>
        <translation>Export Touchstone…</translation>
    </message>
    <message>
        <source>Un balayage d&apos;analyseur d&apos;antenne : Touchstone (.s1p) ou CSV</source>
        <translation>An antenna analyzer&apos;s sweep: Touchstone (.s1p) or CSV</translation>
    </message>
    <message>
        <source>L&apos;impédance du modèle au point de mesure, pour le logiciel de l&apos;analyseur</source>
        <translation>The model&apos;s impedance at the measurement point, for the analyzer&apos;s software</translation>
    </message>
    <message>
        <source>Charger une mesure</source>
        <translation>Load a measurement</translation>
    </message>
    <message>
        <source>Mesures d&apos;analyseur (*.s1p *.S1P *.csv *.CSV *.txt)</source>
        <translation>Analyzer measurements (*.s1p *.S1P *.csv *.CSV *.txt)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 : %2 points de %3 à %4 kHz</source>
        <translation>%1: %2 points from %3 to %4 kHz</translation>
    </message>
    <message>
        <source>Aucune mesure chargée</source>
        <translation>No measurement loaded</translation>
    </message>
    <message>
        <source>Touchstone (*.s1p)</source>
        <translation>Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>Exporter Touchstone</source>
        <translation>Export Touchstone</translation>
    </message>
    <message>
        <source>modele-kesu.s1p</source>
        <translation>kesu-model.s1p</translation>
    </message>
    <message>
        <source>ROS / fréquence</source>
        <translation>SWR / frequency</translation>
    </message>
</context>
</TS>
