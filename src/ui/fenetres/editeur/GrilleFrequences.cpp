#include "ui/fenetres/editeur/GrilleFrequences.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>

namespace {

// Qt does not embolden a bitmap font. The classic screen drew such a font in
// bold by striking each character again one pixel to the right, each one
// pixel wider; cell and title texts are drawn the same way.
bool grasParSurimpression(const QFont &police)
{
    if (!police.bold())
        return false;
    const QFontInfo trouvee(police);
    return !QFontDatabase::isScalable(trouvee.family(), trouvee.styleName());
}

constexpr int MargeTexte = 2; // from the cell's left edge to its text

void ecritCellule(QPainter &peintre, const QRect &cellule, const QString &texte, QFont police)
{
    const QRect zone = cellule.adjusted(MargeTexte, 0, -1, 0);
    constexpr int alignement = Qt::AlignLeft | Qt::AlignVCenter;
    const bool surimpression = grasParSurimpression(police);
    if (surimpression)
        police.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    peintre.setFont(police);
    peintre.drawText(zone, alignement, texte);
    if (surimpression)
        peintre.drawText(zone.translated(1, 0), alignement, texte);
}

QPalette::ColorGroup groupe(const QStyleOption &option)
{
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
}

// The open cell's editor, in the grid's bold font: drawn by Qt, then struck
// again one pixel to the right as the cells are, each character one pixel
// wider so that the caret and the selection follow the wider text.
class EditeurCellule : public QLineEdit {
public:
    explicit EditeurCellule(QWidget *parent) : QLineEdit(parent)
    {
        setFrame(false);
        QFont police = parent->font();
        surimpression_ = grasParSurimpression(police);
        if (surimpression_)
            police.setLetterSpacing(QFont::AbsoluteSpacing, 1);
        setFont(police);
    }

protected:
    void paintEvent(QPaintEvent *e) override
    {
        QLineEdit::paintEvent(e);
        if (!surimpression_ || text().isEmpty())
            return;
        // Where QLineEdit puts its text: two pixels in, centred vertically.
        constexpr int MargeInterne = 2;
        const QRect r = contentsRect().marginsRemoved(textMargins());
        const QFontMetrics fm(font());
        const int x = r.x() + MargeInterne;
        const int y = r.y() + (r.height() - fm.height() + 1) / 2 + fm.ascent();
        QPainter peintre(this);
        peintre.setFont(font());
        peintre.setClipRect(r);
        peintre.setPen(palette().color(QPalette::Text));
        peintre.drawText(QPoint(x + 1, y), text());
        if (hasSelectedText()) {
            const int debut = x + fm.horizontalAdvance(text().left(selectionStart()));
            const int fin = x + fm.horizontalAdvance(text().left(selectionEnd()));
            peintre.setClipRect(QRect(debut, r.y(), fin - debut, r.height()).intersected(r));
            peintre.setPen(palette().color(QPalette::HighlightedText));
            peintre.drawText(QPoint(x + 1, y), text());
        }
    }

private:
    bool surimpression_ = false;
};

} // namespace

void TitresEditFreq::paintSection(QPainter *peintre, const QRect &cellule, int colonne) const
{
    peintre->save();
    const QPalette &couleurs = palette();
    peintre->fillRect(cellule, QApplication::palette("QMenu").color(QPalette::Window));
    peintre->setPen(couleurs.color(QPalette::Light));
    peintre->drawLine(cellule.topLeft(), cellule.topRight());
    peintre->drawLine(cellule.topLeft(), cellule.bottomLeft());
    peintre->setPen(couleurs.color(QPalette::Mid));
    peintre->drawLine(cellule.topRight(), cellule.bottomRight());
    peintre->drawLine(cellule.bottomLeft(), cellule.bottomRight());
    peintre->setPen(couleurs.color(QPalette::WindowText));
    ecritCellule(*peintre, cellule, model()->headerData(colonne, Qt::Horizontal).toString(),
                 font());
    peintre->restore();
}

void DelegueEditFreq::paint(QPainter *peintre, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem cellule(option);
    initStyleOption(&cellule, index);
    const QString texte = cellule.text;
    cellule.text.clear(); // the style paints the background and selection only
    const QWidget *grille = cellule.widget;
    QStyle *style = grille ? grille->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cellule, peintre, grille);
    peintre->save();
    const bool choisie = cellule.state & QStyle::State_Selected;
    peintre->setPen(cellule.palette.color(groupe(cellule),
                                          choisie ? QPalette::HighlightedText : QPalette::Text));
    ecritCellule(*peintre, cellule.rect, texte, cellule.font);
    peintre->restore();
}

QWidget *DelegueEditFreq::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    auto *editeur = new EditeurCellule(parent);
    if (QLineEdit *ligne = editeur) {
        const QPersistentModelIndex cellule(index);
        connect(ligne, &QLineEdit::textEdited, ligne, [this, cellule](const QString &texte) {
            if (surSaisie)
                surSaisie(cellule.column(), cellule.row(), texte);
        });
        ouvert_ = editeur;
    }
    return editeur;
}

void DelegueEditFreq::valideEditeurOuvert()
{
    if (ouvert_)
        emit commitData(ouvert_);
}
