#include "FenetreTest.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRgb encre(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
}

constexpr QRgb Jaune = 0xFFFF00;
constexpr QRgb Argent = 0xC0C0C0;

// Every text a box shows, nested rounds included. It listens after the
// window's own handler, so it hears a nested round before the round that
// started it: the innermost text comes first, which is the proof that the
// rounds nest inside one another rather than follow one another.
struct Historique {
    explicit Historique(QLineEdit *boite)
    {
        QObject::connect(boite, &QLineEdit::textChanged, boite,
                         [this](const QString &t) { textes << t; });
    }
    QStringList textes;
};

// A click selects the whole text, so the typed digit replaces it.
void tape(QLineEdit *boite, const QString &texte)
{
    QTest::mouseClick(boite, Qt::LeftButton);
    QTest::keyClicks(boite, texte);
}

} // namespace

// The impedance class and the three threshold boxes.
class TstSeuilsFenetre : public QObject {
    Q_OBJECT
private slots:
    void chiffreTape_data();
    void chiffreTape();
    void collerDouzeDansLaLimiteBasse();
    void collerUnQuartDansLaLimiteHaute();
    void cinqDerriereHuitDixiemes();
    void moyenneSeulementQuandElleChange();
    void couleursDesClasses_data();
    void couleursDesClasses();
    void changerDeClasseCacheLImpression();
    void zonesDuLancerSuivant_data();
    void zonesDuLancerSuivant();
};

void TstSeuilsFenetre::chiffreTape_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("chiffre");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("seuil");
    QTest::newRow("medium 7") << "LimitMoyenne"
                              << "7"
                              << "0.7" << 0.7;
    QTest::newRow("medium 9 above low") << "LimitMoyenne"
                                        << "9"
                                        << "0.6" << 0.6;
    QTest::newRow("low 5") << "LimiteBasse"
                           << "5"
                           << "0.8" << 0.8;
    QTest::newRow("low 9") << "LimiteBasse"
                           << "9"
                           << "0.9" << 0.9;
    QTest::newRow("high 6") << "LimiteHaute"
                            << "6"
                            << "0.3" << 0.3;
    QTest::newRow("high 0") << "LimiteHaute"
                            << "0"
                            << "0.0" << 0.0;
}

void TstSeuilsFenetre::chiffreTape()
{
    QFETCH(QString, boite);
    QFETCH(QString, chiffre);
    QFETCH(QString, texte);
    QFETCH(double, seuil);
    FenetreTest f;
    auto *b = f->findChild<QLineEdit *>(boite);
    tape(b, chiffre);
    QCOMPARE(b->text(), texte);
    const double tenu = boite == "LimiteBasse"    ? EtatCalcul.SeuilBas
                        : boite == "LimitMoyenne" ? EtatCalcul.SeuilMoyen
                                                  : EtatCalcul.SeuilHaut;
    QCOMPARE(tenu, seuil);
}

void TstSeuilsFenetre::collerDouzeDansLaLimiteBasse()
{
    FenetreTest f;
    Historique h(f->LimiteBasse);
    f->LimiteBasse->selectAll();
    f->LimiteBasse->insert("12"); // one change, as a paste
    QCOMPARE(h.textes, (QStringList{"0.8", "1.2", "12"}));
    QCOMPARE(EtatCalcul.SeuilBas, 0.8);
}

void TstSeuilsFenetre::collerUnQuartDansLaLimiteHaute()
{
    FenetreTest f;
    Historique h(f->LimiteHaute);
    f->LimiteHaute->selectAll();
    f->LimiteHaute->insert("0.25");
    QCOMPARE(h.textes, (QStringList{"0.3", "0.25"}));
    QCOMPARE(EtatCalcul.SeuilHaut, 0.3);
}

void TstSeuilsFenetre::cinqDerriereHuitDixiemes()
{
    FenetreTest f;
    Historique h(f->LimiteBasse);
    f->LimiteBasse->setFocus();
    f->LimiteBasse->end(false);
    QTest::keyClick(f->LimiteBasse, Qt::Key_5);
    QCOMPARE(h.textes, (QStringList{"0.8", "0.85"}));
    QCOMPARE(EtatCalcul.SeuilBas, 0.8);
}

void TstSeuilsFenetre::moyenneSeulementQuandElleChange()
{
    FenetreTest f;
    tape(f->LimiteBasse, "9");
    tape(f->LimitMoyenne, "9");
    QCOMPARE(EtatCalcul.SeuilMoyen, 0.9);
    tape(f->LimiteBasse, "8");
    QCOMPARE(EtatCalcul.SeuilBas, 0.8);
    QCOMPARE(EtatCalcul.SeuilMoyen, 0.9); // not checked again
    QCOMPARE(f->LimitMoyenne->text(), "0.9");
}

void TstSeuilsFenetre::couleursDesClasses_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QList<uint>>("couleurs"); // Série, Parallèle, basse, moyenne, haute
    QTest::newRow("ChSerie_bas") << "ChSerie_bas"
                                 << QList<uint>{Jaune, Argent, Jaune, Argent, Argent};
    QTest::newRow("ChPara") << "ChPara" << QList<uint>{Argent, Jaune, Argent, Argent, Jaune};
    QTest::newRow("back to ChSerie_moy")
        << "ChSerie_moy" << QList<uint>{Jaune, Argent, Argent, Jaune, Argent};
}

void TstSeuilsFenetre::couleursDesClasses()
{
    QFETCH(QString, bouton);
    QFETCH(QList<uint>, couleurs);
    FenetreTest f;
    if (bouton == "ChSerie_moy")
        f->ChPara->click();
    f->findChild<QRadioButton *>(bouton)->click();
    const QList<uint> vues{encre(f->GroupBox4), encre(f->GroupBox5), encre(f->Label5),
                           encre(f->Label6), encre(f->Label7)};
    QCOMPARE(vues, couleurs);
}

void TstSeuilsFenetre::changerDeClasseCacheLImpression()
{
    FenetreTest f;
    f->Button1->click();
    QVERIFY(f->BitBtn2->isVisible());
    const QImage graphe = f->Image1->picture();
    f->ChPara->click();
    QVERIFY(f->BitBtn2->isHidden());
    QCOMPARE(f->Image1->picture(), graphe); // nothing redrawn
    QVERIFY(f->ClicAB->isEnabled());
    // A threshold change does not hide it.
    f->Button1->click();
    tape(f->LimiteHaute, "4");
    QVERIFY(f->BitBtn2->isVisible());
    // Clicking the checked button again raises nothing.
    f->ChPara->click();
    QVERIFY(f->BitBtn2->isVisible());
}

namespace {

// The colour most of a chart row shows along the ladder, whatever curves cross it.
QRgb couleurDominante(const QImage &image, int ligne)
{
    QHash<QRgb, int> compte;
    for (int x = 320; x < 780; ++x)
        ++compte[image.pixel(x, ligne) & 0xFFFFFF];
    QRgb meilleure = 0;
    for (auto it = compte.cbegin(); it != compte.cend(); ++it)
        if (it.value() > compte.value(meilleure))
            meilleure = it.key();
    return meilleure;
}

constexpr QRgb Marine = 0x000080, Gris = 0x808080;

} // namespace

void TstSeuilsFenetre::zonesDuLancerSuivant_data()
{
    QTest::addColumn<QString>("reglage");
    QTest::addColumn<QList<int>>("lignes");
    QTest::addColumn<QList<uint>>("couleurs");
    // Default medium class: t = 0.6 below the low threshold 0.8.
    QTest::newRow("medium") << "moyenne" << QList<int>{55, 81, 82, 248, 249, 250, 276, 277}
                            << QList<uint>{Gris, Gris, Marine, Marine, Argent, Gris, Gris, Argent};
    // The low class draws the same zones.
    QTest::newRow("low") << "basse" << QList<int>{55, 81, 82, 248, 249, 250}
                         << QList<uint>{Gris, Gris, Marine, Marine, Argent, Gris};
    // High: t = 0.3 narrows the inner zone.
    QTest::newRow("high") << "haute" << QList<int>{55, 123, 124, 206, 207, 208, 276}
                          << QList<uint>{Gris, Gris, Marine, Marine, Argent, Gris, Gris};
    // Medium 0.9 above a low threshold lowered to 0.8 afterwards.
    QTest::newRow("medium above low")
        << "moyenne 0.9" << QList<int>{39, 40, 53, 54, 275, 276, 289, 290}
        << QList<uint>{Argent, Gris, Gris, Marine, Marine, Gris, Gris, Argent};
}

void TstSeuilsFenetre::zonesDuLancerSuivant()
{
    QFETCH(QString, reglage);
    QFETCH(QList<int>, lignes);
    QFETCH(QList<uint>, couleurs);
    FenetreTest f;
    if (reglage == "basse")
        f->ChSerie_bas->click();
    if (reglage == "haute")
        f->ChPara->click();
    if (reglage == "moyenne 0.9") {
        tape(f->LimiteBasse, "9");
        tape(f->LimitMoyenne, "9");
        tape(f->LimiteBasse, "8");
    }
    f->Button1->click();
    for (int i = 0; i < lignes.size(); ++i)
        QVERIFY2(couleurDominante(f->Image1->picture(), lignes[i]) == couleurs[i],
                 qPrintable(QString("row %1").arg(lignes[i])));
}

QTEST_MAIN(TstSeuilsFenetre)
#include "tst_seuils_fenetre.moc"
