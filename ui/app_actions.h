// Every menu command of the editor, created in one place. Each action carries its design ID
// as its objectName(); the main window puts them into its menus, and each controller takes
// the ones it handles.
#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace pukana {

class AppActions : public QObject {
    Q_OBJECT
public:
    explicit AppActions(QObject* parent = nullptr);

    // File menu.
    QAction* newDocument = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* printSeparator = nullptr;
    QAction* print = nullptr;
    QAction* exitSeparator = nullptr;
    QAction* exit = nullptr;
    QAction* recentSeparator = nullptr; ///< shown once there is a recent file

    // Edit menu.
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* undoSeparator = nullptr;
    QAction* convert = nullptr;
    QAction* convertSeparator = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* oldPaste = nullptr; ///< hidden and without a handler
    QAction* paste = nullptr;
    QAction* deleteSelection = nullptr;
    QAction* selectSeparator = nullptr;
    QAction* selectAll = nullptr;
    QAction* copyAll = nullptr;
    QAction* fontSeparator = nullptr;
    QAction* font = nullptr;
    QAction* wrapAtWindowEdge = nullptr;
    QAction* dropFormatting = nullptr; ///< hidden

    // View menu.
    QAction* showToolbar = nullptr;
    QAction* showKeyboard = nullptr;
    QAction* fileNameItem = nullptr;    ///< hidden and disabled
    QAction* plainToRichText = nullptr; ///< hidden
    QAction* richToPlainText = nullptr; ///< hidden

    // Search menu (hidden).
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* findPrevious = nullptr;

    // Typeface menu (hidden).
    QAction* mincho = nullptr;
    QAction* gothic = nullptr;

    // Help menu.
    QAction* readme = nullptr;
    QAction* about = nullptr;

    /// The actions of each menu in their order, separators included.
    QList<QAction*> fileMenu() const;
    QList<QAction*> editMenu() const;
    QList<QAction*> viewMenu() const;
    QList<QAction*> searchMenu() const;
    QList<QAction*> typefaceMenu() const;
    QList<QAction*> helpMenu() const;
};

} // namespace pukana
