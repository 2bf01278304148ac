#pragma once

#include "DefautsTest.h"
#include "PlateformeTest.h"
#include "state/EtatCalcul.h"
#include "ui/fenetres/apropos/A_Propos.h"
#include "ui/fenetres/principale/L_Main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A main window started as the program starts it, in a working folder of its
// own holding the default band file, with scripted platform services.
class FenetreTest {
public:
    static inline const QByteArray KesuIni = Defauts::KesuIni;

    explicit FenetreTest(const QByteArray &contenu = KesuIni) : avant_(QDir::currentPath())
    {
        EtatCalcul = {};
        QDir::setCurrent(dossier_.path());
        if (!contenu.isNull()) {
            QFile f(dossier_.filePath("Kesu.ini"));
            if (f.open(QIODevice::WriteOnly))
                f.write(contenu);
        }
        w = std::make_unique<TForm1>();
        w->Form3 = new TForm3(w.get());
        w->show();
        w->activateWindow();
        (void)QTest::qWaitForWindowExposed(w.get());
        for (int i = 0; i < 50 && !w->demarrageFait(); ++i)
            QTest::qWait(2);
    }
    ~FenetreTest()
    {
        w.reset();
        QDir::setCurrent(avant_);
    }
    TForm1 *operator->() const { return w.get(); }
    QString dossier() const { return dossier_.path(); }

    PlateformeTest plateforme;
    std::unique_ptr<TForm1> w;

private:
    QTemporaryDir dossier_;
    QString avant_;
};
