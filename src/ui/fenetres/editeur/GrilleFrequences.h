#pragma once

#include <QHeaderView>
#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

// How the band editor's grid is painted: the screen font is a bitmap font that
// Qt does not embolden, so the titles, the cells and the open cell's editor
// draw their bold text themselves.

// The title row, in the menu colour with the raised edge of fixed cells.
class TitresEditFreq : public QHeaderView {
public:
    explicit TitresEditFreq(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter *peintre, const QRect &cellule, int colonne) const override;
};

// Reports every keystroke that changes a cell editor's text, so a value typed
// and typed back still counts as an edit, while the program's own filling of
// the cells reports nothing. Also paints the cells in the grid's bold font.
class DelegueEditFreq : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    std::function<void(int, int, const QString &)> surSaisie;

    void paint(QPainter *peintre, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override;

    // Hands the text of an open cell editor to the grid, so that "Quitter"
    // reads what the user sees even when the editor has not been left.
    void valideEditeurOuvert();

private:
    mutable QPointer<QWidget> ouvert_;
};
