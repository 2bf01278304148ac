#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: created hidden at start and shown again for every "A Propos".
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    QLabel *LOGO;
    QLabel *Label2;
    QLabel *Label1;
    QPushButton *BitBtn1;

    // The About picture, loaded like every picture of the program: a missing
    // one is reported when the box is opened.
    void chargeLogo();

protected:
    void showEvent(QShowEvent *e) override;
    // There is no cancel button: Escape does nothing.
    void keyPressEvent(QKeyEvent *e) override;
};
