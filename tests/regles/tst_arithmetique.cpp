#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

// Runs f and returns the text of the error it raised, or an empty text.
template <class F> QString erreurDe(F f)
{
    try {
        f();
    } catch (const KesuErreur &e) {
        return e.texte();
    }
    return {};
}

} // namespace

class TstArithmetique : public QObject {
    Q_OBJECT
private slots:
    void conversionEntiere_data();
    void conversionEntiere();
    void arrondiAuPair();
    void erreursEtTextes();
    void texteDeLaBoiteErreur();
};

void TstArithmetique::conversionEntiere_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<int>("valeur");
    QTest::newRow("plain") << "2062" << true << 2062;
    QTest::newRow("leading blanks") << "   42" << true << 42;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("minus sign") << "-67" << true << -67;
    QTest::newRow("hexadecimal") << "$1F" << true << 31;
    QTest::newRow("negative hexadecimal") << "-$10" << true << -16;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "  " << false << 0;
    QTest::newRow("trailing blank") << "42 " << false << 0;
    QTest::newRow("letters after") << "42cm" << false << 0;
    QTest::newRow("decimal point") << "4.5" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("far beyond") << "99999999999999999999" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
}

void TstArithmetique::conversionEntiere()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    QFETCH(int, valeur);
    if (valide) {
        QCOMPARE(Arith::StrToInt(texte), valeur);
    } else {
        QCOMPARE(erreurDe([&] { Arith::StrToInt(texte); }),
                 QString("'%1' n'est pas une valeur entière correcte").arg(texte));
    }
}

void TstArithmetique::arrondiAuPair()
{
    QCOMPARE(Arith::arrondi(2.5L), 2);
    QCOMPARE(Arith::arrondi(3.5L), 4);
    QCOMPARE(Arith::arrondi(-2.5L), -2);
    QCOMPARE(Arith::arrondi(2125.77L), 2126);
    QCOMPARE(Arith::arrondi(Arith::divise(5, 2)), 2); // a 5 cm branch at factor 2
    QCOMPARE(Arith::arrondi64(-0.4L), 0);
    QCOMPARE(Arith::tronque(-1.9L), -1);
    QCOMPARE(Arith::tronque(1942.17L), 1942);
}

void TstArithmetique::erreursEtTextes()
{
    const int max = std::numeric_limits<int>::max();
    QCOMPARE(erreurDe([&] { Arith::somme(max, 1); }), "Débordement d'entier");
    QCOMPARE(erreurDe([&] { Arith::produit(65536, 65536); }), "Débordement d'entier");
    QCOMPARE(erreurDe([&] { Arith::difference(std::numeric_limits<int>::min(), 1); }),
             "Débordement d'entier");
    QCOMPARE(erreurDe([] { Arith::arrondi(3e9L); }), "Erreur de vérification d'étendue");
    QCOMPARE(erreurDe([] { Arith::tronque(-3e9L); }), "Erreur de vérification d'étendue");
    QCOMPARE(erreurDe([] { Arith::divise(3000, 0); }), "Division par zéro en virgule flottante");
    QCOMPARE(erreurDe([] { Arith::divise(0, 0); }), "Opération en virgule flottante incorrecte");
    QCOMPARE(erreurDe([] { Arith::versDouble(1e400L); }), "Débordement en virgule flottante");
    QCOMPARE(erreurDe([] { Arith::arrondi(std::nanl("")); }),
             "Opération en virgule flottante incorrecte");
    QCOMPARE(Arith::somme(max - 1, 1), max);
}

void TstArithmetique::texteDeLaBoiteErreur()
{
    // A full stop is added when the text ends in a character after ".".
    QCOMPARE(texteBoiteErreur("Débordement d'entier"), "Débordement d'entier.");
    QCOMPARE(texteBoiteErreur("'x' n'est pas une valeur entière correcte"),
             "'x' n'est pas une valeur entière correcte.");
    QCOMPARE(texteBoiteErreur("Fin."), "Fin.");
    QCOMPARE(texteBoiteErreur("Quoi ?"), "Quoi ?.");
    QCOMPARE(texteBoiteErreur("Valeur -"), "Valeur -");
    QCOMPARE(texteBoiteErreur("Ressource 'x'"), "Ressource 'x'");
    QCOMPARE(texteBoiteErreur(""), "");
}

QTEST_APPLESS_MAIN(TstArithmetique)
#include "tst_arithmetique.moc"
