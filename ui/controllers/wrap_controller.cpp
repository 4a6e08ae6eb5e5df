#include "ui/controllers/wrap_controller.h"

#include "core/document/wrap_width.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>

namespace pukana {

WrapController::WrapController(RichTextBox& documentView, QWidget& pageEdgeMarker,
                               QAction& wrapAtWindowEdge, Platform& platform, QObject* parent)
    : QObject(parent), documentView_(documentView), pageEdgeMarker_(pageEdgeMarker),
      wrapAtWindowEdge_(wrapAtWindowEdge), platform_(platform) {
    setObjectName(QStringLiteral("wrapController"));
    // The item switches its own check mark when chosen.
    connect(&wrapAtWindowEdge_, &QAction::triggered, this, &WrapController::apply);
}

void WrapController::setWrapAtWindowEdge(bool atWindowEdge) {
    wrapAtWindowEdge_.setChecked(atWindowEdge);
    apply();
}

void WrapController::apply() {
    RichTextBox& view = documentView_;
    const int selStart = view.selectionStart();
    const bool atWindowEdge = wrapAtWindowEdge_.isChecked();
    const int width = static_cast<int>(pixelsToTwips(view.width()));
    const int margin = wrapMargin(atWindowEdge, width, platform_.printer().pageWidthTwips(),
                                  static_cast<int>(view.wrapWidth()));
    view.setWrapWidth(margin); // relayouts only when the width really changes
    if (view.selectionLength() != 0 || view.selectionStart() != selStart)
        view.setCaretPosition(selStart);
    pageEdgeMarker_.setVisible(pageMarkerVisible(atWindowEdge));
}

} // namespace pukana
