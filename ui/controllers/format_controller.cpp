#include "ui/controllers/format_controller.h"

#include "core/document/document_session.h"
#include "ui/controllers/font_command.h"
#include "ui/controllers/print_command.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>

namespace pukana {

FormatController::FormatController(RichTextBox& documentView, DocumentSession& document,
                                   Platform& platform, QWidget& dialogParent,
                                   const Actions& actions, QObject* parent)
    : QObject(parent), documentView_(documentView), document_(document), platform_(platform),
      dialogParent_(dialogParent), alignLeft_(actions.alignLeft), alignCentre_(actions.alignCentre),
      alignRight_(actions.alignRight) {
    setObjectName(QStringLiteral("formatController"));
    connect(&actions.font, &QAction::triggered, this, &FormatController::chooseFont);
    connect(&actions.mincho, &QAction::triggered, this,
            [this] { setTypeface(QStringLiteral("ＭＳ 明朝")); });
    connect(&actions.gothic, &QAction::triggered, this,
            [this] { setTypeface(QStringLiteral("ＭＳ ゴシック")); });
    connect(&actions.alignLeft, &ImageButton::clicked, this, [this] { align(Alignment::Left); });
    connect(&actions.alignCentre, &ImageButton::clicked, this,
            [this] { align(Alignment::Centre); });
    connect(&actions.alignRight, &ImageButton::clicked, this, [this] { align(Alignment::Right); });
    connect(&actions.print, &QAction::triggered, this,
            [this] { printSelection(documentView_, platform_); });
    // The picture of the current paragraph's alignment shows pressed.
    connect(&documentView_, &QTextEdit::cursorPositionChanged, this,
            &FormatController::showAlignment);
    connect(&documentView_, &RichTextBox::contentChanged, this, &FormatController::showAlignment);
    showAlignment();
}

void FormatController::showAlignment() {
    const Qt::Alignment current = documentView_.alignment();
    const bool centre = current & Qt::AlignHCenter;
    const bool right = (current & (Qt::AlignRight | Qt::AlignTrailing)) && !centre;
    alignLeft_.setPressed(!centre && !right);
    alignCentre_.setPressed(centre);
    alignRight_.setPressed(right);
}

void FormatController::chooseFont() {
    const FontChoice seed = seedFromSelection(documentView_);
    const std::optional<FontChoice> choice = platform_.fontDialog(seed, &dialogParent_);
    if (!choice)
        return;
    fontDialog_ = *choice;
    applyToSelection(documentView_, changesFrom(seed, *choice));
    // An OK counts as a change even when it changed nothing.
    document_.setModified(true);
}

void FormatController::setTypeface(const QString& name) {
    documentView_.setSelectionFontName(name);
    documentView_.setFocus();
}

void FormatController::align(Alignment alignment) {
    if (document_.kind() != DocumentKind::RichText) {
        platform_.beep();
        return;
    }
    documentView_.setSelectionAlignment(alignment);
    showAlignment();
}

} // namespace pukana
