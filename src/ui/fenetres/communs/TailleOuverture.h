#pragma once

#include <QSize>

class QWidget;

// The size a tool window opens at: the one it was drawn for, within the
// screen's available area (room left for the frame and title bar, not known
// before the window is shown), and never below what its layout needs.
QSize tailleOuverture(const QWidget *fenetre, QSize voulue);

// Moves a tool window beside the main one, on the side with room for it, so
// that it no longer covers what the user looks at; on a screen too small for
// both, as far to that side as the screen goes.
void metACote(QWidget &outil, const QWidget &principale);
