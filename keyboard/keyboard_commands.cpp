#include "keyboard/keyboard_commands.h"

#include "platform/rich_text_box.h"
#include "shell/main_window.h"

namespace pukana {

KeyboardCommands::KeyboardCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {}

void KeyboardCommands::createKeys() {}

void KeyboardCommands::btnset(const QString&) { w_.T1->setFocus(); }

} // namespace pukana
