// What the RTF reader finds in the text, gathered into runs: bytes decoded in their code
// page, characters of one look collected until the look changes, paragraph ends made only
// when content follows them. Subclasses put the runs and paragraphs where they belong (a
// document, or plain text alone).
#pragma once

#include "core/formats/rtf_char_format.h"
#include "core/formats/rtf_codepage.h"

#include <QColor>
#include <QString>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace pukana::rtf {

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
};

/// The font and colour tables and the default font, which the formats refer to.
struct FormatTables {
    std::unordered_map<int, FontEntry> fonts;
    std::vector<QColor> colors;
    int defaultFont = 0;
};

class RunBuilder {
public:
    virtual ~RunBuilder() = default;

    /// Text bytes in `codePage`, in the format `ch`, in a paragraph aligned `align`.
    void appendBytes(QByteArrayView bytes, int codePage, const CharState& ch, Qt::Alignment align);
    /// Where more bytes of the same run can be appended directly (after appendBytes).
    std::string& pendingBytes() { return pending_; }
    /// One character (not 0), in the format `ch`.
    void appendChar(char32_t c, const CharState& ch, Qt::Alignment align);
    void paragraphEnd(const CharState& ch, Qt::Alignment align);
    /// The input has ended: the last run goes in, without a half-read character at its end.
    void finish();
    /// The tables changed: formats made from them are out of date.
    virtual void forgetFormats() {}

protected:
    /// `blockHasText`: whether the paragraph the content starts in has text already.
    RunBuilder(CodePageDecoder& decoders, bool blockHasText)
        : decoders_(decoders), blockHasText_(blockHasText) {}

    /// A run of text in the look of `ch`: not empty, only characters a document holds as
    /// plain characters (see sanitize()). The builder clears it afterwards.
    virtual void insertRun(QString& text, const CharState& ch) = 0;
    /// Content follows a paragraph end: the next paragraph begins. The ended one is aligned
    /// `align`.
    virtual void insertParagraph(Qt::Alignment align) = 0;
    /// A paragraph without text ended in the format `ch`.
    virtual void emptyParagraphEnded(const CharState&) {}
    /// The input ended; `lastAlign` is the alignment of the last paragraph when the input
    /// gave one (it ended with text or a paragraph end).
    virtual void finished(std::optional<Qt::Alignment> lastAlign) { (void)lastAlign; }

private:
    void beginContent(const CharState& ch, Qt::Alignment align);
    void decodePending();
    void flushRun();
    void makePendingParagraph();
    void dropCutOffCharacter();

    CodePageDecoder& decoders_;

    // The run being collected: text of one character format, inserted in one call.
    QString run_;
    std::string pending_; // bytes of the run not yet decoded
    int pendingCodePage_ = 0;
    CharState runCh_;
    bool runOpen_ = false;

    bool blockHasText_ = false;
    bool pendingPar_ = false; // a \par whose new paragraph is made when content follows
    Qt::Alignment pendingAlign_ = Qt::AlignLeft;
    Qt::Alignment lastAlign_ = Qt::AlignLeft; // of the last content
};

/// Gathers the text alone, as a document filled with the same runs would give it with
/// QTextDocument::toRawText(): paragraphs separated by U+2029, no formats.
class PlainTextBuilder final : public RunBuilder {
public:
    explicit PlainTextBuilder(CodePageDecoder& decoders) : RunBuilder(decoders, false) {}

    QString& text() { return text_; }

private:
    void insertRun(QString& text, const CharState&) override { text_ += text; }
    void insertParagraph(Qt::Alignment) override { text_ += QChar::ParagraphSeparator; }

    QString text_;
};

/// Leaves only characters that the document holds as plain characters: QTextCursor would
/// turn CR, LF and U+2029 into paragraphs, and a lone surrogate is no character at all.
void sanitize(QString& text);

} // namespace pukana::rtf
