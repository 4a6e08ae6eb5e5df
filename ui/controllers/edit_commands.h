// Handlers of the edit menu, the clipboard commands, the document's context menu and the
// file menu's enabling rule.
#pragma once

#include <QObject>
#include <QPoint>

namespace pukana {

struct AppState;
struct EditMenuEnabling;
class MainWindow;
class Platform;

/// Menu-item indexes of the edit commands array.
namespace edit_item {
constexpr int Cut = 0;
constexpr int Copy = 1;
constexpr int OldPaste = 2; ///< hidden, without action; keeps its index
constexpr int Paste = 3;
constexpr int Delete = 4;
} // namespace edit_item

class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(MainWindow& window, AppState& state, Platform& platform);

    /// Opening of the edit menu from the menu bar: enables the items by the selection and
    /// the document type; the conversion item keeps the state the last context menu gave it.
    void M_Edit_Open();
    /// Prepares the edit menu for use as the document's context menu (the clipboard must
    /// hold rich text for paste, a selection for conversion).
    void prepareContextMenu();
    /// Mouse-down in the document: the right button prepares and pops up the context menu
    /// at `globalPos`.
    void T1_MouseDown(int button, const QPoint& globalPos);
    /// Opening of the file menu: the new-document item needs text or unsaved changes.
    void m_file_Open();

    /// Cut, copy, paste and delete on the document; refused with a message while the
    /// file-name box was the last of the two to get the focus.
    void M_Edit_Item_Click(int index);
    /// Selects the whole document, whatever box had the focus.
    void M_All_Click();
    /// Puts the whole document on the clipboard as plain and rich text; the caret and the
    /// selection stay where they were.
    void M_CopyAll_Click();
    void M_Undo_Click();
    void M_Redo_Click();
    /// Enables undo and redo exactly when the document has a step to undo or redo.
    void refreshUndoItems();

private:
    void apply(const EditMenuEnabling& e);
    void copySelection();
    void paste();

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
    bool contextOpening_ = false; // the edit menu is opening as the context menu
};

} // namespace pukana
