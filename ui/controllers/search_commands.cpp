#include "ui/controllers/search_commands.h"

#include "core/search/find_core.h"
#include "platform/platform.h"
#include "ui/dialogs/find_dialog.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>

namespace pukana {

using search::Direction;

SearchCommands::SearchCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    connect(w_.M_FindMenu, &QMenu::aboutToShow, this, &SearchCommands::M_FindMenu_Click);
    connect(w_.M_Find, &QAction::triggered, this, &SearchCommands::M_Find_Click);
    connect(w_.M_Next, &QAction::triggered, this, &SearchCommands::findnext);
    connect(w_.M_Prev, &QAction::triggered, this, &SearchCommands::findprev);
    // Until the menu is first opened its commands must not run without a search text.
    M_FindMenu_Click();
}

void SearchCommands::findnext() {
    const std::optional<qsizetype> found =
        search::findNext(w_.T1->Text(), w_.T1->SelStart(), s_.FindText, s_.FindMatchCase != 0);
    if (found)
        select(*found);
    else
        notFound(true);
}

void SearchCommands::findprev() {
    p_.setPointer(pointer::Hourglass);
    const std::optional<qsizetype> found =
        search::findPrev(w_.T1->Text(), w_.T1->SelStart(), s_.FindText, s_.FindMatchCase != 0);
    p_.setPointer(pointer::Default);
    if (found)
        select(*found);
    else
        notFound(false);
}

void SearchCommands::select(qsizetype position) {
    w_.T1->SetSelStart(int(position));
    w_.T1->SetSelLength(int(s_.FindText.size()));
}

void SearchCommands::notFound(bool downward) {
    const Direction direction = downward ? Direction::Down : Direction::Up;
    p_.beep();
    const QString message = search::notFoundMessage(s_.FindText, s_.FindMatchCase != 0);
    p_.beep();
    p_.msgBox(message, msg::Ok, search::directionTitle(direction));
}

void SearchCommands::M_FindMenu_Click() {
    const bool hasText = !s_.FindText.isEmpty();
    w_.M_Next->setEnabled(hasText);
    w_.M_Prev->setEnabled(hasText);
    w_.M_Next->setText(search::menuCaption(Direction::Down, s_.FindText));
    w_.M_Prev->setText(search::menuCaption(Direction::Up, s_.FindText));
}

void SearchCommands::M_Find_Click() {
    FormF dialog(
        s_, [this] { findnext(); }, [this] { findprev(); }, &w_);
    const QString selected = w_.T1->SelText();
    if (!selected.isEmpty())
        dialog.T1->setText(selected);
    else if (!s_.FindText.isEmpty())
        dialog.T1->setText(s_.FindText);
    dialog.C1->setChecked(s_.FindMatchCase != 0);
    p_.execDialog(dialog);
}

} // namespace pukana
