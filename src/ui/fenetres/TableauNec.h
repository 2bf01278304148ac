#pragma once

#include "nec/Verification.h"
#include "ui/fenetres/TableauEtale.h"

#include <vector>

// The NEC-2 check's table, a line per band. Greyed, it still shows results
// that no longer match the inputs.
class TableauNec : public TableauEtale {
    Q_OBJECT
public:
    explicit TableauNec(QWidget *parent = nullptr);

    void montre(const std::vector<Nec::LigneTableau> &lignes, bool grise);
};
