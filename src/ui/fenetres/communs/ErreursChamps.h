#pragma once

#include "nec/Verification.h"

#include <QString>
#include <map>

class QLabel;
class QWidget;

// The NEC-2 window's one way of saying what is wrong with an input: a red
// note just under its box, laid over what follows rather than pushing it
// down, so that no box moves while the user types; the box tinted, and the
// box focused when the user asked for something (a click on "Calculer")
// rather than typed.
class ErreursChamps {
public:
    // Prepares, for `champ`, the note that shows the errors of `cle`.
    // Several keys may share a box and its note.
    void ajoute(Nec::Champ cle, QWidget *champ);
    void ajoute(Nec::Champ cle, Nec::Champ commeCelle);

    void montre(const Nec::ErreurChamp &erreur, bool focalise);
    void efface();
    // What is shown for a key; empty when nothing is.
    QString texte(Nec::Champ cle) const;

private:
    struct Marque {
        QWidget *champ;
        QLabel *message;
    };
    std::map<Nec::Champ, Marque> marques_;
};
