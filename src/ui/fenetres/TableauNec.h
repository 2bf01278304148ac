#pragma once

#include "nec/Verification.h"

#include <QTableWidget>
#include <vector>

// The NEC-2 check's table, a line per band. Its columns take the room their
// texts need and share what is left, so that the table fills its width; when
// the texts need more, it scrolls. Greyed, it still shows results that no
// longer match the inputs.
class TableauNec : public QTableWidget {
    Q_OBJECT
public:
    explicit TableauNec(QWidget *parent = nullptr);

    void montre(const std::vector<Nec::LigneTableau> &lignes, bool grise);

protected:
    bool viewportEvent(QEvent *e) override;

private:
    void ajusteColonnes();
};
