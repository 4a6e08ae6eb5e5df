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

namespace {

// Failures that mean the folder cannot take the file: another place may well work.
bool folderNotWritable(int number) {
    return number == err::PermissionDenied || number == err::ReadOnlyFileSystem ||
           number == err::PathNotFound;
}

bool sameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a) == QFileInfo(b);
}

} // namespace

FileController::SaveResult FileController::save(const QString& path, bool quietFolderFailure) {
    try {
        const bool saved =
            saveFormatFor(path) == SaveFormat::RichText ? saveRichText(path) : savePlainText(path);
        if (saved && sameFile(path, lossyPath_)) {
            lossyPath_.clear(); // the file now holds what the document shows
            lossyBytes_ = 0;
        }
        return saved ? SaveResult::Saved : SaveResult::Declined;
    } catch (const PukanaError& e) {
        if (quietFolderFailure && folderNotWritable(e.number()))
            return SaveResult::FolderNotWritable;
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
    const EncodedPlainText encoded =
        encodePlainText(document_.plainTextForFile(), document_.textFileFormat());
    if (encoded.unencodable > 0 &&
        platform_.msgBox(texts::unencodableQuestion(encoded.unencodable, encoded.samples),
                         MessageStyle::YesNoExclamationNo) != MessageResult::Yes)
        return false;
    if (lossyBytes_ > 0 && sameFile(path, lossyPath_) &&
        platform_.msgBox(texts::lossySaveQuestion(lossyBytes_, path),
                         MessageStyle::YesNoExclamationNo) != MessageResult::Yes)
        return false;
    BusyPointer busy(platform_);
    document_.savePlainText(path, encoded.bytes);
    return true;
}

bool FileController::confirmReplacing(const QString& path) {
    // Any existing file counts, hidden ones too: overwriting it silently would lose it.
    const QFileInfo target(path);
    return !target.exists() || target.isDir() ||
           platform_.msgBox(texts::kOverwriteQuestion.toString(),
                            MessageStyle::YesNoExclamationNo) == MessageResult::Yes;
}

void FileController::saveInPlace() {
    if (!document_.isModified())
        return;
    const QString path = document_.path();
    if (!hasDirectory(path)) {
        saveAs(); // a bare name: ask where
        return;
    }
    // A name the editor made, or one typed into the name box, may name someone's file.
    if (!document_.isPathChosen() && !confirmReplacing(path))
        return;
    // A folder that cannot take the file: ask for another place, the name kept.
    if (save(path, true) == SaveResult::FolderNotWritable)
        saveAs();
}

void FileController::saveAs() {
    const std::optional<QString> chosen =
        fileDialog_.askSave(platform_, &dialogParent_, document_.path(), filterIndex());
    if (!chosen)
        return; // Cancel ends the command without a word
    const QString path = *chosen;
    if (!confirmReplacing(path))
        return;
    if (save(path) != SaveResult::Declined)
        rememberRecent(path);
}

} // namespace pukana
