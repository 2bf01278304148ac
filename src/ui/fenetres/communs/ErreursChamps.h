#pragma once

#include "nec/Verification.h"

#include <QString>
#include <map>

class QFormLayout;
class QLabel;
class QWidget;

// The NEC-2 window's one way of saying what is wrong with an input: a red
// line under its box, the box tinted, and the box focused when the user asked
// for something (a click on "Calculer") rather than typed.
class ErreursChamps {
public:
    // Adds, in `forme` just under `champ`, the line that shows the errors of
    // `cle`. Several keys may share a box and its line.
    void ajoute(Nec::Champ cle, QFormLayout *forme, QWidget *champ);
    void ajoute(Nec::Champ cle, Nec::Champ commeCelle);

    void montre(const Nec::ErreurChamp &erreur, bool focalise);
    void efface();
    // What is shown for a key; empty when nothing is.
    QString texte(Nec::Champ cle) const;

private:
    struct Marque {
        QFormLayout *forme;
        QWidget *champ;
        QLabel *message;
    };
    std::map<Nec::Champ, Marque> marques_;
};
