#pragma once

class QTranslator;

// What the program sets up before its first window: name and version,
// Qt's own French texts (loaded into the given translator, which must live as
// long as the application), the style metrics and the screen font.
void prepareApplication(QTranslator &traductionQt);

class QWidget;

// The window icon, loaded like every picture of the program.
void iconeApplication();

// Centres a window on the screen it is on.
void centreSurEcran(QWidget &fenetre);
