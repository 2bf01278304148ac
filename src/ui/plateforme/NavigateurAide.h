#pragma once

#include <QTextBrowser>

class QToolBar;

// The help window: the document, a bar to go back and to the contents, and
// the keys a reader expects (Escape and Ctrl+W close it, Alt+Left goes back).
// Where the document says <!--moteur-->, it shows the NEC-2 engine in use and
// its verdict, which only the running program knows.
class NavigateurAide : public QTextBrowser {
public:
    explicit NavigateurAide(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &nom) override;
    // The document from its top, remembered for "Précédent".
    void sommaire();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QToolBar *barre_;
};
