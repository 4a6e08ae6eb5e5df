#include "ui/controllers/format_commands.h"

#include "core/document/menu_rules.h"
#include "ui/controllers/font_command.h"
#include "ui/controllers/print_command.h"
#include "ui/main_window.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>

namespace pukana {

namespace {
constexpr int AlignLeft = 0;
constexpr int AlignRight = 1;
constexpr int AlignCentre = 2;
} // namespace

FormatCommands::FormatCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    connect(w_.m_font, &QAction::triggered, this, &FormatCommands::m_font_Click);
    connect(w_.M_Mincho, &QAction::triggered, this, &FormatCommands::M_Mincho_Click);
    connect(w_.M_Gothic, &QAction::triggered, this, &FormatCommands::M_Gothic_Click);
    connect(w_.I_lft, &ImageButton::clicked, this, [this] { align(AlignLeft); });
    connect(w_.I_cnt, &ImageButton::clicked, this, [this] { align(AlignCentre); });
    connect(w_.I_rt, &ImageButton::clicked, this, [this] { align(AlignRight); });
    connect(w_.M_Printer, &QAction::triggered, this, &FormatCommands::M_Printer_Click);
}

void FormatCommands::m_font_Click() {
    // The dialog keeps what it was seeded with even when cancelled.
    fontDialog_ = seedFromSelection(*w_.T1, fontDialog_);
    const std::optional<FontChoice> choice = p_.fontDialog(fontDialog_, &w_);
    if (!choice)
        return;
    fontDialog_ = *choice;
    applyToSelection(*w_.T1, fontDialog_);
    // Formatting alone raises no content change, so the command marks the change itself.
    s_.Modified = true;
}

void FormatCommands::setTypeface(const QString& name) {
    w_.T1->SetSelFontName(name);
    w_.T1->setFocus();
}

void FormatCommands::M_Mincho_Click() {
    setTypeface(QStringLiteral("ＭＳ 明朝"));
}

void FormatCommands::M_Gothic_Click() {
    setTypeface(QStringLiteral("ＭＳ ゴシック"));
}

void FormatCommands::align(int alignment) {
    if (!isRichTextCaption(w_.windowTitle())) {
        p_.beep();
        return;
    }
    w_.T1->SetSelAlignment(alignment);
}

void FormatCommands::M_Printer_Click() {
    printSelection(*w_.T1, p_);
}

} // namespace pukana
