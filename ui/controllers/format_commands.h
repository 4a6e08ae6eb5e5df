// Handlers of fonts, paragraph alignment and printing.
#pragma once

#include "platform/platform.h"

#include <QObject>

namespace pukana {

struct AppState;
class MainWindow;

class FormatCommands : public QObject {
    Q_OBJECT
public:
    FormatCommands(MainWindow& window, AppState& state, Platform& platform);

    /// The font dialog for the selection: seeded from it, applied on OK (which always marks
    /// the document modified), nothing changed on Cancel.
    void m_font_Click();
    /// Set only the selection's font name, then give the document the focus.
    void M_Mincho_Click();
    void M_Gothic_Click();
    /// Paragraph alignment of the selection (0 left, 1 right, 2 centre) in a rich-text
    /// document; a beep in a plain-text one.
    void align(int alignment);
    void M_Printer_Click();

    /// The font dialog's values, kept from one use to the next.
    const FontChoice& fontDialogValues() const { return fontDialog_; }

    /// Shows the alignment picture of the current paragraph's alignment pressed.
    void showAlignment();

private:
    void setTypeface(const QString& name);

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
    FontChoice fontDialog_;
};

} // namespace pukana
