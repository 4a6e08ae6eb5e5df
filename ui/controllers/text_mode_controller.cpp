#include "ui/controllers/text_mode_controller.h"

#include "core/document/document_session.h"
#include "core/document/document_texts.h"
#include "core/document/program_paths.h"
#include "core/document/settings_file.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "platform/platform.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QFile>

namespace pukana {

TextModeController::TextModeController(RichTextBox& documentView, const DocumentSession& document,
                                       const ProgramPaths& paths, Platform& platform,
                                       const Actions& actions, QObject* parent)
    : QObject(parent), documentView_(documentView), document_(document), paths_(paths),
      platform_(platform) {
    setObjectName(QStringLiteral("textModeController"));
    connect(&actions.dropFormatting, &QAction::triggered, this,
            &TextModeController::dropFormatting);
    connect(&actions.plainToRichText, &QAction::triggered, this,
            &TextModeController::plainToRichText);
    connect(&actions.richToPlainText, &QAction::triggered, this,
            &TextModeController::richToPlainText);
}

void TextModeController::dropFormatting() {
    platform_.beep();
    const MessageResult answer =
        platform_.msgBox(texts::kConvTextQuestion.toString(), MessageStyle::OkCancel,
                         texts::kConvTextTitle.toString());
    if (answer != MessageResult::Cancel)
        replaceByPlainText();
}

void TextModeController::replaceByPlainText() {
    // The document's plain text goes out to the scratch file and comes back line by line.
    const QString scratch = paths_.dataFile(kScratchFileName);
    try {
        if (scratch.isEmpty())
            raiseError(err::PathFileAccess, kScratchFileName.toString());
        // The scratch file is written like the document's own file, so nothing is lost.
        const TextFileFormat format = document_.textFileFormat();
        const EncodedPlainText encoded = encodePlainText(document_.plainTextForFile(), format);
        if (encoded.unencodable > 0 &&
            platform_.msgBox(texts::conversionLossQuestion(encoded.unencodable, encoded.samples),
                             MessageStyle::YesNoExclamationNo) != MessageResult::Yes)
            return;
        writeFileSafely(scratch, encoded.bytes);
        const QString text = decodePlainText(readWholeFile(scratch), format);
        QFile::remove(scratch);
        documentView_.setDocumentText(text);
        documentView_.clearUndoHistory(); // the formatted steps no longer fit the plain text
    } catch (const PukanaError& e) {
        if (!scratch.isEmpty())
            QFile::remove(scratch);
        platform_.msgBox(texts::scratchFileErrorMessage(e.description()),
                         MessageStyle::OkExclamation);
    }
}

void TextModeController::plainToRichText() {
    documentView_.setRichText(cp932::encode(documentView_.documentText()));
    documentView_.clearUndoHistory();
}

void TextModeController::richToPlainText() {
    documentView_.setDocumentText(cp932::decode(documentView_.richText()));
    documentView_.clearUndoHistory();
}

} // namespace pukana
