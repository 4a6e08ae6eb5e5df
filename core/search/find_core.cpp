#include "core/search/find_core.h"

namespace pukana::search {

QString upperSameLength(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    const QChar* in = text.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i].unicode();
        if (u < 0x80) {
            // Most documents are largely ASCII and Japanese: keep those cases cheap.
            out[i] = (u >= u'a' && u <= u'z') ? QChar(u - 0x20) : in[i];
        } else if (u >= 0x3000 && u < 0xA000) {
            out[i] = in[i]; // kana, CJK symbols and kanji have no case
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && in[i + 1].isLowSurrogate()) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(u, in[i + 1].unicode()));
            // A pair stays a pair; a mapping that left the supplementary planes would not fit.
            if (QChar::requiresSurrogates(upper)) {
                out[i] = QChar(QChar::highSurrogate(upper));
                out[i + 1] = QChar(QChar::lowSurrogate(upper));
            } else {
                out[i] = in[i];
                out[i + 1] = in[i + 1];
            }
            ++i;
        } else {
            // Simple (one-to-one) mapping: a lone surrogate maps to itself.
            out[i] = QChar(QChar::toUpper(char32_t(u)));
        }
    }
    return result;
}

std::optional<qsizetype> findNext(QStringView text, qsizetype selStart, QStringView findText,
                                  bool matchCase) {
    if (findText.isEmpty())
        return std::nullopt;
    const qsizetype from = qBound<qsizetype>(0, selStart, text.size()) + findText.size();
    if (from > text.size() - findText.size())
        return std::nullopt;
    qsizetype pos;
    if (matchCase) {
        pos = text.indexOf(findText, from);
    } else {
        // Only the part that can hold a match needs upper-casing, but a surrogate pair cut at
        // `from` must be mapped whole, as in the whole text.
        qsizetype start = from;
        if (start > 0 && text[start - 1].isHighSurrogate() && text[start].isLowSurrogate())
            --start;
        const QString hay = upperSameLength(text.sliced(start));
        pos = QStringView(hay).indexOf(upperSameLength(findText), from - start);
        if (pos >= 0)
            pos += start;
    }
    return pos >= 0 ? std::optional<qsizetype>(pos) : std::nullopt;
}

std::optional<qsizetype> findPrev(QStringView text, qsizetype selStart, QStringView findText,
                                  bool matchCase) {
    if (findText.isEmpty())
        return std::nullopt;
    const qsizetype n = qBound<qsizetype>(0, selStart - 1, text.size());
    if (findText.size() > n)
        return std::nullopt;
    const QStringView head = text.first(n);
    qsizetype pos;
    if (matchCase) {
        pos = head.lastIndexOf(findText);
    } else {
        const QString hay = upperSameLength(head);
        pos = QStringView(hay).lastIndexOf(upperSameLength(findText));
    }
    return pos >= 0 ? std::optional<qsizetype>(pos) : std::nullopt;
}

std::optional<qsizetype> find(Direction direction, QStringView text, qsizetype selStart,
                              QStringView findText, bool matchCase) {
    return direction == Direction::Down ? findNext(text, selStart, findText, matchCase)
                                        : findPrev(text, selStart, findText, matchCase);
}

QString notFoundMessage(const QString& findText, bool matchCase) {
    QString message = QStringLiteral("[ ") + findText + QStringLiteral(" ]はみつかりません...");
    if (matchCase)
        message = QStringLiteral("【大文字と小文字を区別】\r\n") + message;
    return message;
}

QString directionTitle(Direction direction) {
    return direction == Direction::Down ? QStringLiteral("↓検索") : QStringLiteral("↑検索");
}

QString menuCaption(Direction direction, const QString& findText) {
    QString caption =
        direction == Direction::Down ? QStringLiteral("↓検索(&D)") : QStringLiteral("↑検索(&U)");
    if (!findText.isEmpty())
        caption += QStringLiteral(" [") + findText + u']';
    return caption;
}

} // namespace pukana::search
