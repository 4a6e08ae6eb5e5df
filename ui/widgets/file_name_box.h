// The one-line file-name box: a line edit that reports when it receives the focus.
#pragma once

#include <QLineEdit>

namespace pukana {

class FileNameBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    QString SelText() const { return selectedText(); }
    void SetSelText(const QString& text) { insert(text); }

Q_SIGNALS:
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        Q_EMIT GotFocus();
    }
};

} // namespace pukana
