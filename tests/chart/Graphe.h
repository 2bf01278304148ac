#pragma once

#include "calc/TraceGraphe.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

#include <QImage>
#include <QStringList>

// The main window's side of a drawing, as the chart sees it.
struct EnvironnementFactice : EnvironnementTrace {
    bool para = false;
    bool serieBas = false;
    QStringList journal;
    int pas = 0;

    bool chParaCoche() const override { return para; }
    bool chSerieBasCoche() const override { return serieBas; }
    void montreProgression() override { journal << "montre"; }
    void pasProgression() override { ++pas; }
    void cacheProgression() override { journal << "cache"; }
    void montreImpression() override { journal << "impression"; }
};

// The state after start-up and a run with the default texts on the 785 x 330
// picture area (GaucheGraphe 0).
inline void etatParDefaut()
{
    EtatCalcul = TEtatCalcul{};
    InitialiseEtatCalcul(0.8, 0.6, 0.3);
    const int table[8][2] = {{80, 3650},   {40, 7050},   {30, 10120}, {20, 14100},
                             {17, 18100},  {15, 21200},  {12, 24940}, {10, 28500}};
    for (int k = 0; k < 8; ++k)
        EtatCalcul.TableBandes[k] = {table[k][1], table[k][0]};
    EtatCalcul.LongElecDip = 2126;
    EtatCalcul.LongElecEch = 3261;
    EtatCalcul.LongElecTotale = 5387;
    EtatCalcul.EchelleX = 785.0 / 5387;
    EtatCalcul.EchelleY = 330 / 2.37;
    EtatCalcul.DemiHauteur = 165;
}

// The picture area as a previous drawing may have left it.
inline QImage ecran(int largeur = 785, int hauteur = 330)
{
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    img.fill(qRgb(0x20, 0x90, 0x40));
    return img;
}

// The pixels a text gets on its box, drawn alone: the chart must show exactly
// these where the text stands.
inline QImage texteSeul(const RasterSurface &modele, const QString &texte, QRgb couleur,
                        QRgb fond = qRgb(0xC0, 0xC0, 0xC0))
{
    QImage img(modele.largeurTexte(texte), modele.hauteurTexte(), QImage::Format_RGB32);
    RasterSurface s(img, modele.police());
    s.setCouleurPinceau(fond);
    s.setCouleurPolice(couleur);
    s.textOut(0, 0, texte);
    return img;
}

inline bool texteEn(const QImage &graphe, const RasterSurface &modele, int x, int y,
                    const QString &texte, QRgb couleur)
{
    const QImage attendu = texteSeul(modele, texte, couleur);
    return graphe.copy(QRect(QPoint(x, y), attendu.size())) == attendu;
}
