#include "core/layout/plain_shaping.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QtEndian>

#include <algorithm>
#include <optional>

#include <vector>

namespace pukana {

namespace {

/// GSUB features HarfBuzz never applies to horizontal text unasked, and ccmp, which
/// composes and decomposes around combining marks.
bool harmlessSubstitution(QByteArrayView tag) {
    static const QSet<QByteArray> harmless = {
        "ccmp", "vert", "vrt2", "vkna", "vrtr", "aalt", "salt", "nalt", "fwid",
        "hwid", "pwid", "qwid", "twid", "jp78", "jp83", "jp90", "jp04", "trad",
        "smpl", "expt", "hojo", "nlck", "ruby", "hkna", "ital", "zero", "dlig",
        "hlig", "sups", "subs", "sinf", "numr", "dnom", "ordn", "case", "smcp",
        "c2sc", "onum", "lnum", "pnum", "tnum", "swsh", "titl", "ornm", "hist"};
    if (tag.size() == 4 && (tag.startsWith("ss") || tag.startsWith("cv")) &&
        QChar::isDigit(uchar(tag[2])) && QChar::isDigit(uchar(tag[3])))
        return true; // stylistic sets and character variants
    return harmless.contains(tag.toByteArray());
}

/// The feature tags of a GSUB table, or nullopt when it cannot be read.
std::optional<QList<QByteArray>> substitutionFeatures(const QByteArray& gsub) {
    const auto u16 = [&gsub](qsizetype at) -> std::optional<quint16> {
        if (at < 0 || at + 2 > gsub.size())
            return std::nullopt;
        return qFromBigEndian<quint16>(gsub.constData() + at);
    };
    const auto listOffset = u16(6);
    const auto count = listOffset ? u16(*listOffset) : std::nullopt;
    if (!count)
        return std::nullopt;
    QList<QByteArray> tags;
    for (int i = 0; i < *count; ++i) {
        const qsizetype record = *listOffset + 2 + 6 * i;
        if (record + 6 > gsub.size())
            return std::nullopt;
        tags << gsub.mid(record, 4);
    }
    return tags;
}

bool standsAlone(char16_t c) {
    if (c == u'\t' || c == u'\n')
        return true; // laid out apart (tabs) or ending the paragraph: never shaped
    if (c == 0xFF9E || c == 0xFF9F || (c >= 0x1100 && c <= 0x11FF) ||
        (c >= 0xA960 && c <= 0xA97F) || (c >= 0xD7B0 && c <= 0xD7FF))
        return false; // join the character before them
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return false;
    default:
        return true;
    }
}

bool drawnAlone(QChar c, const QRawFont& font) {
    return standsAlone(c.unicode()) &&
           (c < u' ' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            font.supportsCharacter(c));
}

} // namespace

bool fontOnlyShapesMarks(const QRawFont& font) {
    if (!font.isValid())
        return false;
    for (const char* table : {"GPOS", "kern", "kerx", "morx", "mort", "trak"})
        if (!font.fontTable(table).isEmpty())
            return false;
    const QByteArray gsub = font.fontTable("GSUB");
    if (gsub.isEmpty())
        return true;
    const auto features = substitutionFeatures(gsub);
    return features && std::all_of(features->cbegin(), features->cend(), harmlessSubstitution);
}

bool charactersStandAlone(QStringView text, const QRawFont& font) {
    if (text.size() < 4096) // a run or a typed word: no table worth filling
        return std::all_of(text.begin(), text.end(), [&](QChar c) { return drawnAlone(c, font); });
    // A document repeats few distinct characters: ask the font about each only once.
    enum : uchar { Unknown, Yes, No };
    std::vector<uchar> known(0x10000, Unknown);
    for (const QChar c : text) {
        uchar& state = known[c.unicode()];
        if (state == Unknown)
            state = drawnAlone(c, font) ? Yes : No;
        if (state == No)
            return false;
    }
    return true;
}

bool shapingChangesNothing(QStringView text, const QFont& font) {
    // Every typed character asks again: read each face's tables once.
    thread_local QHash<QString, bool> faceKnown;
    const QRawFont raw = QRawFont::fromFont(font);
    const QString face = raw.familyName() + u'/' + raw.styleName();
    auto known = faceKnown.constFind(face);
    if (known == faceKnown.cend())
        known = faceKnown.insert(face, fontOnlyShapesMarks(raw));
    return *known && charactersStandAlone(text, raw);
}

bool shapingChangesNothing(const QTextDocument& doc, int from, int to) {
    if (to < 0)
        to = doc.characterCount();
    // Runs of one format share a font: check the text of each format together.
    struct Runs {
        QFont font;
        QString text;
    };
    QHash<int, Runs> byFormat;
    for (QTextBlock block = doc.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() >= to)
                break;
            const int start = qMax(from, fragment.position());
            const int end = qMin(to, fragment.position() + fragment.length());
            if (start >= end)
                continue;
            auto found = byFormat.find(fragment.charFormatIndex());
            if (found == byFormat.end())
                found = byFormat.insert(fragment.charFormatIndex(),
                                        {fragment.charFormat().font(), QString()});
            found->text +=
                QStringView(fragment.text()).mid(start - fragment.position(), end - start);
        }
    }
    return std::all_of(byFormat.cbegin(), byFormat.cend(), [](const Runs& runs) {
        return shapingChangesNothing(runs.text, runs.font);
    });
}

} // namespace pukana
