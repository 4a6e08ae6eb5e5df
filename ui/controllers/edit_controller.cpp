#include "ui/controllers/edit_controller.h"

#include "core/document/document_session.h"
#include "core/document/menu_rules.h"
#include "core/error.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/input_target.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

namespace pukana {

namespace {
const QString FileNameBoxMessage =
    QStringLiteral("なまえのへんしゅうらんでは右クリックで！(手抜きです)");
} // namespace

EditController::EditController(RichTextBox& documentView, const DocumentSession& document,
                               const InputTarget& inputTarget, QListWidget& candidateList,
                               Platform& platform, const Menus& menus, const Actions& actions,
                               QObject* parent)
    : QObject(parent), documentView_(documentView), document_(document), inputTarget_(inputTarget),
      candidateList_(candidateList), platform_(platform), menus_(menus), actions_(actions) {
    setObjectName(QStringLiteral("editController"));
    // The document's right button shows the edit menu, not the text box's own menu.
    documentView_.setContextMenuPolicy(Qt::NoContextMenu);
    connect(&documentView_, &RichTextBox::mousePressed, this,
            [this](int button, int, double x, double y) {
                const QPoint at(twipsToPixels(x), twipsToPixels(y));
                popUpContextMenu(button, documentView_.viewport()->mapToGlobal(at));
            });
    connect(&menus_.editMenu, &QMenu::aboutToShow, this, [this] {
        // A context pop-up is prepared by its own rule; the menu bar's would enable paste.
        if (!contextOpening_)
            openFromMenuBar();
    });
    connect(&menus_.fileMenu, &QMenu::aboutToShow, this, [this] {
        actions_.newDocument.setEnabled(
            newDocumentEnabled(documentView_.textLength() == 0, document_.isModified()));
    });
    connect(&actions_.cut, &QAction::triggered, this, &EditController::cut);
    connect(&actions_.copy, &QAction::triggered, this, &EditController::copy);
    connect(&actions_.paste, &QAction::triggered, this, &EditController::paste);
    connect(&actions_.deleteSelection, &QAction::triggered, this, &EditController::deleteSelection);
    connect(&actions_.selectAll, &QAction::triggered, this, &EditController::selectAll);
    connect(&actions_.copyAll, &QAction::triggered, this, &EditController::copyAll);
    connect(&actions_.undo, &QAction::triggered, this, &EditController::undo);
    connect(&actions_.redo, &QAction::triggered, this, &EditController::redo);
    // The shortcuts work only while their items are enabled: keep them current.
    connect(&documentView_, &QTextEdit::undoAvailable, this, &EditController::refreshUndoItems);
    connect(&documentView_, &QTextEdit::redoAvailable, this, &EditController::refreshUndoItems);
    connect(&documentView_, &RichTextBox::contentChanged, this, &EditController::refreshUndoItems);
    refreshUndoItems();
}

void EditController::refreshUndoItems() {
    actions_.undo.setEnabled(documentView_.canUndo());
    actions_.redo.setEnabled(documentView_.canRedo());
}

void EditController::undo() {
    candidateList_.hide(); // an offered conversion belongs to the text before the undo
    documentView_.undo();
    documentView_.setFocus();
    refreshUndoItems();
}

void EditController::redo() {
    candidateList_.hide();
    documentView_.redo();
    documentView_.setFocus();
    refreshUndoItems();
}

void EditController::apply(const EditMenuEnabling& e) {
    refreshUndoItems();
    actions_.oldPaste.setEnabled(true);
    actions_.cut.setEnabled(e.cut);
    actions_.copy.setEnabled(e.copy);
    actions_.paste.setEnabled(e.paste);
    actions_.deleteSelection.setEnabled(e.del);
    if (e.convert)
        actions_.convert.setEnabled(*e.convert);
    actions_.font.setEnabled(e.font);
}

void EditController::openFromMenuBar() {
    apply(menuBarEnabling(documentView_.selectionLength(), document_.path()));
}

void EditController::popUpContextMenu(int button, const QPoint& globalPos) {
    // Any press in the document ends an offered conversion first.
    if (candidateList_.isVisible())
        candidateList_.hide();
    if (button != Qt::RightButton)
        return;
    apply(contextEnabling(documentView_.selectionLength(), platform_.clipboardHasRtf(),
                          document_.path()));
    contextOpening_ = true;
    menus_.editMenu.popup(globalPos);
    contextOpening_ = false;
}

bool EditController::refusedInFileNameBox() {
    if (inputTarget_.isDocument())
        return false;
    platform_.msgBox(FileNameBoxMessage, MessageStyle::Ok);
    return true;
}

void EditController::copySelection() {
    platform_.clipboardClear();
    platform_.clipboardSet(documentView_.selectedText(), documentView_.selectionRichText());
}

void EditController::cut() {
    if (refusedInFileNameBox())
        return;
    const RichTextBox::UndoStep step(documentView_);
    copySelection();
    documentView_.replaceSelection(QString());
}

void EditController::copy() {
    if (!refusedInFileNameBox())
        copySelection();
}

void EditController::paste() {
    if (refusedInFileNameBox())
        return;
    if (platform_.clipboardHasRtf()) {
        try {
            documentView_.replaceSelectionWithRichText(platform_.clipboardRtf());
            return;
        } catch (const PukanaError& e) {
            // Rich text that is not RTF after all: the plain text still pastes.
            if (!platform_.clipboardHasText()) {
                platform_.msgBox(e.description(), MessageStyle::Ok);
                return;
            }
        }
    }
    if (platform_.clipboardHasText())
        documentView_.replaceSelection(platform_.clipboardText());
}

void EditController::deleteSelection() {
    if (!refusedInFileNameBox())
        documentView_.replaceSelection(QString());
}

void EditController::selectAll() {
    documentView_.setCaretPosition(0);
    documentView_.setSelectionLength(documentView_.textLength());
}

void EditController::copyAll() {
    // Selecting everything to copy it would leave the whole text to be replaced by the next
    // key: copy without touching the caret or the selection.
    platform_.clipboardClear();
    platform_.clipboardSet(documentView_.documentText(), documentView_.richText());
}

} // namespace pukana
