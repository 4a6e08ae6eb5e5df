// A compact picture of a document for comparing in tests: one line per paragraph,
// "<alignment>: [text|font|size attributes] ...", attributes " b", " i", " u", " s", " #rrggbb".
#pragma once

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace pukana::test {

inline QString alignmentName(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    if (a & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

inline QString describeRun(const QString& text, const QTextCharFormat& f) {
    QString attributes;
    if (f.fontWeight() > QFont::Medium)
        attributes += QStringLiteral(" b");
    if (f.fontItalic())
        attributes += QStringLiteral(" i");
    if (f.fontUnderline())
        attributes += QStringLiteral(" u");
    if (f.fontStrikeOut())
        attributes += QStringLiteral(" s");
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        attributes += u' ' + f.foreground().color().name();
    return QStringLiteral("[%1|%2|%3%4]")
        .arg(text, f.fontFamilies().toStringList().value(0))
        .arg(f.fontPointSize())
        .arg(attributes);
}

inline QStringList describe(const QTextDocument& doc) {
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line = alignmentName(block.blockFormat().alignment()) + u':';
        for (auto it = block.begin(); !it.atEnd(); ++it)
            line += u' ' + describeRun(it.fragment().text(), it.fragment().charFormat());
        lines.append(line);
    }
    return lines;
}

} // namespace pukana::test
