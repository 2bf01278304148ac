// What the chart drawing asks of the window while it draws: the tuning class,
// the progress bar, the print button.
#include "ui/fenetres/principale/L_Main.h"

#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

bool TForm1::chParaCoche() const
{
    return ChPara->isChecked();
}

bool TForm1::chSerieBasCoche() const
{
    return ChSerie_bas->isChecked();
}

void TForm1::montreProgression()
{
    ProgressBar1->show();
    ProgressBar1->repaint();
}

void TForm1::pasProgression()
{
    // Like the classic control, a step past the end starts the bar over.
    int v = ProgressBar1->value() + 10;
    if (v > ProgressBar1->maximum())
        v -= ProgressBar1->maximum() - ProgressBar1->minimum();
    ProgressBar1->setValue(v);
    ProgressBar1->repaint();
}

void TForm1::cacheProgression()
{
    ProgressBar1->hide();
}

void TForm1::montreImpression()
{
    BitBtn2->show();
}
