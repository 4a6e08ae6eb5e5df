// The platform services of the real program, on Qt.
#pragma once

#include "platform/platform.h"

#include <QStringList>
#include <functional>
#include <memory>

class QMessageBox;

namespace pukana {

/// The file dialog's name filters for a filter in the form
/// "description|patterns|description|patterns..." (patterns separated by ';'): one
/// "description (pattern pattern)" entry per pair.
QStringList nameFilters(const QString& filter);

/// Gives `box` the icon, buttons (with the Japanese captions はい, いいえ, キャンセル and OK),
/// default and escape button of `style`.
void prepareMessageBox(QMessageBox& box, MessageStyle style);
/// The answer a box of `style` gives for the QMessageBox::exec() result `answer`.
MessageResult messageResultFor(int answer, MessageStyle style);

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    MessageResult msgBox(const QString& text, MessageStyle style,
                         const QString& title = QString()) override;
    void beep() override;
    void setPointer(Pointer pointer) override;
    void startProgram(const QString& program, const QStringList& arguments) override;
    bool programExists(const QString& program) const override;
    std::optional<FileDialogRequest> fileDialog(const FileDialogRequest& request,
                                                QWidget* parent) override;
    std::optional<FontChoice> fontDialog(const FontChoice& seed, QWidget* parent) override;
    int execDialog(QDialog& dialog) override;
    void clipboardClear() override;
    void clipboardSet(const QString& text, const QByteArray& rtf) override;
    bool clipboardHasText() const override;
    bool clipboardHasRtf() const override;
    QString clipboardText() const override;
    QByteArray clipboardRtf() const override;
    Printer& printer() override;
    QSize screenSizeTwips() const override;
    QString executableDir() const override;
    QString commandLine() const override;
    QString desktopDir() const override;
    QString homeDir() const override;
    QString documentsDir() const override;
    QString userDataDir() const override;
    void quit(int code) override;

    /// The font dialog lives with the other dialogs of the editor, above this layer: the
    /// program hands it in at start-up. Without one, the font dialog answers Cancel.
    using FontDialogRunner = std::function<std::optional<FontChoice>(const FontChoice&, QWidget*)>;
    void setFontDialogRunner(FontDialogRunner runner) { fontDialogRunner_ = std::move(runner); }

private:
    std::unique_ptr<Printer> printer_;
    FontDialogRunner fontDialogRunner_;
    bool pointerSet_ = false;
};

} // namespace pukana
