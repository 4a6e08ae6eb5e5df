#include "ui/widgets/send_keys.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QWidget>

namespace pukana {

namespace {

struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};

QList<KeyStroke> parseKeys(const QString& keys) {
    QList<KeyStroke> out;
    Qt::KeyboardModifiers pending = Qt::NoModifier;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == QLatin1Char('+')) {
            pending |= Qt::ShiftModifier;
            continue;
        }
        KeyStroke k;
        k.modifiers = pending;
        pending = Qt::NoModifier;
        if (c == QLatin1Char('~')) {
            k.key = Qt::Key_Return;
            k.text = QStringLiteral("\r");
        } else if (c == QLatin1Char('{')) {
            const qsizetype end = keys.indexOf(QLatin1Char('}'), i + 1);
            const QString name = keys.mid(i + 1, end < 0 ? -1 : end - i - 1).toUpper();
            i = end < 0 ? keys.size() : end;
            static const QHash<QString, int> names = {
                {QStringLiteral("LEFT"), Qt::Key_Left},
                {QStringLiteral("RIGHT"), Qt::Key_Right},
                {QStringLiteral("UP"), Qt::Key_Up},
                {QStringLiteral("DOWN"), Qt::Key_Down},
                {QStringLiteral("BS"), Qt::Key_Backspace},
                {QStringLiteral("BACKSPACE"), Qt::Key_Backspace},
                {QStringLiteral("DEL"), Qt::Key_Delete},
                {QStringLiteral("DELETE"), Qt::Key_Delete},
                {QStringLiteral("ENTER"), Qt::Key_Return},
                {QStringLiteral("HOME"), Qt::Key_Home},
                {QStringLiteral("END"), Qt::Key_End},
            };
            k.key = names.value(name, 0);
            if (k.key == Qt::Key_Return)
                k.text = QStringLiteral("\r");
            if (k.key == 0)
                continue;
        } else {
            k.key = 0;
            k.text = c;
        }
        out << k;
    }
    return out;
}

} // namespace

void sendKeys(QWidget* target, const QString& keys) {
    if (!target)
        return;
    for (const KeyStroke& k : parseKeys(keys)) {
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, k.text);
        QApplication::sendEvent(target, &release);
    }
}

} // namespace pukana
