// Wrapping the document at the window edge (the wrap item checked) or at the printed page
// width, where the page-edge marker shows.
#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace pukana {

class Platform;
class RichTextBox;

class WrapController : public QObject {
    Q_OBJECT
public:
    WrapController(RichTextBox& documentView, QWidget& pageEdgeMarker, QAction& wrapAtWindowEdge,
                   Platform& platform, QObject* parent = nullptr);

    /// Applies the current mode to the view's width and the marker. A selection collapses to
    /// its start when the width changes.
    void apply();
    /// Switches the mode (checks or unchecks the item) and applies it.
    void setWrapAtWindowEdge(bool atWindowEdge);

private:
    RichTextBox& documentView_;
    QWidget& pageEdgeMarker_;
    QAction& wrapAtWindowEdge_;
    Platform& platform_;
};

} // namespace pukana
