// Puts what the RTF reader finds into the document: runs of text in one format, paragraph
// ends and alignment, inserted through a QTextCursor.
#pragma once

#include "core/formats/rtf_run_builder.h"

#include <QSet>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <vector>

class QTextCursor;

namespace pukana::rtf {

class DocumentBuilder final : public RunBuilder {
public:
    /// Inserts at `cursor`. A whole document ends with the alignment of its last paragraph;
    /// inserted text leaves the paragraph it ends in as it was.
    DocumentBuilder(QTextCursor& cursor, bool wholeDocument, const FormatTables& tables,
                    CodePageDecoder& decoders);

    void forgetFormats() override { formats_.clear(); }

private:
    struct Look {
        ScriptFormat script;
        int color = 0;
        bool underline = false;
        bool strike = false;
        bool operator==(const Look&) const = default;
    };

    void insertRun(QString& text, const CharState& ch) override;
    void insertParagraph(Qt::Alignment align) override;
    void emptyParagraphEnded(const CharState& ch) override;
    void finished(std::optional<Qt::Alignment> lastAlign) override;

    void insertPiece(const QString& text, const CharState& ch, bool asian);
    void setAlignment(Qt::Alignment align);
    const QTextCharFormat& formatFor(const CharState& ch, bool asian);
    void setFamily(QTextCharFormat& format, const QString& family);

    QTextCursor& cursor_;
    const bool wholeDocument_;
    const FormatTables& tables_;

    std::vector<std::pair<Look, QTextCharFormat>> formats_;
    // In lower case: the installed families and those Qt substitutes, read when a document
    // has many fonts.
    QSet<QString> knownFamilies_;
    bool knownFamiliesRead_ = false;

    QTextBlockFormat continuationFormat_;      // of paragraphs that \par makes
    Qt::Alignment blockAlign_ = Qt::AlignLeft; // of the paragraph being read
};

} // namespace pukana::rtf
