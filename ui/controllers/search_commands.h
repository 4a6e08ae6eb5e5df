// Handlers of the search menu and the find dialog.
#pragma once

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class SearchCommands : public QObject {
    Q_OBJECT
public:
    SearchCommands(MainWindow& window, AppState& state, Platform& platform);

    /// Selects the first occurrence of FindText starting at or after SelStart + its length;
    /// reports "not found" with two beeps and a message, leaving the selection as it was.
    void findnext();
    /// Selects the last occurrence of FindText lying within the first SelStart - 1
    /// characters; reports "not found" as findnext does. Shows the hourglass while scanning.
    void findprev();

    /// The search menu opens: its two search commands carry FindText in their captions and
    /// are enabled only when there is one.
    void M_FindMenu_Click();
    /// Opens the find dialog, seeded from the document's selection or else FindText.
    void M_Find_Click();

private:
    void select(qsizetype position);
    void notFound(bool downward);

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
};

} // namespace pukana
