// The search menu and the find dialog.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace pukana {

class Platform;
class RichTextBox;
struct SearchState;

class SearchController : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QMenu& searchMenu;
        QAction& find;
        QAction& findNext;
        QAction& findPrevious;
    };

    SearchController(RichTextBox& documentView, SearchState& search, Platform& platform,
                     QWidget& dialogParent, const Actions& actions, QObject* parent = nullptr);

    /// Selects the first occurrence of the search text starting at or after the selection's
    /// start + its length; reports "not found" with two beeps and a message, leaving the
    /// selection as it was.
    void findNext();
    /// Selects the last occurrence lying within the first selectionStart() - 1 characters; reports
    /// "not found" as findNext does. Shows the hourglass while scanning.
    void findPrevious();
    /// Opens the find dialog, seeded from the document's selection or else the search text.
    void openFindDialog();

private:
    void updateMenu();
    void select(qsizetype position);
    void notFound(bool downward);

    RichTextBox& documentView_;
    SearchState& search_;
    Platform& platform_;
    QWidget& dialogParent_;
    Actions actions_;
};

} // namespace pukana
