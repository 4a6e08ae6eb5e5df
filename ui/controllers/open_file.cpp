// Opening a file into the document: rich text, plain text, and word-processor documents
// handed to the system's word processor.
#include "ui/controllers/file_controller.h"

#include "core/document/document_session.h"
#include "core/document/document_texts.h"
#include "core/error.h"
#include "core/formats/file_kinds.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "platform/platform.h"
#include "ui/controllers/wrap_controller.h"
#include "ui/editor_state.h"
#include "ui/widgets/rich_text_box.h"

namespace pukana {

void FileController::open(const QString& path) {
    newDocument();
    try {
        const OpenKind kind = openKindFor(path);
        if (kind == OpenKind::RichText) {
            openRichText(path);
            return;
        }
        // Missing and unreadable files fail here, before anything else is decided.
        const QByteArray bytes = readWholeFile(path);
        if (kind == OpenKind::WordCandidate) {
            const WordDocument word =
                detectWordDocument(QByteArrayView(bytes).first(qMin<qsizetype>(2, bytes.size())));
            if (word != WordDocument::None) {
                offerToWordProcessor(path, word == WordDocument::Legacy);
                return;
            }
        }
        openPlainText(path, bytes);
    } catch (const PukanaError& e) {
        platform_.msgBox(texts::openErrorMessage(e.description(), path),
                         MessageStyle::OkExclamation);
    }
}

void FileController::openRichText(const QString& path) {
    {
        BusyPointer busy(platform_);
        QFont base = documentView_.baseFont();
        base.setFamily(settings_.baseFontName);
        document_.loadRichText(path, base);
    }
    rememberRecent(path);
    wrap_.setWrapAtWindowEdge(false);
}

void FileController::openPlainText(const QString& path, const QByteArray& bytes) {
    {
        BusyPointer busy(platform_);
        documentView_.setDocumentText(decodePlainText(bytes));
    }
    rememberRecent(path);
    wrap_.setWrapAtWindowEdge(true);
    document_.setPath(path);
    document_.setModified(false);
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
    // The path is one argument of its own: blanks, quotes or semicolons run nothing else.
    platform_.startProgram(wordProcessor(), {path});
    rememberRecent(path);
}

} // namespace pukana
