// Puts what the RTF reader finds into the document: runs of text in one format, paragraph
// ends and alignment, inserted through a QTextCursor.
#pragma once

#include "core/formats/rtf_char_format.h"
#include "core/formats/rtf_codepage.h"

#include <QColor>
#include <QSet>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <string>
#include <unordered_map>
#include <vector>

class QTextCursor;

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

class DocumentBuilder {
public:
    /// Inserts at `cursor`. A whole document ends with the alignment of its last paragraph;
    /// inserted text leaves the paragraph it ends in as it was.
    DocumentBuilder(QTextCursor& cursor, bool wholeDocument, const FormatTables& tables,
                    CodePageDecoder& decoders);

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
    void forgetFormats() { formats_.clear(); }

private:
    struct Look {
        ScriptFormat script;
        int color = 0;
        bool underline = false;
        bool strike = false;
        bool operator==(const Look&) const = default;
    };

    void beginContent(const CharState& ch, Qt::Alignment align);
    void decodePending();
    void flushRun();
    void insertRun(QStringView text, bool asian);
    void makePendingParagraph();
    void setAlignment(Qt::Alignment align);
    void dropCutOffCharacter();
    const QTextCharFormat& formatFor(const CharState& ch, bool asian);
    void setFamily(QTextCharFormat& format, const QString& family);

    QTextCursor& cursor_;
    const bool wholeDocument_;
    const FormatTables& tables_;
    CodePageDecoder& decoders_;

    // The run being collected: text of one character format, inserted in one call.
    QString run_;
    std::string pending_; // bytes of the run not yet decoded
    int pendingCodePage_ = 0;
    CharState runCh_;
    bool runOpen_ = false;
    std::vector<std::pair<Look, QTextCharFormat>> formats_;
    QSet<QString> installedFamilies_; // in lower case; read when a document has many fonts

    bool blockHasText_ = false;
    bool pendingPar_ = false; // a \par whose new paragraph is made when content follows
    Qt::Alignment pendingAlign_ = Qt::AlignLeft;
    Qt::Alignment lastAlign_ = Qt::AlignLeft;  // of the last content
    QTextBlockFormat continuationFormat_;      // of paragraphs that \par makes
    Qt::Alignment blockAlign_ = Qt::AlignLeft; // of the paragraph being read
};

/// Leaves only characters that the document holds as plain characters: QTextCursor would
/// turn CR, LF and U+2029 into paragraphs, and a lone surrogate is no character at all.
void sanitize(QString& text);

} // namespace pukana::rtf
