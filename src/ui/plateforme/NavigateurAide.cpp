#include "ui/plateforme/NavigateurAide.h"

#include "nec/Moteur.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

NavigateurAide::NavigateurAide(QWidget *parent) : QTextBrowser(parent), barre_(new QToolBar(this))
{
    barre_->setObjectName(QStringLiteral("BarreAide"));
    barre_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction *precedent = barre_->addAction(
        style()->standardIcon(QStyle::SP_ArrowBack),
        QCoreApplication::translate("NavigateurAide", "Précédent"), this, &QTextBrowser::backward);
    precedent->setObjectName(QStringLiteral("Precedent"));
    precedent->setShortcut(QKeySequence::Back);
    precedent->setEnabled(false);
    connect(this, &QTextBrowser::backwardAvailable, precedent, &QAction::setEnabled);
    QAction *sommaire = barre_->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                          QCoreApplication::translate("NavigateurAide", "Sommaire"),
                                          this, [this] { this->sommaire(); });
    sommaire->setObjectName(QStringLiteral("Sommaire"));
    // The bar sits above the text, outside what scrolls.
    setViewportMargins(0, barre_->sizeHint().height(), 0, 0);
}

void NavigateurAide::sommaire()
{
    QUrl haut = source();
    haut.setFragment({});
    if (haut != source())
        setSource(haut, QTextDocument::HtmlResource);
    verticalScrollBar()->setValue(0);
}

void NavigateurAide::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape || e->matches(QKeySequence::Close)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(e);
}

void NavigateurAide::resizeEvent(QResizeEvent *e)
{
    QTextBrowser::resizeEvent(e);
    const QRect r = contentsRect();
    barre_->setGeometry(r.left(), r.top(), r.width(), barre_->sizeHint().height());
}

QVariant NavigateurAide::loadResource(int type, const QUrl &nom)
{
    QVariant r = QTextBrowser::loadResource(type, nom);
    if (type != QTextDocument::HtmlResource)
        return r;
    QString html =
        r.typeId() == QMetaType::QString ? r.toString() : QString::fromUtf8(r.toByteArray());
    constexpr QLatin1StringView Marque("<!--moteur-->");
    if (!html.contains(Marque))
        return r;
    return html.replace(Marque, Nec::texteMoteurEnUsage().toHtmlEscaped());
}
