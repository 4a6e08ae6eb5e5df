#include "search/search_commands.h"

#include "shell/main_window.h"

namespace pukana {

SearchCommands::SearchCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {}

} // namespace pukana
