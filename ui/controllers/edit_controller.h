// The edit menu: its enabling rules from the menu bar and as the document's context menu,
// the clipboard commands, and the file menu's new-document rule.
#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QListWidget;
class QMenu;

namespace pukana {

class DocumentSession;
class InputTarget;
class Platform;
class RichTextBox;
struct EditMenuEnabling;

class EditController : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction& undo;
        QAction& redo;
        QAction& cut;
        QAction& copy;
        QAction& oldPaste;
        QAction& paste;
        QAction& deleteSelection;
        QAction& selectAll;
        QAction& copyAll;
        QAction& convert;
        QAction& font;
        QAction& newDocument;
    };
    struct Menus {
        QMenu& fileMenu;
        QMenu& editMenu;
    };

    EditController(RichTextBox& documentView, const DocumentSession& document,
                   const InputTarget& inputTarget, QListWidget& candidateList, Platform& platform,
                   const Menus& menus, const Actions& actions, QObject* parent = nullptr);

    /// Cut, copy, paste and delete act on the document; they are refused with a message
    /// while the file-name box is the input target.
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    /// Selects the whole document, whatever box had the focus.
    void selectAll();
    /// Puts the whole document on the clipboard as plain and rich text; the caret and the
    /// selection stay where they were.
    void copyAll();
    /// Undoes or redoes one step of the document (a key, a paste, a font change...).
    void undo();
    void redo();

private:
    void openFromMenuBar();
    /// Enables undo and redo exactly when the document has a step to undo or redo.
    void refreshUndoItems();
    void popUpContextMenu(int button, const QPoint& globalPos);
    void apply(const EditMenuEnabling& enabling);
    bool refusedInFileNameBox();
    void copySelection();

    RichTextBox& documentView_;
    const DocumentSession& document_;
    const InputTarget& inputTarget_;
    QListWidget& candidateList_;
    Platform& platform_;
    Menus menus_;
    Actions actions_;
    bool contextOpening_ = false; // the edit menu is opening as the context menu
};

} // namespace pukana
