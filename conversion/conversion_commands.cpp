#include "conversion/conversion_commands.h"

#include "shell/main_window.h"

namespace pukana {

ConversionCommands::ConversionCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {}

void ConversionCommands::dicread() {}

} // namespace pukana
