// What RTF tests compare: a document described paragraph by paragraph, run by run.
#pragma once

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failure messages for texts and lists of them.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace pukana::test {

/// One line per paragraph: "<alignment>: [text|font|size attributes] ...", attributes
/// " b", " i", " u", " s" and " #rrggbb".
inline QStringList describe(const QTextDocument& doc) {
    using namespace Qt::StringLiterals;
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment a = block.blockFormat().alignment();
        QString line = a & Qt::AlignHCenter   ? u"center:"_s
                       : a & Qt::AlignRight   ? u"right:"_s
                       : a & Qt::AlignJustify ? u"justify:"_s
                                              : u"left:"_s;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            line += u" [%1|%2|%3%4%5%6%7%8]"_s.arg(
                it.fragment().text(), f.fontFamilies().toStringList().value(0),
                QString::number(f.fontPointSize()),
                f.fontWeight() > QFont::Medium ? u" b"_s : u""_s, f.fontItalic() ? u" i"_s : u""_s,
                f.fontUnderline() ? u" u"_s : u""_s, f.fontStrikeOut() ? u" s"_s : u""_s,
                f.hasProperty(QTextFormat::ForegroundBrush)
                    ? QString(u' ' + f.foreground().color().name())
                    : QString());
        }
        lines.append(line);
    }
    return lines;
}

} // namespace pukana::test
