// The platform services of the real program, on Qt.
#pragma once

#include "platform/platform.h"

#include <memory>

class QMessageBox;

namespace pukana {

/// Sets up a message box of `style` (buttons, icon, default and escape button) showing
/// `text` as plain text.
void prepareMessageBox(QMessageBox& box, const QString& text, int style, const QString& title);

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    int msgBox(const QString& text, int style, const QString& title = QString()) override;
    void beep() override;
    void setPointer(int code) override;
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
    void endProcess(int code) override;

private:
    std::unique_ptr<Printer> printer_;
    bool pointerSet_ = false;
};

} // namespace pukana
