// Opening a file into the document: rich text, plain text, and word-processor documents
// handed to the system's word processor.
#include "ui/controllers/file_controller.h"

#include "core/document/document_session.h"
#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "core/error.h"
#include "core/formats/file_kinds.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "platform/platform.h"
#include "ui/controllers/wrap_controller.h"
#include "ui/editor_state.h"
#include "ui/widgets/rich_text_box.h"

#include <QFileInfo>

#include <new>

namespace pukana {

void FileController::open(const QString& path) {
    try {
        const OpenKind kind = openKindFor(path);
        // Read first: a file that cannot be read or shown leaves the document as it was.
        const QByteArray bytes = readWholeFile(path);
        if (kind == OpenKind::RichText) {
            newDocument();
            openRichText(path, bytes);
            return;
        }
        if (kind == OpenKind::WordCandidate) {
            const WordDocument word =
                detectWordDocument(QByteArrayView(bytes).first(qMin<qsizetype>(2, bytes.size())));
            if (word != WordDocument::None) {
                newDocument();
                offerToWordProcessor(path, word == WordDocument::Legacy);
                return;
            }
        }
        const PlainTextCheck check = checkPlainText(bytes);
        if (check.kind == PlainTextKind::NotText) {
            // Shown as text and saved, a picture or a word-processor file would be destroyed.
            platform_.msgBox(texts::notTextMessage(path), MessageStyle::OkExclamation);
            return;
        }
        newDocument();
        openPlainText(path, bytes, check.undecodableBytes);
    } catch (const PukanaError& e) {
        platform_.msgBox(texts::openErrorMessage(e.description(), path),
                         MessageStyle::OkExclamation);
    } catch (const std::bad_alloc&) {
        platform_.msgBox(texts::openErrorMessage(errorDescription(err::OutOfMemory), path),
                         MessageStyle::OkExclamation);
    }
}

void FileController::openRichText(const QString& path, const QByteArray& bytes) {
    {
        BusyPointer busy(platform_);
        QFont base = documentView_.baseFont();
        base.setFamily(settings_.baseFontName);
        document_.loadRichText(path, bytes, base);
    }
    rememberRecent(path);
    wrap_.setWrapAtWindowEdge(false);
}

void FileController::openPlainText(const QString& path, const QByteArray& bytes,
                                   qsizetype undecodable) {
    {
        BusyPointer busy(platform_);
        const TextFileFormat format = detectTextFileFormat(bytes);
        documentView_.setDocumentText(decodePlainText(bytes, format));
        document_.setTextFileFormat(format);
    }
    documentView_.clearUndoHistory();
    rememberRecent(path);
    wrap_.setWrapAtWindowEdge(true);
    document_.setPath(path);
    document_.markPathChosen();
    document_.setModified(false);
    if (undecodable > 0) {
        lossyPath_ = path;
        lossyBytes_ = undecodable;
    }
}

void FileController::restoreUnsaved(const QString& path, bool rich, const QByteArray& content) {
    newDocument();
    bool shown = false;
    if (rich) {
        try {
            documentView_.loadRichText(content);
            shown = true;
        } catch (const PukanaError&) {
            // A damaged copy still shows its text.
        }
    }
    if (!shown)
        documentView_.setDocumentText(rich ? QString::fromLatin1(content)
                                           : QString::fromUtf8(content));
    documentView_.clearUndoHistory();
    wrap_.setWrapAtWindowEdge(!isRichTextPath(path));
    document_.setPath(path); // not chosen: the file may have changed since, so ask first
    document_.setModified(true);
}

QString FileController::wordProcessor() const {
#ifdef Q_OS_WIN
    return wordProcessorProgram();
#else
    const QString writer = QStringLiteral("lowriter");
    return platform_.programExists(writer) ? writer : QStringLiteral("xdg-open");
#endif
}

void FileController::offerToWordProcessor(const QString& path, bool legacy) {
    if (platform_.msgBox(texts::kWordQuestion.toString(), MessageStyle::YesNoQuestion) !=
        MessageResult::Yes)
        return;
    if (legacy) {
        platform_.msgBox(texts::kLegacyWordRefusal.toString(), MessageStyle::OkExclamation);
        return;
    }
    // The path is one argument of its own: blanks, quotes or semicolons run nothing else,
    // and as an absolute path a name starting with "-" is never taken for an option.
    platform_.startProgram(wordProcessor(), {QFileInfo(path).absoluteFilePath()});
    rememberRecent(path);
}

} // namespace pukana
