#pragma once

class QDialog;
class QKeyEvent;
class QPushButton;

// Enter in a tool window: a button the user moved to is pressed, as Enter
// presses a focused button anywhere; from an input box Enter runs the
// window's action, or does nothing while it cannot run (a computation under
// way), and never closes the window: what was typed stays. No button is the
// dialog's default, so that the focus falling on "Fermer" when the action
// greys out can never make it one.
void sansBoutonParDefaut(QDialog &fenetre);
// True when the event was Enter and is handled.
bool traiteEntree(QKeyEvent *e, QPushButton &action);
