#include "ui/controllers/edit_commands.h"

#include "core/document/menu_rules.h"
#include "core/error.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace pukana {

namespace {
const QString FileNameBoxMessage =
    QStringLiteral("なまえのへんしゅうらんでは右クリックで！(手抜きです)");
} // namespace

EditCommands::EditCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    // The document's right button shows the edit menu, not the text box's own menu.
    w_.T1->setContextMenuPolicy(Qt::NoContextMenu);
    connect(w_.T1, &RichTextBox::MouseDown, this, [this](int button, int, double x, double y) {
        const QPoint at(twipsToPixels(x), twipsToPixels(y));
        T1_MouseDown(button, w_.T1->viewport()->mapToGlobal(at));
    });
    connect(w_.M_Edit, &QMenu::aboutToShow, this, [this] {
        // A context pop-up is prepared by its own rule; the menu bar's would enable paste.
        if (!contextOpening_)
            M_Edit_Open();
    });
    connect(w_.m_file, &QMenu::aboutToShow, this, &EditCommands::m_file_Open);
    for (int i = 0; i < w_.M_Edit_Item.size(); ++i)
        connect(w_.M_Edit_Item[i], &QAction::triggered, this, [this, i] { M_Edit_Item_Click(i); });
    connect(w_.M_All, &QAction::triggered, this, &EditCommands::M_All_Click);
    connect(w_.M_CopyAll, &QAction::triggered, this, &EditCommands::M_CopyAll_Click);
    connect(w_.M_Undo, &QAction::triggered, this, &EditCommands::M_Undo_Click);
    connect(w_.M_Redo, &QAction::triggered, this, &EditCommands::M_Redo_Click);
    // The shortcuts work only while their items are enabled: keep them current.
    connect(w_.T1, &QTextEdit::undoAvailable, this, &EditCommands::refreshUndoItems);
    connect(w_.T1, &QTextEdit::redoAvailable, this, &EditCommands::refreshUndoItems);
    connect(w_.T1, &RichTextBox::Change, this, &EditCommands::refreshUndoItems);
    refreshUndoItems();
}

void EditCommands::refreshUndoItems() {
    w_.M_Undo->setEnabled(w_.T1->CanUndo());
    w_.M_Redo->setEnabled(w_.T1->CanRedo());
}

void EditCommands::M_Undo_Click() {
    w_.List1->hide(); // an offered conversion belongs to the text before the undo
    w_.T1->Undo();
    w_.T1->setFocus();
    refreshUndoItems();
}

void EditCommands::M_Redo_Click() {
    w_.List1->hide();
    w_.T1->Redo();
    w_.T1->setFocus();
    refreshUndoItems();
}

void EditCommands::apply(const EditMenuEnabling& e) {
    refreshUndoItems();
    for (QAction* item : std::as_const(w_.M_Edit_Item))
        item->setEnabled(true);
    w_.M_Edit_Item[edit_item::Cut]->setEnabled(e.cut);
    w_.M_Edit_Item[edit_item::Copy]->setEnabled(e.copy);
    w_.M_Edit_Item[edit_item::Paste]->setEnabled(e.paste);
    w_.M_Edit_Item[edit_item::Delete]->setEnabled(e.del);
    if (e.convert)
        w_.m_xf->setEnabled(*e.convert);
    w_.m_font->setEnabled(e.font);
}

void EditCommands::M_Edit_Open() {
    apply(menuBarEnabling(w_.T1->SelLength(), w_.windowTitle()));
}

void EditCommands::prepareContextMenu() {
    apply(contextEnabling(w_.T1->SelLength(), p_.clipboardHasRtf(), w_.windowTitle()));
}

void EditCommands::T1_MouseDown(int button, const QPoint& globalPos) {
    // Any press in the document ends an offered conversion first.
    if (w_.List1->isVisible())
        w_.List1->hide();
    if (button != Qt::RightButton)
        return;
    prepareContextMenu();
    contextOpening_ = true;
    w_.M_Edit->popup(globalPos);
    contextOpening_ = false;
}

void EditCommands::m_file_Open() {
    w_.M_New->setEnabled(newDocumentEnabled(w_.T1->TextLength() == 0, s_.Modified));
}

void EditCommands::copySelection() {
    p_.clipboardClear();
    p_.clipboardSet(w_.T1->SelText(), w_.T1->SelRTF());
}

void EditCommands::paste() {
    if (p_.clipboardHasRtf()) {
        try {
            w_.T1->SetSelRTF(p_.clipboardRtf());
            return;
        } catch (const PukanaError&) {
            // Rich text that is not RTF after all: the plain text still pastes.
            if (!p_.clipboardHasText())
                throw;
        }
    }
    if (p_.clipboardHasText())
        w_.T1->SetSelText(p_.clipboardText());
}

void EditCommands::M_Edit_Item_Click(int index) {
    if (!s_.DocFocus) {
        p_.msgBox(FileNameBoxMessage, msg::Ok);
        return;
    }
    switch (index) {
    case edit_item::Cut: {
        const RichTextBox::UndoStep step(*w_.T1);
        copySelection();
        w_.T1->SetSelText(QString());
        break;
    }
    case edit_item::Copy:
        copySelection();
        break;
    case edit_item::Paste:
        paste();
        break;
    case edit_item::Delete:
        w_.T1->SetSelText(QString());
        break;
    default:
        break;
    }
}

void EditCommands::M_All_Click() {
    w_.T1->SetSelStart(0);
    w_.T1->SetSelLength(w_.T1->TextLength());
}

void EditCommands::M_CopyAll_Click() {
    // Selecting everything to copy it would leave the whole text to be replaced by the next
    // key: copy without touching the caret or the selection.
    p_.clipboardClear();
    p_.clipboardSet(w_.T1->Text(), w_.T1->TextRTF());
}

} // namespace pukana
