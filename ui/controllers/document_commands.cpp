#include "ui/controllers/document_commands.h"

#include "core/bgr_color.h"
#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QDir>
#include <QFrame>

namespace pukana {

DocumentCommands::DocumentCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    connect(w_.T1, &RichTextBox::Change, this, &DocumentCommands::T1_Change);
    connect(w_.T2, &QLineEdit::textChanged, this, &DocumentCommands::T2_Change);
    connect(w_.M_New, &QAction::triggered, this, &DocumentCommands::M_New_Click);
    connect(w_.M_Open, &QAction::triggered, this, &DocumentCommands::M_Open_Click);
    connect(w_.M_Save, &QAction::triggered, this, &DocumentCommands::M_Save_Click);
    connect(w_.M_SaveAs, &QAction::triggered, this, &DocumentCommands::M_SaveAs_Click);
    connect(w_.M_Wrap, &QAction::triggered, this, &DocumentCommands::M_Wrap_Click);
    connect(w_.M_ConvText, &QAction::triggered, this, &DocumentCommands::M_ConvText_Click);
    connect(w_.M_ToRTF, &QAction::triggered, this, &DocumentCommands::M_ToRTF_Click);
    connect(w_.M_ToTXT, &QAction::triggered, this, &DocumentCommands::M_ToTXT_Click);
}

QString DocumentCommands::currentPath() const {
    return w_.windowTitle();
}

void DocumentCommands::nameset(const QString& path) {
    w_.setWindowTitle(path);
    QPalette palette = w_.Line1->palette();
    palette.setColor(QPalette::Window, fromBgr(indicatorColor(path)));
    w_.Line1->setPalette(palette);
    // FileDir and FileExt first: the box's change handler rebuilds the path from them.
    const PathParts parts = splitDocumentPath(path);
    s_.FileExt = parts.fileExt;
    s_.FileDir = parts.fileDir;
    // Setting the same text would move the caret of a user typing in the box to its end.
    if (w_.T2->text() != parts.baseName)
        w_.T2->setText(parts.baseName);
}

void DocumentCommands::newdoc() {
    // Clearing the rich text drops the content and all formatting at once.
    w_.T1->SetTextRTF(QByteArray());
    // A folder that exists, so the first save lands somewhere.
    const QString folder = newDocumentFolder(p_.desktopDir(), p_.homeDir(), p_.documentsDir());
    nameset(newDocumentPathIn(QDir::toNativeSeparators(folder)));
    QFont base = w_.T1->BaseFont();
    base.setFamily(s_.BaseFontName);
    base.setBold(false);
    base.setItalic(false);
    base.setUnderline(false);
    w_.T1->SetBaseFont(base);
    w_.T1->SetSelFontName(s_.BaseFontName);
    w_.T1->SetSelFontSize(12);
    w_.T1->SetSelColor(0);
    w_.T1->ClearUndo();
    s_.Modified = false;
    s_.PathConfirmed = false;
    s_.LossyPath.clear();
    s_.LossyBytes = 0;
    w_.M_Wrap->setChecked(false);
    wrapset();
}

bool DocumentCommands::saveQuestion() {
    if (s_.Modified) {
        const int answer = p_.msgBox(texts::kSaveQuestion.toString(), msg::YesNoCancelExclamation);
        if (answer == msg::ResultCancel)
            return false;
        if (answer == msg::ResultYes)
            M_SaveAs_Click();
        else if (answer == msg::ResultNo)
            s_.Modified = false;
    }
    return !s_.Modified;
}

void DocumentCommands::M_New_Click() {
    if (saveQuestion())
        newdoc();
}

void DocumentCommands::T2_Change() {
    QString text = w_.T2->text();
    if (text.isEmpty()) {
        text = kNewDocumentName.toString();
        w_.T2->setText(text);
    } else if (pathSeparators().contains(text.back())) {
        // A folder typed without a name yet: the name starts as a new document's.
        text += kNewDocumentName;
    }
    nameset(renameFromBox(s_.FileDir, text, s_.FileExt).path);
    s_.Modified = true;
    s_.PathConfirmed = false; // a typed name may be some other file's
}

void DocumentCommands::T1_Change() {
    if (!s_.Modified)
        s_.Modified = true;
}

QString DocumentCommands::plainTextForFile() const {
    QString raw = w_.T1->document()->toRawText();
    for (QChar& c : raw) {
        const char16_t u = c.unicode();
        // Paragraph ends and the markers around frames (tables) end lines in a file.
        if (u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1)
            c = u'\n';
    }
    return raw;
}

} // namespace pukana
