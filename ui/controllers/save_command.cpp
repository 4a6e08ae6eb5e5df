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

DocumentCommands::SaveResult DocumentCommands::docsave(const QString& path) {
    try {
        if (saveFormatFor(path) == SaveFormat::RichText) {
            p_.setPointer(pointer::Hourglass);
            w_.T1->SaveFile(path, 0); // through a temporary file: a failure keeps the old one
            p_.setPointer(pointer::Default);
            w_.T1->SetRightMargin(p_.printer().pageWidthTwips());
        } else {
            const EncodedPlainText encoded = encodePlainText(plainTextForFile(), s_.TextFormat);
            if (encoded.unencodable > 0 &&
                p_.msgBox(texts::unencodableQuestion(encoded.unencodable, encoded.samples),
                          msg::YesNoExclamationNo) != msg::ResultYes)
                return SaveResult::Declined;
            p_.setPointer(pointer::Hourglass);
            writeFileSafely(path, encoded.bytes);
            p_.setPointer(pointer::Default);
        }
        nameset(path);
        s_.Modified = false;
        return SaveResult::Saved;
    } catch (const PukanaError& e) {
        p_.msgBox(texts::saveErrorMessage(e.description(), path), msg::OkExclamation);
        p_.setPointer(pointer::Default);
        return SaveResult::Failed;
    }
}

void DocumentCommands::M_Save_Click() {
    if (!s_.Modified)
        return;
    const QString path = currentPath();
    if (hasDirectory(path))
        docsave(path);
    else
        M_SaveAs_Click(); // a bare name: ask where
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
    // Any existing file counts, hidden ones too: overwriting it silently would lose it.
    const QFileInfo target(path);
    if (target.exists() && !target.isDir() &&
        p_.msgBox(texts::kOverwriteQuestion.toString(), msg::YesNoExclamationNo) != msg::ResultYes)
        return;
    if (docsave(path) != SaveResult::Declined)
        mruadd(path);
}

} // namespace pukana
