#include "format/format_commands.h"

#include "shell/main_window.h"

namespace pukana {

FormatCommands::FormatCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {}

} // namespace pukana
