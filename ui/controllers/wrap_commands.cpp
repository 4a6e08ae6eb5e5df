// Wrapping at the window edge or the page width, and the three commands that change how the
// document's formatting is held.
#include "ui/controllers/document_commands.h"

#include "core/document/document_texts.h"
#include "core/document/settings_file.h"
#include "core/document/wrap_width.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "core/formats/plain_text.h"
#include "core/formats/text_file.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QFile>
#include <QFrame>

namespace pukana {

void DocumentCommands::wrapset() {
    RichTextBox* t1 = w_.T1;
    const int selStart = t1->SelStart();
    const bool atWindowEdge = w_.M_Wrap->isChecked();
    const int width = static_cast<int>(pixelsToTwips(t1->width()));
    const int margin = wrapMargin(atWindowEdge, width, p_.printer().pageWidthTwips(),
                                  static_cast<int>(t1->RightMargin()));
    t1->SetRightMargin(margin); // relayouts only when the width really changes
    if (t1->SelLength() != 0 || t1->SelStart() != selStart)
        t1->SetSelStart(selStart);
    w_.P3->setVisible(pageMarkerVisible(atWindowEdge));
}

void DocumentCommands::M_Wrap_Click() {
    // Chosen from the menu, the item has switched its mark itself; from code, switch it here.
    if (sender() != w_.M_Wrap)
        w_.M_Wrap->setChecked(!w_.M_Wrap->isChecked());
    wrapset();
}

void DocumentCommands::M_ConvText_Click() {
    p_.beep();
    const int answer = p_.msgBox(texts::kConvTextQuestion.toString(), msg::OkCancel,
                                 texts::kConvTextTitle.toString());
    if (answer != msg::ResultCancel)
        fmtclear();
}

void DocumentCommands::fmtclear() {
    // The document's plain text goes out to the scratch file and comes back line by line.
    const QString scratch = s_.DataDir.isEmpty() ? QString() : s_.DataDir + kScratchFileName;
    try {
        if (scratch.isEmpty())
            raiseError(err::PathFileAccess, kScratchFileName.toString());
        const EncodedPlainText encoded = encodePlainText(plainTextForFile());
        if (encoded.unencodable > 0 &&
            p_.msgBox(texts::conversionLossQuestion(encoded.unencodable, encoded.samples),
                      msg::YesNoExclamationNo) != msg::ResultYes)
            return;
        writeFileSafely(scratch, encoded.bytes);
        const QString text = decodePlainText(readWholeFile(scratch));
        QFile::remove(scratch);
        w_.T1->SetText(text);
        w_.T1->ClearUndo(); // the formatted steps no longer fit the plain text
    } catch (const PukanaError& e) {
        if (!scratch.isEmpty())
            QFile::remove(scratch);
        p_.msgBox(texts::scratchFileErrorMessage(e.description()), msg::OkExclamation);
    }
}

void DocumentCommands::M_ToRTF_Click() {
    w_.T1->SetTextRTF(cp932::encode(w_.T1->Text()));
    w_.T1->ClearUndo();
}

void DocumentCommands::M_ToTXT_Click() {
    w_.T1->SetText(cp932::decode(w_.T1->TextRTF()));
    w_.T1->ClearUndo();
}

} // namespace pukana
