#include "ui/controllers/search_controller.h"

#include "core/search/find_core.h"
#include "core/search/search_state.h"
#include "platform/platform.h"
#include "ui/dialogs/find_dialog.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>

namespace pukana {

using search::Direction;

SearchController::SearchController(RichTextBox& documentView, SearchState& search,
                                   Platform& platform, QWidget& dialogParent,
                                   const Actions& actions, QObject* parent)
    : QObject(parent), documentView_(documentView), search_(search), platform_(platform),
      dialogParent_(dialogParent), actions_(actions) {
    setObjectName(QStringLiteral("searchController"));
    connect(&actions_.searchMenu, &QMenu::aboutToShow, this, &SearchController::updateMenu);
    connect(&actions_.find, &QAction::triggered, this, &SearchController::openFindDialog);
    connect(&actions_.findNext, &QAction::triggered, this, &SearchController::findNext);
    connect(&actions_.findPrevious, &QAction::triggered, this, &SearchController::findPrevious);
    // Until the menu is first opened its commands must not run without a search text.
    updateMenu();
}

void SearchController::findNext() {
    const std::optional<qsizetype> found =
        search::findNext(documentView_.documentText(), documentView_.selectionStart(), search_.text,
                         search_.matchCase);
    if (found)
        select(*found);
    else
        notFound(true);
}

void SearchController::findPrevious() {
    std::optional<qsizetype> found;
    {
        BusyPointer busy(platform_);
        found = search::findPrev(documentView_.documentText(), documentView_.selectionStart(),
                                 search_.text, search_.matchCase);
    }
    if (found)
        select(*found);
    else
        notFound(false);
}

void SearchController::select(qsizetype position) {
    documentView_.setCaretPosition(int(position));
    documentView_.setSelectionLength(int(search_.text.size()));
}

void SearchController::notFound(bool downward) {
    const Direction direction = downward ? Direction::Down : Direction::Up;
    platform_.beep();
    const QString message = search::notFoundMessage(search_.text, search_.matchCase);
    platform_.beep();
    platform_.msgBox(message, MessageStyle::Ok, search::directionTitle(direction));
}

void SearchController::updateMenu() {
    const bool hasText = !search_.text.isEmpty();
    actions_.findNext.setEnabled(hasText);
    actions_.findPrevious.setEnabled(hasText);
    actions_.findNext.setText(search::menuCaption(Direction::Down, search_.text));
    actions_.findPrevious.setText(search::menuCaption(Direction::Up, search_.text));
}

void SearchController::openFindDialog() {
    FindDialog dialog(
        search_, [this] { findNext(); }, [this] { findPrevious(); }, &dialogParent_);
    const QString selected = documentView_.selectedText();
    if (!selected.isEmpty())
        dialog.textBox->setText(selected);
    else if (!search_.text.isEmpty())
        dialog.textBox->setText(search_.text);
    dialog.matchCaseBox->setChecked(search_.matchCase);
    platform_.execDialog(dialog);
}

} // namespace pukana
