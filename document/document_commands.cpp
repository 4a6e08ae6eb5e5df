#include "document/document_commands.h"

#include "platform/rich_text_box.h"
#include "shell/main_window.h"

namespace pukana {

DocumentCommands::DocumentCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    connect(w_.T1, &RichTextBox::Change, this, [this] { s_.Modified = true; });
}

void DocumentCommands::newdoc() {
    w_.T1->SetText(QString());
    s_.Modified = false;
}

void DocumentCommands::docopen(const QString&) {}
void DocumentCommands::iniread() {}
void DocumentCommands::iniwrite() {}
void DocumentCommands::wrapset() {}
void DocumentCommands::M_SaveAs_Click() {}

} // namespace pukana
