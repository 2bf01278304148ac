// Printing the chart or the lobe panel.
#include "ui/L_Main.h"

#include <QPushButton>

void TForm1::Impression1Click() { BitBtn2->hide(); }
