#include "../longueurs/AntenneDefaut.h"
#include "ajustement/Ajustement.h"
#include "commande/CommandeAjuste.h"
#include "mesure/LectureMesure.h"
#include "nec/ExecutionNec.h"
#include "nec/Ligne.h"
#include "nec/Modele.h"

#include <QHash>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <random>

using Ajustement::Complexe;
using Ajustement::Point;

namespace {

// Every fit here asks decks another one asked: each is computed once.
std::vector<std::optional<std::vector<Nec::ImpedanceB>>>
moteur(const std::vector<QByteArray> &decks, QString &message)
{
    static QHash<QByteArray, std::vector<Nec::ImpedanceB>> faits;
    std::vector<QByteArray> nouveaux;
    for (const QByteArray &d : decks)
        if (!faits.contains(d) && std::find(nouveaux.begin(), nouveaux.end(), d) == nouveaux.end())
            nouveaux.push_back(d);
    if (!nouveaux.empty()) {
        const auto b = Nec::ExecutionNec::executeBloquants(nouveaux, 2);
        if (const auto *m = std::get_if<QString>(&b))
            message = *m;
        else
            for (std::size_t i = 0; i < nouveaux.size(); ++i)
                faits.insert(nouveaux[i], std::get<0>(b)[i]);
    }
    std::vector<std::optional<std::vector<Nec::ImpedanceB>>> r;
    for (const QByteArray &d : decks)
        r.push_back(faits.contains(d) ? std::optional(faits.value(d)) : std::nullopt);
    return r;
}

// The antenna the sweep comes from: lower, its branches 2.5 % longer and its
// ladder slower than the defaults a fit starts from.
Nec::Entrees cachee()
{
    Nec::Entrees e = antenneDefaut();
    e.antenne.hauteurM = 7.3;
    e.antenne.brancheCm = Defauts::BrancheCm * 1.025;
    e.echelle.coefVelocite = 0.87;
    return e;
}

struct Balayage {
    std::vector<double> frequencesHz;
    std::vector<Complexe> zB;
};

// The hidden antenna's Z at B at five points of each band's plan.
const Balayage &balayage()
{
    static const Balayage b = [] {
        const Nec::Entrees e = cachee();
        Balayage r;
        std::vector<double> mhz;
        for (const Nec::BandeVerifiee &bande : e.bandes)
            for (double f : Nec::balayageKHz(e, bande))
                mhz.push_back(f / 1000);
        QString message;
        const auto z =
            moteur({Nec::deck(e.antenne, Nec::frequenceGeometrieMHz(e), mhz)}, message)[0];
        if (!z)
            qFatal("%s", qPrintable(message));
        for (std::size_t i = 0; i < mhz.size(); ++i) {
            r.frequencesHz.push_back(mhz[i] * 1e6);
            r.zB.push_back((*z)[i].z);
        }
        return r;
    }();
    return b;
}

// The sweep as an analyzer at `p` would save it, with 2 % complex noise
// (the same draw at every point for every format).
QByteArray mesure(Point p, const QByteArray &format)
{
    const Nec::Entrees e = cachee();
    const Balayage &b = balayage();
    std::mt19937 alea(43);
    std::normal_distribution<double> n(0, 0.02 / std::numbers::sqrt2);
    QByteArray t = format == "csv" ? "Frequency (MHz);R (ohm);X (ohm)\n" : "# " + format + "\n";
    const double r = format.contains("R 75") ? 75 : 50;
    for (std::size_t i = 0; i < b.zB.size(); ++i) {
        const double f = b.frequencesHz[i];
        Complexe z = b.zB[i];
        if (p != Point::B)
            z = Nec::impedanceEnC(z, e.echelle, f, e.echelleCm / 100.0);
        if (p == Point::Balun)
            z /= e.boite.balun;
        z *= Complexe(1 + n(alea), n(alea));
        const Complexe g = (z - r) / (z + r);
        const auto x = [](double v) { return QByteArray::number(v, 'g', 17); };
        if (format == "csv")
            t += x(f / 1e6) + ";" + x(z.real()) + ";" + x(z.imag()) + "\n";
        else if (format.contains("RI"))
            t += x(f) + " " + x(g.real()) + " " + x(g.imag()) + "\n";
        else if (format.contains("MA"))
            t += x(f / 1e3) + " " + x(std::abs(g)) + " " + x(std::arg(g) * 180 / std::numbers::pi) +
                 "\n";
        else
            t += x(f / 1e6) + " " + x(20 * std::log10(std::abs(g))) + " " +
                 x(std::arg(g) * 180 / std::numbers::pi) + "\n";
    }
    return t;
}

Ajustement::Bilan ajuste(Point p, const QByteArray &format, std::vector<Ajustement::Inconnue> i)
{
    Ajustement::Demande d;
    d.entrees = antenneDefaut();
    d.releve = Mesure::litOctets(mesure(p, format), QStringLiteral("m"));
    d.point = p;
    d.inconnues = std::move(i);
    return Ajustement::ajuste(d, moteur);
}

} // namespace

class TstAjustement : public QObject {
    Q_OBJECT
private slots:
    // The engine's ground grids kept from run to run, as users have them.
    void initTestCase()
    {
        qunsetenv("KESU_SANS_CACHE");
        qputenv("KESU_CACHE", QFile::encodeName(cache_.path()));
    }
    void droite();
    void antenneCachee();
    void touchstoneRelu();

private:
    QTemporaryDir cache_;
};

// A straight line through noisy points: the fit meets the closed form of
// linear least squares, its values and their standard deviations.
void TstAjustement::droite()
{
    const std::vector<double> x{0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<double> y{1.1, 2.9, 5.2, 6.8, 9.1, 11.2, 12.8, 15.1};
    const Ajustement::Evaluation f = [&](const std::vector<std::vector<double>> &points) {
        std::vector<std::optional<Ajustement::Residus>> r;
        for (const auto &p : points) {
            Ajustement::Residus e;
            for (std::size_t i = 0; i < x.size(); ++i)
                e.push_back(p[0] + p[1] * x[i] - y[i]);
            r.push_back(e);
        }
        return r;
    };
    Ajustement::Reglages reglages;
    reglages.gainMin = 1e-12;
    reglages.evaluationsMax = 500;
    const auto r = Ajustement::moindresCarres({0, 0}, {{-10, 10}, {-10, 10}}, f, reglages);
    // Closed form.
    const double n = 8, sx = 28, sxx = 140;
    double sy = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sy += y[i];
        sxy += x[i] * y[i];
    }
    const double pente = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double origine = (sy - pente * sx) / n;
    double ssr = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        ssr += std::pow(origine + pente * x[i] - y[i], 2);
    const double s2 = ssr / (n - 2);
    QCOMPARE(r.arret, Ajustement::Arret::Converge);
    QVERIFY(std::fabs(r.valeurs[0] - origine) < 1e-4);
    QVERIFY(std::fabs(r.valeurs[1] - pente) < 1e-5);
    QVERIFY(std::fabs(r.incertitudes[1] - std::sqrt(s2 * n / (n * sxx - sx * sx))) < 1e-4);
    QVERIFY(std::fabs(r.incertitudes[0] - std::sqrt(s2 * sxx / (n * sxx - sx * sx))) < 1e-4);
    QVERIFY(std::fabs(r.ecartFin - std::sqrt(ssr / n)) < 1e-6);
}

// The hidden values found from the defaults, whatever the file's format,
// whether the sweep was taken at C, behind the balun or at B.
void TstAjustement::antenneCachee()
{
    using I = Ajustement::Inconnue;
    const std::vector<I> trois{I::Hauteur, I::Branche, I::CoefEchelle};
    const auto c = ajuste(Point::C, "Hz S RI R 50", trois);
    QCOMPARE(c.arret, Ajustement::Arret::Converge);
    QVERIFY(!c.inexplique());
    QVERIFY2(std::fabs(c.valeurs[0].ajuste - 7.3) < 0.3,
             qPrintable(QString::number(c.valeurs[0].ajuste)));
    QVERIFY(std::fabs(c.valeurs[1].ajuste / (Defauts::BrancheCm * 1.025) - 1) < 0.005);
    QVERIFY(std::fabs(c.valeurs[2].ajuste - 0.87) < 0.005);
    QVERIFY(c.executions <= 60);
    for (std::size_t k = 0; k < 3; ++k)
        QVERIFY(c.valeurs[k].incertitude > 0);
    // The same fit: apart by a small share of what the sweep can tell.
    const auto memes = [&](const Ajustement::Bilan &b) {
        for (std::size_t k = 0; k < 3; ++k)
            QVERIFY2(std::fabs(b.valeurs[k].ajuste - c.valeurs[k].ajuste) <
                         0.05 * c.valeurs[k].incertitude,
                     qPrintable(QStringLiteral("%1: %2 against %3")
                                    .arg(b.valeurs[k].nom)
                                    .arg(b.valeurs[k].ajuste, 0, 'g', 12)
                                    .arg(c.valeurs[k].ajuste, 0, 'g', 12)));
    };
    // Every format reads the same impedances, which the fit is made of.
    const auto lu = [](const char *format) {
        return Mesure::litOctets(mesure(Point::C, format), QStringLiteral("m"));
    };
    const Mesure::Releve ri = lu("Hz S RI R 50");
    for (const char *format : {"kHz S MA R 50", "MHz S DB R 75", "csv"}) {
        const Mesure::Releve r = lu(format);
        QCOMPARE(r.points.size(), ri.points.size());
        for (std::size_t i = 0; i < r.points.size(); ++i) {
            const Complexe z = Mesure::impedance(ri, ri.points[i]);
            QVERIFY(std::abs(Mesure::impedance(r, r.points[i]) - z) < 1e-9 * std::abs(z));
        }
    }
    memes(ajuste(Point::Balun, "Hz S RI R 50", trois));
    // At B the ladder is not measured: only the antenna can be fitted.
    const auto b = ajuste(Point::B, "Hz S RI R 50", {I::Hauteur, I::Branche});
    QVERIFY(std::fabs(b.valeurs[0].ajuste - 7.3) < 0.3);
    QVERIFY(std::fabs(b.valeurs[1].ajuste / (Defauts::BrancheCm * 1.025) - 1) < 0.005);
    try {
        ajuste(Point::B, "Hz S RI R 50", trois);
        QFAIL("the ladder fitted from B");
    } catch (const KesuErreur &) {
    }
}

// The model written as Touchstone and read back: Z at C as the table shows it.
void TstAjustement::touchstoneRelu()
{
    const Nec::Entrees e = cachee();
    const Balayage &b = balayage();
    std::vector<Nec::ImpedanceB> zB;
    for (std::size_t i = 0; i < b.zB.size(); ++i)
        zB.push_back({b.frequencesHz[i] / 1e6, b.zB[i]});
    const Mesure::Releve r = Mesure::litOctets(Ajustement::touchstone(e, Point::C, zB), "m.s1p");
    QCOMPARE(r.points.size(), zB.size());
    for (std::size_t i = 0; i < zB.size(); ++i) {
        const Complexe attendu =
            Nec::impedanceEnC(b.zB[i], e.echelle, b.frequencesHz[i], e.echelleCm / 100.0);
        QCOMPARE(r.points[i].frequenceHz, b.frequencesHz[i]);
        QVERIFY(std::abs(Mesure::impedance(r, r.points[i]) - attendu) < 1e-9 * std::abs(attendu));
    }
}

QTEST_GUILESS_MAIN(TstAjustement)
#include "tst_ajustement.moc"
