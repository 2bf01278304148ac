#pragma once

#include <QLineEdit>

// A threshold box: unlike Qt's edit boxes it does not select its text when the
// keyboard brings the focus in (Tab, Shift+Tab), so a typed digit adds to the
// value; a mouse click selects it, which the main window handles.
class SaisieSeuil : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *e) override;
};
