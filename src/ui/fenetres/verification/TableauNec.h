#pragma once

#include "nec/Verification.h"
#include "ui/fenetres/communs/TableauEtale.h"

#include <optional>
#include <vector>

// The NEC-2 check's table, a line per band. Greyed, it still shows results
// that no longer match the inputs. A band the run could not compute keeps its
// line, with the reason across the values. Under the T and L criteria two
// more columns give the network's setting and its loss. With a measured
// sweep, two more give each band's measured Z at C and how far the model is.
class TableauNec : public TableauEtale {
    Q_OBJECT
public:
    explicit TableauNec(QWidget *parent = nullptr);

    // `mesures`, when not empty, holds the measured Z at C at each line's
    // frequency (nothing where the sweep does not reach it).
    void montre(const std::vector<Nec::LigneTableau> &lignes,
                const std::vector<Nec::BandeEchouee> &echecs, bool grise, bool reseau = false,
                const std::vector<std::optional<Nec::Complexe>> &mesures = {});

    // Z with three significant figures, as the table writes it.
    static QString complexe(Nec::Complexe z);
    // A setting as the table writes it: its parts, or why none serves.
    static QString texteReglage(const Reseau::Reglage &r);
};
