// The one-line file-name box: a line edit that reports when it receives the focus.
#pragma once

#include <QLineEdit>

namespace pukana {

class FileNameBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void focusReceived();

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        Q_EMIT focusReceived();
    }
};

} // namespace pukana
