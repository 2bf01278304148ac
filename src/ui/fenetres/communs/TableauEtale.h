#pragma once

#include <QTableWidget>

// A read-only table whose columns take the room their texts need and share
// what is left, so that it fills its width; when the texts need more, it
// scrolls. The NEC-2 check's table and the advised lengths' lists are ones.
class TableauEtale : public QTableWidget {
    Q_OBJECT
public:
    TableauEtale(int colonnes, QWidget *parent = nullptr);

    // After the rows are filled: the columns follow their new texts.
    void ajusteColonnes();

protected:
    bool viewportEvent(QEvent *e) override;
};
