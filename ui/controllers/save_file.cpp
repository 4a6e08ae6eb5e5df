// Saving the document in the format its name decides, and the two save commands.
#include "ui/controllers/file_controller.h"

#include "core/document/document_session.h"
#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "core/error.h"
#include "core/formats/file_kinds.h"
#include "core/formats/plain_text.h"
#include "platform/platform.h"
#include "ui/widgets/rich_text_box.h"

#include <QFileInfo>

namespace pukana {

FileController::SaveResult FileController::save(const QString& path) {
    try {
        const bool saved =
            saveFormatFor(path) == SaveFormat::RichText ? saveRichText(path) : savePlainText(path);
        return saved ? SaveResult::Saved : SaveResult::Declined;
    } catch (const PukanaError& e) {
        platform_.msgBox(texts::saveErrorMessage(e.description(), path),
                         MessageStyle::OkExclamation);
        return SaveResult::Failed;
    }
}

bool FileController::saveRichText(const QString& path) {
    {
        BusyPointer busy(platform_);
        document_.saveRichText(path); // through a temporary file: a failure keeps the old one
    }
    documentView_.setWrapWidth(platform_.printer().pageWidthTwips());
    return true;
}

bool FileController::savePlainText(const QString& path) {
    const EncodedPlainText encoded = encodePlainText(document_.plainTextForFile());
    if (encoded.unencodable > 0 &&
        platform_.msgBox(texts::unencodableQuestion(encoded.unencodable, encoded.samples),
                         MessageStyle::YesNoExclamationNo) != MessageResult::Yes)
        return false;
    BusyPointer busy(platform_);
    document_.savePlainText(path, encoded.bytes);
    return true;
}

void FileController::saveInPlace() {
    if (!document_.isModified())
        return;
    const QString path = document_.path();
    if (hasDirectory(path))
        save(path);
    else
        saveAs(); // a bare name: ask where
}

void FileController::saveAs() {
    const std::optional<QString> chosen =
        fileDialog_.askSave(platform_, &dialogParent_, document_.path(), filterIndex());
    if (!chosen)
        return; // Cancel ends the command without a word
    const QString path = *chosen;
    // Any existing file counts, hidden ones too: overwriting it silently would lose it.
    const QFileInfo target(path);
    if (target.exists() && !target.isDir() &&
        platform_.msgBox(texts::kOverwriteQuestion.toString(), MessageStyle::YesNoExclamationNo) !=
            MessageResult::Yes)
        return;
    if (save(path) != SaveResult::Declined)
        rememberRecent(path);
}

} // namespace pukana
