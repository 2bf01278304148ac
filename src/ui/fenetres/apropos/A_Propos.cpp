#include "ui/fenetres/apropos/A_Propos.h"

#include "nec/Moteur.h"
#include "regles/Version.h"
#include "resources/Ressources.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/Application.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Plateforme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

TForm3::TForm3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("A_Propos"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(198, 240);

    LOGO = new QLabel(this);
    LOGO->setObjectName(QStringLiteral("LOGO"));
    LOGO->setGeometry(40, 39, 125, 137);
    LOGO->setScaledContents(true);

    Label2 = new QLabel(tr("Antenne Kesu   Version ") + QLatin1String(KesuVersionCourte), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(22, 12, 156, 16);
    QFont grande = font();
    grande.setPixelSize(16);
    Label2->setFont(grande);

    Label1 = new QLabel(tr("Logiciel libre, licence GPL 3"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(18, 185, 168, 13);
    QPalette p = Label1->palette();
    p.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    Label1->setPalette(p);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(60, 212, 91, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // F1 opens the box's section of the help. The box holds the main window
    // only, so that the help window it opens can be read and scrolled.
    setWindowModality(Qt::WindowModal);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connecteGarde(f1, &QShortcut::activated, this,
                  [] { plateforme().aide(AideViewer::document(), AideViewer::ContexteAPropos); });
}

void TForm3::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Centred on the screen, not on the main window.
    centreSurEcran(*this);
    // Which NEC-2 engine the check runs, and whether it computes a real
    // ground right: said where the pointer rests, the box's layout unchanged.
    const QString moteur = Nec::texteMoteurEnUsage();
    for (QWidget *w : std::initializer_list<QWidget *>{this, LOGO, Label1, Label2})
        w->setToolTip(moteur);
    BitBtn1->setFocus();
}

void TForm3::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TForm3::chargeLogo()
{
    if (LOGO->pixmap().isNull())
        LOGO->setPixmap(QPixmap::fromImage(ChargeBitmap(QStringLiteral("LOGO"))));
}
