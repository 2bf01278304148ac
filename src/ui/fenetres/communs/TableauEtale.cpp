#include "ui/fenetres/communs/TableauEtale.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>
#include <vector>

TableauEtale::TableauEtale(int colonnes, QWidget *parent) : QTableWidget(0, colonnes, parent)
{
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void TableauEtale::ajusteColonnes()
{
    QHeaderView *h = horizontalHeader();
    const int n = columnCount();
    std::vector<int> voulues(static_cast<std::size_t>(n));
    int somme = 0;
    int montrees = 0;
    for (int c = 0; c < n; ++c) {
        if (isColumnHidden(c))
            continue;
        voulues[c] = std::max(sizeHintForColumn(c), h->sectionSizeHint(c));
        somme += voulues[c];
        ++montrees;
    }
    // What is left is shared among the columns shown.
    const int reste = std::max(0, viewport()->width() - somme);
    for (int c = 0, i = 0; c < n; ++c) {
        if (isColumnHidden(c))
            continue;
        h->resizeSection(c, voulues[c] + reste * (i + 1) / montrees - reste * i / montrees);
        ++i;
    }
}

bool TableauEtale::viewportEvent(QEvent *e)
{
    const bool r = QTableWidget::viewportEvent(e);
    // The viewport narrows when a scroll bar appears: the table's own size
    // does not tell.
    if (e->type() == QEvent::Resize)
        ajusteColonnes();
    return r;
}
