// Saving the document in the format its name decides, and the two save commands.
#include "ui/controllers/document_commands.h"

#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "core/error.h"
#include "core/formats/file_kinds.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "platform/platform.h"
#include "ui/main_window.h"
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

DocumentCommands::SaveResult DocumentCommands::docsave(const QString& path,
                                                       bool quietFolderFailure) {
    try {
        if (saveFormatFor(path) == SaveFormat::RichText) {
            p_.setPointer(pointer::Hourglass);
            w_.T1->SaveFile(path, 0); // through a temporary file: a failure keeps the old one
            p_.setPointer(pointer::Default);
            w_.T1->SetRightMargin(p_.printer().pageWidthTwips());
        } else {
            const EncodedPlainText encoded = encodePlainText(plainTextForFile());
            if (encoded.unencodable > 0 &&
                p_.msgBox(texts::unencodableQuestion(encoded.unencodable, encoded.samples),
                          msg::YesNoExclamationNo) != msg::ResultYes)
                return SaveResult::Declined;
            if (s_.LossyBytes > 0 && sameFile(path, s_.LossyPath) &&
                p_.msgBox(texts::lossySaveQuestion(s_.LossyBytes, path), msg::YesNoExclamationNo) !=
                    msg::ResultYes)
                return SaveResult::Declined;
            p_.setPointer(pointer::Hourglass);
            writeFileSafely(path, encoded.bytes);
            p_.setPointer(pointer::Default);
        }
        if (sameFile(path, s_.LossyPath)) {
            s_.LossyPath.clear(); // the file on disk now holds what the document shows
            s_.LossyBytes = 0;
        }
        nameset(path);
        s_.Modified = false;
        s_.PathConfirmed = true;
        Q_EMIT Saved();
        return SaveResult::Saved;
    } catch (const PukanaError& e) {
        p_.setPointer(pointer::Default);
        if (quietFolderFailure && folderNotWritable(e.number()))
            return SaveResult::FolderNotWritable;
        p_.msgBox(texts::saveErrorMessage(e.description(), path), msg::OkExclamation);
        return SaveResult::Failed;
    }
}

bool DocumentCommands::confirmReplacing(const QString& path) {
    // Any existing file counts, hidden ones too: overwriting it silently would lose it.
    const QFileInfo target(path);
    return !target.exists() || target.isDir() ||
           p_.msgBox(texts::kOverwriteQuestion.toString(), msg::YesNoExclamationNo) ==
               msg::ResultYes;
}

void DocumentCommands::M_Save_Click() {
    if (!s_.Modified)
        return;
    const QString path = currentPath();
    if (!hasDirectory(path)) {
        M_SaveAs_Click(); // a bare name: ask where
        return;
    }
    // A name the editor made, or one typed into the name box, may name someone's file.
    if (!s_.PathConfirmed && !confirmReplacing(path))
        return;
    // A folder that cannot take the file: ask for another place, the name kept.
    if (docsave(path, true) == SaveResult::FolderNotWritable)
        M_SaveAs_Click();
}

void DocumentCommands::M_SaveAs_Click() {
    QString path;
    try {
        prepareFileDialog();
        CMDialog1.FileName = currentPath();
        if (!CMDialog1.ShowSave(p_, &w_))
            return;
        path = CMDialog1.FileName;
    } catch (const PukanaError&) {
        return; // Cancel ends the command without a word
    }
    if (!confirmReplacing(path))
        return;
    if (docsave(path) != SaveResult::Declined)
        mruadd(path);
}

} // namespace pukana
