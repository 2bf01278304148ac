#include "Francais.h"
#include "PlateformeTest.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/Langue.h"
#include "ui/plateforme/Reglages.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

// The block holding a named anchor, invalid when the document has none.
QTextBlock blocAncre(const QTextDocument &document, const QString &nom)
{
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(nom))
                return bloc;
        }
    }
    return {};
}

QString lit(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll()) : QString();
}

} // namespace

// The help document as shipped (copied beside the program by the build) and
// the viewer that opens it at the contents or at a help context.
class TstAide : public QObject {
    Q_OBJECT

    static QString nom()
    {
        return suiteEnAnglais() ? QStringLiteral("Kesu.en.hlp") : QStringLiteral("Kesu.hlp");
    }

    PlateformeTest plateforme_;
    QString document_;
    QTextDocument contenu_;
    QString dossierDeDepart_;

private slots:
    void initTestCase()
    {
        dossierDeDepart_ = QDir::currentPath();
        // The document of the suite's language: its sections are checked.
        document_ = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/../") + nom());
        const QString html = lit(document_);
        QVERIFY2(!html.isEmpty(), qPrintable(document_));
        contenu_.setHtml(html);
    }

    void init() { plateforme_.efface(); }
    void cleanup() { QDir::setCurrent(dossierDeDepart_); }

    void chaqueContexteASaSection_data()
    {
        QTest::addColumn<int>("contexte");
        const char *controles[] = {"LongDip",     "CoefDip",     "LongEch", "CbCoefEch",
                                   "ChSerie_bas", "ChSerie_moy", "bandes",  "Lancer",
                                   "A <--> B",    "B <--> C",    "lobes"};
        for (int k = 1; k <= 11; ++k)
            QTest::addRow("%d %s", k, controles[k - 1]) << k;
        QTest::newRow("éditeur des fréquences") << AideViewer::ContexteEditeur;
        QTest::newRow("A Propos") << AideViewer::ContexteAPropos;
        QTest::newRow("vérification NEC-2") << AideViewer::ContexteNec;
    }

    void chaqueContexteASaSection()
    {
        QFETCH(int, contexte);
        const QString ancre = AideViewer::ancre(contexte);
        QVERIFY(!ancre.isEmpty());
        QVERIFY2(blocAncre(contenu_, ancre).isValid(), qPrintable(ancre));
        for (int autre = 1; autre <= 11; ++autre)
            QVERIFY(autre == contexte || AideViewer::ancre(autre) != ancre);

        // The viewer opens there: the section's block is at the top of the view
        // (or the view is scrolled to its end).
        AideViewer::ouvre(document_, contexte);
        QTextBrowser *vue = AideViewer::fenetre();
        QVERIFY(vue);
        QVERIFY(vue->isVisible());
        QCOMPARE(vue->source().fragment(), ancre);
        const QTextBlock bloc = blocAncre(*vue->document(), ancre);
        QVERIFY(bloc.isValid());
        const int haut = qRound(vue->document()->documentLayout()->blockBoundingRect(bloc).top());
        QScrollBar *defilement = vue->verticalScrollBar();
        QTRY_VERIFY(defilement->value() > 0);
        QVERIFY2(qAbs(defilement->value() - qMin(haut, defilement->maximum())) <= 2,
                 qPrintable(QStringLiteral("%1 / %2").arg(defilement->value()).arg(haut)));
        QVERIFY(plateforme_.erreurs.isEmpty());
    }

    void sommaireEnHaut()
    {
        AideViewer::ouvre(document_, 11);
        AideViewer::ouvre(document_, 0);
        QTextBrowser *vue = AideViewer::fenetre();
        QVERIFY(vue);
        QVERIFY(vue->source().fragment().isEmpty());
        QCOMPARE(vue->verticalScrollBar()->value(), 0);
        if (!suiteEnAnglais())
            QCOMPARE(vue->windowTitle(), QStringLiteral("Aide de Kesu"));
    }

    // Back and Contents on the bar, Escape and Ctrl+W to close.
    void navigation()
    {
        AideViewer::ouvre(document_, 3);
        QTextBrowser *vue = AideViewer::fenetre();
        auto *sommaire = vue->findChild<QAction *>("Sommaire");
        auto *precedent = vue->findChild<QAction *>("Precedent");
        QVERIFY(sommaire && precedent);
        QCOMPARE(sommaire->text(), suiteEnAnglais() ? "Contents" : "Sommaire");
        sommaire->trigger();
        QVERIFY(vue->source().fragment().isEmpty());
        QCOMPARE(vue->verticalScrollBar()->value(), 0);
        QVERIFY(precedent->isEnabled());
        precedent->trigger();
        QCOMPARE(vue->source().fragment(), AideViewer::ancre(3));
        for (const QKeySequence &touche :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            vue->show();
            vue->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(vue));
            QTest::keySequence(vue, touche);
            QVERIFY(!vue->isVisible());
        }
    }

    // The run's own choice beats the one kept: --langue, then KESU_LANGUE,
    // then the settings.
    void langueDuDemarrage()
    {
        const QByteArray avant = qgetenv("KESU_LANGUE");
        Reglages::ecrit(Langue::cleReglage(), QStringLiteral("fr"));
        qputenv("KESU_LANGUE", "en");
        QCOMPARE(Langue::choisie(), QStringLiteral("en"));
        qunsetenv("KESU_LANGUE");
        QCOMPARE(Langue::choisie(QStringLiteral("en")), QStringLiteral("en"));
        QCOMPARE(Langue::choisie(), QStringLiteral("fr"));
        Reglages::ecrit(Langue::cleReglage(), QStringLiteral("en"));
        QCOMPARE(Langue::choisie(QStringLiteral("fr")), QStringLiteral("fr"));
        Reglages::ecrit(Langue::cleReglage(), QString());
        if (!avant.isEmpty())
            qputenv("KESU_LANGUE", avant);
    }

    // Whole within a 1000-pixel screen under a 30-pixel panel, moved in by
    // as little as it takes.
    void placeDans_data()
    {
        QTest::addColumn<QRect>("cadre");
        QTest::addColumn<QRect>("attendu");
        QTest::newRow("inside") << QRect(100, 100, 620, 560) << QRect(100, 100, 620, 560);
        QTest::newRow("below") << QRect(500, 700, 620, 560) << QRect(500, 440, 620, 560);
        QTest::newRow("too tall, right") << QRect(1200, 0, 620, 1200) << QRect(980, 30, 620, 970);
    }

    void placeDans()
    {
        QFETCH(QRect, cadre);
        QFETCH(QRect, attendu);
        QCOMPARE(AideViewer::placeDans(cadre, QRect(0, 30, 1600, 970)), attendu);
    }

    void uneSeuleFenetre()
    {
        AideViewer::ouvre(document_, 3);
        QTextBrowser *premiere = AideViewer::fenetre();
        premiere->close();
        AideViewer::ouvre(document_, 0);
        QCOMPARE(AideViewer::fenetre(), premiere);
        QVERIFY(premiere->isVisible());
    }

    void liensInternesValides()
    {
        int liens = 0;
        for (QTextBlock bloc = contenu_.begin(); bloc.isValid(); bloc = bloc.next()) {
            for (auto it = bloc.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.isAnchor() || !format.anchorHref().startsWith(u'#'))
                    continue;
                ++liens;
                const QString cible = format.anchorHref().mid(1);
                QVERIFY2(blocAncre(contenu_, cible).isValid(), qPrintable(cible));
            }
        }
        QVERIFY(liens > 11);
    }

    void nomSansEgardALaCasse_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("kesu.hlp, comme le bouton Aide") << QStringLiteral("kesu.hlp");
        QTest::newRow("KESU.HLP") << QStringLiteral("KESU.HLP");
        QTest::newRow("Kesu.hlp, nom exact") << QStringLiteral("Kesu.hlp");
        QTest::newRow("chemin relatif") << QStringLiteral("./aide/kEsU.hLp");
        QTest::newRow("chemin absolu") << QStringLiteral("@/aide/KESU.hlp");
    }

    void nomSansEgardALaCasse()
    {
        QFETCH(QString, nom);
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("aide")));
        const QString vrai = dossier.filePath(nom.contains(u'/') ? QStringLiteral("aide/Kesu.hlp")
                                                                 : QStringLiteral("Kesu.hlp"));
        QVERIFY(QFile::copy(document_, vrai));
        QVERIFY(QDir::setCurrent(dossier.path()));
        nom.replace(u'@', dossier.path());

        QCOMPARE(AideViewer::cheminResolu(nom), QFileInfo(vrai).absoluteFilePath());
        AideViewer::ouvre(nom, 8);
        QVERIFY(plateforme_.erreurs.isEmpty());
        QCOMPARE(AideViewer::fenetre()->source().toLocalFile(), QFileInfo(vrai).absoluteFilePath());
        QCOMPARE(AideViewer::fenetre()->source().fragment(), AideViewer::ancre(8));
    }

    // "Aide" and F1 look in the working folder, then beside the program, then in
    // the data folder of a tree laid out as the installation lays it out.
    void documentTrouve_data()
    {
        QTest::addColumn<QStringList>("copies");
        QTest::addColumn<QString>("attendu");
        const QString travail = QStringLiteral("travail/") + nom().toLower();
        const QString programme = QStringLiteral(KESU_DOSSIER_PROGRAMME "/") + nom();
        const QString donnees = QStringLiteral(KESU_DOSSIER_DONNEES "/") + nom();
        QTest::newRow("arborescence installée") << QStringList{donnees} << donnees;
        QTest::newRow("à côté du programme") << QStringList{donnees, programme} << programme;
        QTest::newRow("copie dans le dossier de travail")
            << QStringList{donnees, programme, travail} << travail;
        QTest::newRow("nulle part") << QStringList{} << QString();
    }

    void documentTrouve()
    {
        QFETCH(QStringList, copies);
        QFETCH(QString, attendu);
        QTemporaryDir racine;
        const QDir arbre(racine.path());
        for (const QString &dossier :
             {QStringLiteral("travail"), QStringLiteral(KESU_DOSSIER_PROGRAMME),
              QStringLiteral(KESU_DOSSIER_DONNEES)})
            QVERIFY(arbre.mkpath(dossier));
        for (const QString &copie : copies)
            QVERIFY(QFile::copy(document_, arbre.filePath(copie)));
        QVERIFY(QDir::setCurrent(arbre.filePath(QStringLiteral("travail"))));

        const QString trouve = AideViewer::document(arbre.filePath(KESU_DOSSIER_PROGRAMME));
        if (attendu.isEmpty()) {
            QCOMPARE(trouve, nom());
            AideViewer::ouvre(trouve, 1);
            if (!suiteEnAnglais())
                QCOMPARE(
                    plateforme_.erreurs,
                    QStringList{QStringLiteral("Impossible d'ouvrir le fichier d'aide Kesu.hlp")});
        } else {
            QCOMPARE(trouve, QFileInfo(arbre.filePath(attendu)).absoluteFilePath());
        }
    }

    // Reported in French; the program goes on and the viewer keeps its page.
    void fichierAbsent_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("pas de fichier de ce nom") << QStringLiteral("absent.hlp");
        QTest::newRow("dossier inexistant") << QStringLiteral("nulle/part/Kesu.hlp");
        QTest::newRow("nom vide") << QString();
    }

    void fichierAbsent()
    {
        QFETCH(QString, nom);
        AideViewer::ouvre(document_, 2);
        const QUrl avant = AideViewer::fenetre()->source();
        QTemporaryDir vide;
        QVERIFY(QDir::setCurrent(vide.path()));

        AideViewer::ouvre(nom, 2);
        if (!suiteEnAnglais())
            QCOMPARE(
                plateforme_.erreurs,
                QStringList{QStringLiteral("Impossible d'ouvrir le fichier d'aide %1").arg(nom)});
        QCOMPARE(AideViewer::fenetre()->source(), avant);
        QVERIFY(AideViewer::cheminResolu(nom).isEmpty());
    }
};

QTEST_MAIN(TstAide)
#include "tst_aide.moc"
