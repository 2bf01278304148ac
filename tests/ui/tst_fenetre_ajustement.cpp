#include "../longueurs/AntenneDefaut.h"
#include "PlateformeTest.h"
#include "nec/ExecutionNec.h"
#include "nec/Ligne.h"
#include "regles/TextesAjustement.h"
#include "ui/fenetres/ajustement/FenetreAjustement.h"
#include "ui/fenetres/communs/TableauEtale.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <unistd.h>

using Ajustement::Inconnue;
using Ajustement::Point;

Q_DECLARE_METATYPE(Ajustement::Point)
Q_DECLARE_METATYPE(Nec::Sol)

// The "Ajuster le modèle" window: its boxes, a fit of the ladder's velocity
// factor from a sweep the model itself gave, "Appliquer", and a fit
// cancelled while nec2c runs.
class TstFenetreAjustement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cases_data();
    void cases();
    void coefEchelle_data();
    void coefEchelle();
    void annulation();

private:
    // The settings in a folder of its own, and the language of the run.
    PlateformeTest plateforme_;
    QTemporaryDir cache_;
};

namespace {

constexpr double CoefMesure = 0.87;

// The default antenna on 40 m and 20 m only.
Nec::Entrees deuxBandes()
{
    Nec::Entrees e = antenneDefaut();
    std::erase_if(e.bandes, [](const auto &b) { return b.bande != 40 && b.bande != 20; });
    return e;
}

// The sweep an analyzer at `p` gives of that antenna with a ladder of
// velocity factor CoefMesure: Z at B computed once at the bands' plans,
// brought along the ladder (and the balun) by the line's own formula.
Mesure::Releve releve(Point p)
{
    Nec::Entrees e = deuxBandes();
    e.echelle.coefVelocite = CoefMesure;
    std::vector<double> mhz;
    for (const Nec::BandeVerifiee &b : e.bandes)
        for (double f : Nec::balayageKHz(e, b))
            mhz.push_back(f / 1000);
    const auto bilan = Nec::ExecutionNec::executeBloquant(
        Nec::deck(e.antenne, std::max(Nec::frequenceGeometrieMHz(e), mhz.back()), mhz),
        static_cast<int>(mhz.size()));
    const auto *z = std::get_if<std::vector<Nec::ImpedanceB>>(&bilan);
    if (!z)
        qFatal("nec2c: %s", qPrintable(std::get<QString>(bilan)));
    Mesure::Releve r;
    r.nom = QStringLiteral("essai.s1p");
    for (std::size_t i = 0; i < mhz.size(); ++i) {
        const double f = mhz[i] * 1e6;
        std::complex<double> zc = Nec::impedanceEnC((*z)[i].z, e.echelle, f, e.echelleCm / 100.0);
        if (p == Point::Balun)
            zc /= static_cast<double>(e.boite.balun);
        r.points.push_back({f, Mesure::reflexion(zc, r.referenceOhms)});
    }
    return r;
}

Ajustement::Demande demande(Point p, Mesure::Releve r = {})
{
    Ajustement::Demande d;
    d.entrees = deuxBandes();
    d.releve = std::move(r);
    d.point = p;
    return d;
}

// The processes this test started, at any depth: the engines and their
// watchers.
QStringList descendants()
{
    QHash<QString, QString> parent;
    for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile f("/proc/" + pid + "/stat");
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = f.readAll();
        const QList<QByteArray> champs = s.mid(s.lastIndexOf(')') + 2).split(' ');
        if (champs.size() > 1)
            parent.insert(pid, QString::fromLatin1(champs[1]));
    }
    QStringList r;
    const QString moi = QString::number(getpid());
    for (auto it = parent.cbegin(); it != parent.cend(); ++it)
        for (QString p = it.value(); !p.isEmpty() && p != "0"; p = parent.value(p))
            if (p == moi) {
                r << it.key();
                break;
            }
    return r;
}

} // namespace

void TstFenetreAjustement::initTestCase()
{
    // The ground grids and the sweep's answers kept between the fits.
    qunsetenv("KESU_SANS_CACHE");
    qputenv("KESU_CACHE", QFile::encodeName(cache_.path()));
}

void TstFenetreAjustement::cases_data()
{
    QTest::addColumn<Point>("point");
    QTest::addColumn<Nec::Sol>("sol");
    QTest::addColumn<bool>("echelle");
    QTest::addColumn<bool>("solAjustable");
    QTest::newRow("C, sol moyen") << Point::C << Nec::Sol::Moyen << true << true;
    QTest::newRow("balun, espace libre") << Point::Balun << Nec::Sol::Libre << true << false;
    QTest::newRow("B, sol moyen") << Point::B << Nec::Sol::Moyen << false << true;
}

// What may be fitted follows where the sweep was taken and the ground.
void TstFenetreAjustement::cases()
{
    QFETCH(Point, point);
    QFETCH(Nec::Sol, sol);
    QFETCH(bool, echelle);
    QFETCH(bool, solAjustable);
    Ajustement::Demande d = demande(point);
    d.entrees.antenne.sol = sol;
    d.releve.nom = QStringLiteral("vide.csv");
    FenetreAjustement f(d);
    for (QCheckBox *c : {f.CoefEchelle, f.Z0}) {
        QCOMPARE(c->isEnabled(), echelle);
        QCOMPARE(c->toolTip().isEmpty(), echelle);
    }
    QCOMPARE(f.Sol->isEnabled(), solAjustable);
    std::vector<Inconnue> attendues{Inconnue::Hauteur, Inconnue::Branche};
    if (echelle)
        attendues.push_back(Inconnue::CoefEchelle);
    QCOMPARE(f.inconnues(), attendues);
    // No point in the bands: nothing to fit, and said.
    QVERIFY(!f.Ajuster->isEnabled());
    QCOMPARE(f.Etat->text(), Textes::AjusteAucunPoint().arg(d.releve.nom));
    QCOMPARE(f.Points->text(), FenetreAjustement::tr("%1 sur %2").arg(0).arg(0));
}

void TstFenetreAjustement::coefEchelle_data()
{
    QTest::addColumn<Point>("point");
    QTest::newRow("C") << Point::C;
    QTest::newRow("balun") << Point::Balun;
}

// The velocity factor alone: the ladder costs no engine run, the fit finds
// the sweep's and "Appliquer" hands it over.
void TstFenetreAjustement::coefEchelle()
{
    QFETCH(Point, point);
    const Ajustement::Demande d = demande(point, releve(point));
    FenetreAjustement f(d);
    f.show();
    f.Hauteur->setChecked(false);
    f.Branche->setChecked(false);
    QCOMPARE(f.inconnues(), std::vector<Inconnue>{Inconnue::CoefEchelle});
    QVERIFY(!f.Appliquer->isEnabled());
    f.Ajuster->click();
    QTRY_VERIFY_WITH_TIMEOUT(!f.enCours(), 30000);
    QVERIFY(f.bilan());
    QCOMPARE(f.bilan()->arret, Ajustement::Arret::Converge);
    QCOMPARE(f.Etat->text(), Ajustement::texteArret(*f.bilan()));
    QCOMPARE(f.Resultats->rowCount(), 1);
    QCOMPARE(f.Resultats->item(0, 0)->text(),
             FenetreAjustement::tr("Coefficient de vélocité de l'échelle"));
    QCOMPARE(f.Resultats->item(0, 1)->text().toDouble(), Defauts::CoefEchelle);
    bool lu = false;
    const double ajuste = f.Resultats->item(0, 2)->text().toDouble(&lu);
    QVERIFY(lu);
    QVERIFY2(std::abs(ajuste - CoefMesure) <= 0.002, qPrintable(f.Resultats->item(0, 2)->text()));
    QCOMPARE(f.Verdict->text(), Textes::AjusteApplicable());

    std::optional<Nec::Entrees> recu;
    std::vector<Inconnue> inconnues;
    connect(&f, &FenetreAjustement::appliquer, this, [&](const auto &e, const auto &i) {
        recu = e;
        inconnues = i;
    });
    QVERIFY(f.Appliquer->isEnabled());
    f.Appliquer->click();
    QVERIFY(recu);
    QVERIFY(std::abs(recu->echelle.coefVelocite - CoefMesure) <= 0.002);
    // Nothing else moved.
    QCOMPARE(recu->antenne.hauteurM, d.entrees.antenne.hauteurM);
    QCOMPARE(recu->echelle.z0, d.entrees.echelle.z0);
    QCOMPARE(inconnues, std::vector<Inconnue>{Inconnue::CoefEchelle});
    QVERIFY(!f.isVisible());
}

// "Annuler" during the engine's runs: the fit says it was interrupted, and
// every process it started is gone.
void TstFenetreAjustement::annulation()
{
    Ajustement::Demande d = demande(Point::C, releve(Point::C));
    // A height no other test computed: the engine must run.
    d.entrees.antenne.hauteurM = 9.37;
    FenetreAjustement f(d);
    f.show();
    f.Branche->setChecked(false);
    f.CoefEchelle->setChecked(false);
    f.Ajuster->click();
    QVERIFY(f.enCours());
    QVERIFY(!f.Ajuster->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!descendants().isEmpty(), 10000);
    f.Annuler->click();
    QTRY_VERIFY_WITH_TIMEOUT(!f.enCours(), 10000);
    QCOMPARE(f.Etat->text(), Textes::AjusteInterrompu());
    QCOMPARE(f.bilan()->arret, Ajustement::Arret::Interrompu);
    QVERIFY(!f.Appliquer->isEnabled());
    QVERIFY(f.Ajuster->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(descendants(), QStringList(), 5000);
}

QTEST_MAIN(TstFenetreAjustement)
#include "tst_fenetre_ajustement.moc"
