// A platform for end-to-end tests, which drive the real program in a real X server but cannot
// steer the system's file dialog: every service goes to the wrapped platform, except that
// each file dialog is answered by the first line of a UTF-8 script file (a path, or an empty
// line for Cancel), which is then removed. Only test builds choose it (see app/main.cpp).
#pragma once

#include "platform/platform.h"

namespace pukana {

class FileDialogScript : public Platform {
public:
    FileDialogScript(Platform& inner, QString scriptPath);

    std::optional<FileDialogRequest> fileDialog(const FileDialogRequest& request,
                                                QWidget* parent) override;

    MessageResult msgBox(const QString& text, MessageStyle style,
                         const QString& title = QString()) override {
        return inner_.msgBox(text, style, title);
    }
    void beep() override { inner_.beep(); }
    void setPointer(Pointer pointer) override { inner_.setPointer(pointer); }
    void startProgram(const QString& program, const QStringList& arguments) override {
        inner_.startProgram(program, arguments);
    }
    bool programExists(const QString& program) const override {
        return inner_.programExists(program);
    }
    std::optional<FontChoice> fontDialog(const FontChoice& seed, QWidget* parent) override {
        return inner_.fontDialog(seed, parent);
    }
    int execDialog(QDialog& dialog) override { return inner_.execDialog(dialog); }
    void clipboardClear() override { inner_.clipboardClear(); }
    void clipboardSet(const QString& text, const QByteArray& rtf) override {
        inner_.clipboardSet(text, rtf);
    }
    bool clipboardHasText() const override { return inner_.clipboardHasText(); }
    bool clipboardHasRtf() const override { return inner_.clipboardHasRtf(); }
    QString clipboardText() const override { return inner_.clipboardText(); }
    QByteArray clipboardRtf() const override { return inner_.clipboardRtf(); }
    Printer& printer() override { return inner_.printer(); }
    QSize screenSizeTwips() const override { return inner_.screenSizeTwips(); }
    QString executableDir() const override { return inner_.executableDir(); }
    QString commandLine() const override { return inner_.commandLine(); }
    QString desktopDir() const override { return inner_.desktopDir(); }
    QString homeDir() const override { return inner_.homeDir(); }
    QString documentsDir() const override { return inner_.documentsDir(); }
    QString userDataDir() const override { return inner_.userDataDir(); }
    void quit(int code) override { inner_.quit(code); }

private:
    Platform& inner_;
    QString scriptPath_;
};

} // namespace pukana
