#include "core/formats/rtf_document_builder.h"

#include "core/formats/font_family_format.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>

namespace pukana::rtf {

namespace {

bool startsWithText(QTextCursor& cursor, bool wholeDocument) {
    return !wholeDocument && !cursor.block().text().isEmpty();
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextCursor& cursor, bool wholeDocument,
                                 const FormatTables& tables, CodePageDecoder& decoders)
    : RunBuilder(decoders, startsWithText(cursor, wholeDocument)), cursor_(cursor),
      wholeDocument_(wholeDocument), tables_(tables) {
    if (!wholeDocument_) {
        continuationFormat_ = cursor_.blockFormat();
        blockAlign_ = continuationFormat_.alignment() & Qt::AlignHorizontal_Mask;
    }
}

void DocumentBuilder::insertRun(QString& text, const CharState& ch) {
    if (ch.latin == ch.asian) {
        insertPiece(text, ch, false);
        return;
    }
    // Latin and Japanese text of one run take their own script's format.
    const bool asianByDefault = ch.script == SelectedScript::Asian;
    forEachScriptPiece(text, asianByDefault, [&](qsizetype at, qsizetype n, bool asian) {
        insertPiece(n == text.size() ? text : text.sliced(at, n), ch, asian);
    });
}

void DocumentBuilder::insertPiece(const QString& text, const CharState& ch, bool asian) {
    cursor_.insertText(text, formatFor(ch, asian));
}

void DocumentBuilder::emptyParagraphEnded(const CharState& ch) {
    cursor_.setBlockCharFormat(formatFor(ch, true)); // what an empty line is typed in
}

void DocumentBuilder::insertParagraph(Qt::Alignment align) {
    setAlignment(align);
    cursor_.insertBlock(continuationFormat_);
    blockAlign_ = continuationFormat_.alignment() & Qt::AlignHorizontal_Mask;
}

void DocumentBuilder::setAlignment(Qt::Alignment align) {
    if (align == blockAlign_)
        return;
    blockAlign_ = align;
    QTextBlockFormat format = cursor_.blockFormat();
    format.setAlignment(align);
    cursor_.setBlockFormat(format);
}

void DocumentBuilder::finished(std::optional<Qt::Alignment> lastAlign) {
    if (wholeDocument_ && lastAlign)
        setAlignment(*lastAlign);
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
    if (!knownFamiliesRead_) {
        knownFamiliesRead_ = true;
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            for (const QString& name : QFontDatabase::families())
                knownFamilies_.insert(name.toLower());
        }
        for (const QString& name : QFont::substitutions())
            if (!QFont::substitutes(name).isEmpty())
                knownFamilies_.insert(name.toLower());
    }
    // Looked up for each font of the document: without any known family (no display) the
    // name need not even be lowered.
    if (!knownFamilies_.isEmpty() && knownFamilies_.contains(family.toLower()))
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
