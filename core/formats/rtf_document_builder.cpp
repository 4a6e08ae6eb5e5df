#include "core/formats/rtf_document_builder.h"

#include "core/formats/font_family_format.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>

namespace pukana::rtf {

void sanitize(QString& text) {
    QChar* p = text.data();
    const qsizetype n = text.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = p[i].unicode();
        if (c < 0x20 && c != '\t')
            continue;
        if (c == 0x2029)
            c = 0x2028;
        else if (c == 0xFDD0 || c == 0xFDD1)
            c = 0xFFFD;
        else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
                p[out++] = QChar(c);
                c = p[++i].unicode();
            } else {
                c = 0xFFFD;
            }
        } else if (QChar::isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        p[out++] = QChar(c);
    }
    text.truncate(out);
}

DocumentBuilder::DocumentBuilder(QTextCursor& cursor, bool wholeDocument,
                                 const FormatTables& tables, CodePageDecoder& decoders)
    : cursor_(cursor), wholeDocument_(wholeDocument), tables_(tables), decoders_(decoders) {
    if (!wholeDocument_) {
        continuationFormat_ = cursor_.blockFormat();
        blockAlign_ = continuationFormat_.alignment() & Qt::AlignHorizontal_Mask;
        blockHasText_ = !cursor_.block().text().isEmpty();
    }
}

void DocumentBuilder::beginContent(const CharState& ch, Qt::Alignment align) {
    makePendingParagraph();
    if (!runOpen_ || !runCh_.sameLook(ch)) {
        flushRun();
        runCh_ = ch;
        runOpen_ = true;
    }
    lastAlign_ = align;
}

void DocumentBuilder::appendBytes(QByteArrayView bytes, int codePage, const CharState& ch,
                                  Qt::Alignment align) {
    if (bytes.isEmpty())
        return;
    beginContent(ch, align);
    if (codePage != pendingCodePage_)
        decodePending();
    pendingCodePage_ = codePage;
    pending_.append(bytes.data(), static_cast<std::size_t>(bytes.size()));
}

void DocumentBuilder::appendChar(char32_t c, const CharState& ch, Qt::Alignment align) {
    beginContent(ch, align);
    decodePending();
    if (c > 0xFFFF) {
        run_ += QChar(QChar::highSurrogate(c));
        run_ += QChar(QChar::lowSurrogate(c));
    } else {
        run_ += QChar(static_cast<char16_t>(c));
    }
}

void DocumentBuilder::decodePending() {
    if (pending_.empty())
        return;
    decoders_.decodeAppend(QByteArrayView(pending_.data(), static_cast<qsizetype>(pending_.size())),
                           pendingCodePage_, run_);
    pending_.clear();
}

void DocumentBuilder::flushRun() {
    decodePending();
    if (!run_.isEmpty()) {
        sanitize(run_);
        if (!run_.isEmpty()) {
            if (runCh_.latin == runCh_.asian) {
                insertRun(run_, false);
            } else {
                // Latin and Japanese text of one run take their own script's format.
                const bool asianByDefault = runCh_.script == SelectedScript::Asian;
                forEachScriptPiece(run_, asianByDefault,
                                   [&](qsizetype at, qsizetype n, bool asian) {
                                       insertRun(QStringView(run_).sliced(at, n), asian);
                                   });
            }
            blockHasText_ = true;
        }
        run_.clear();
    }
    runOpen_ = false;
}

void DocumentBuilder::insertRun(QStringView text, bool asian) {
    cursor_.insertText(text.toString(), formatFor(runCh_, asian));
}

void DocumentBuilder::paragraphEnd(const CharState& ch, Qt::Alignment align) {
    makePendingParagraph();
    flushRun();
    if (!blockHasText_)
        cursor_.setBlockCharFormat(formatFor(ch, true)); // what an empty line is typed in
    // The next paragraph is made only when content follows, so the \par that ends the last
    // paragraph adds no empty line. Its alignment waits too: pasted into a paragraph, a
    // last \par that is dropped must not change the alignment there.
    pendingAlign_ = align;
    pendingPar_ = true;
}

void DocumentBuilder::makePendingParagraph() {
    if (!pendingPar_)
        return;
    pendingPar_ = false;
    setAlignment(pendingAlign_);
    cursor_.insertBlock(continuationFormat_);
    blockAlign_ = continuationFormat_.alignment() & Qt::AlignHorizontal_Mask;
    blockHasText_ = false;
}

void DocumentBuilder::setAlignment(Qt::Alignment align) {
    if (align == blockAlign_)
        return;
    blockAlign_ = align;
    QTextBlockFormat format = cursor_.blockFormat();
    format.setAlignment(align);
    cursor_.setBlockFormat(format);
}

void DocumentBuilder::dropCutOffCharacter() {
    // A lead byte whose trail byte never came is half a character: nothing to show.
    if (pending_.empty() ||
        !isLeadByte(pendingCodePage_, static_cast<unsigned char>(pending_.back())))
        return;
    // Walk the pairs as the decoder does: a lead byte takes the next byte when it can be a
    // trail byte.
    const auto* bytes = reinterpret_cast<const unsigned char*>(pending_.data());
    const std::size_t n = pending_.size();
    std::size_t i = 0;
    while (i + 1 < n)
        i += isLeadByte(pendingCodePage_, bytes[i]) && bytes[i + 1] >= 0x40 ? 2 : 1;
    if (i == n - 1)
        pending_.pop_back();
}

void DocumentBuilder::finish() {
    dropCutOffCharacter();
    flushRun();
    if (!wholeDocument_)
        return;
    if (pendingPar_)
        setAlignment(pendingAlign_);
    else if (blockHasText_)
        setAlignment(lastAlign_);
}

void DocumentBuilder::setFamily(QTextCharFormat& format, const QString& family) {
    // Qt resolves a font for each family shown, and its font cache grows slow beyond a few
    // hundred: a document with more fonts than that shows those the system lacks in its base
    // font (they would fall back to another font anyway) and only keeps their names.
    constexpr std::size_t kManyFonts = 256;
    if (tables_.fonts.size() <= kManyFonts) {
        setFontFamily(format, family);
        return;
    }
    if (installedFamilies_.isEmpty() &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QString& name : QFontDatabase::families())
            installedFamilies_.insert(name.toLower());
    }
    if (installedFamilies_.contains(family.toLower()) || !QFont::substitutes(family).isEmpty())
        setFontFamily(format, family);
    else
        setUnshownFontFamily(format, family);
}

const QTextCharFormat& DocumentBuilder::formatFor(const CharState& ch, bool asian) {
    const Look look{asian ? ch.asian : ch.latin, ch.color, ch.underline, ch.strike};
    for (const auto& [known, format] : formats_)
        if (known == look)
            return format;
    QTextCharFormat format;
    const ScriptFormat& s = look.script;
    const auto font = tables_.fonts.find(s.font < 0 ? tables_.defaultFont : s.font);
    if (font != tables_.fonts.end() && !font->second.name.isEmpty())
        setFamily(format, font->second.name);
    format.setFontPointSize(s.halfPoints / 2.0);
    format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(s.italic);
    format.setFontUnderline(look.underline);
    format.setFontStrikeOut(look.strike);
    if (look.color >= 0 && static_cast<std::size_t>(look.color) < tables_.colors.size() &&
        tables_.colors[look.color].isValid())
        format.setForeground(tables_.colors[look.color]);
    if (formats_.size() >= 64)
        formats_.clear(); // documents with this many formats are rare; start over
    formats_.emplace_back(look, std::move(format));
    return formats_.back().second;
}

} // namespace pukana::rtf
