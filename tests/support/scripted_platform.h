// A platform double for tests: answers message boxes and dialogs from a script and records
// every effect (messages, beeps, pointer changes, launched programs, printing, process end).
#pragma once

#include "platform/platform.h"

#include <QList>
#include <deque>
#include <functional>
#include <optional>

namespace pukana::test {

struct ShownMessage {
    QString text;
    MessageStyle style = MessageStyle::Ok;
    QString title;
};

struct LaunchedProgram {
    QString program;
    QStringList arguments;
};

class RecordingPrinter : public Printer {
public:
    bool isInstalled = true;
    int widthTwips = 11906; // A4
    double widthTwipsReal = 11906.0;
    /// Errors to raise, in order, from printDocument / endDoc (0 = succeed).
    std::deque<int> printFailures;
    std::deque<int> endFailures;
    QStringList printedTexts;
    int endCalls = 0;
    int lookUpSoonCalls = 0;

    /// The printer's widths arrive late and differ from the ones given so far.
    void answerLate(int twips) {
        widthTwips = twips;
        widthTwipsReal = twips;
        notifyPageWidthChanged();
    }

    bool installed() const override { return isInstalled; }
    int pageWidthTwips() const override { return widthTwips; }
    double pageWidthTwipsReal() const override { return widthTwipsReal; }
    void printDocument(const QTextDocument& doc) override;
    void endDoc() override;
    void lookUpPageSoon() override { ++lookUpSoonCalls; }
};

class ScriptedPlatform : public Platform {
public:
    // Scripted answers, consumed in order. An empty queue answers with the default button
    // (message boxes) or Cancel (dialogs).
    std::deque<MessageResult> msgAnswers;
    std::deque<std::optional<FileDialogRequest>> fileAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    /// Answers the font dialog when no scripted answer is queued (for example by running the
    /// editor's own dialog on the seed).
    std::function<std::optional<FontChoice>(const FontChoice&)> onFontDialog;
    /// Called with each dialog of ours instead of running it modally; returns its result.
    std::function<int(QDialog&)> onDialog;

    // Records.
    QList<ShownMessage> messages;
    int beeps = 0;
    QList<Pointer> pointerChanges;
    QList<LaunchedProgram> launched;
    QList<FileDialogRequest> fileRequests;
    QList<FontChoice> fontRequests;
    QStringList existingPrograms;
    bool failLaunch = false;
    std::optional<int> endedWith;

    RecordingPrinter recordingPrinter;
    /// When set, printing goes here instead of the recording printer (a real printer).
    Printer* printerOverride = nullptr;
    QSize screen{19200, 14400};
    QString exeDir{QStringLiteral("/opt/pukana")};
    QString args;
    QString desktop{QStringLiteral("/home/user/Desktop")};
    QString home{QStringLiteral("/home/user")};
    QString documents{QStringLiteral("/home/user/Documents")};
    QString dataDir{QStringLiteral("/home/user/.local/share/pukana")};
    /// No model there: conversion is the dictionaries' alone unless a test sets "" (the
    /// installed model) or a folder of its own.
    QString modelDir{QStringLiteral("/nonexistent/pukana-model")};

    // Clipboard held in memory.
    QString clipText;
    QByteArray clipRtf;
    bool clipHasText = false;

    MessageResult msgBox(const QString& text, MessageStyle style,
                         const QString& title = QString()) override;
    void beep() override { ++beeps; }
    void setPointer(Pointer pointer) override { pointerChanges << pointer; }
    void startProgram(const QString& program, const QStringList& arguments) override;
    bool programExists(const QString& program) const override {
        return existingPrograms.contains(program);
    }
    std::optional<FileDialogRequest> fileDialog(const FileDialogRequest& request,
                                                QWidget* parent) override;
    std::optional<FontChoice> fontDialog(const FontChoice& seed, QWidget* parent) override;
    int execDialog(QDialog& dialog) override;
    void clipboardClear() override;
    void clipboardSet(const QString& text, const QByteArray& rtf) override;
    bool clipboardHasText() const override { return clipHasText; }
    bool clipboardHasRtf() const override { return !clipRtf.isEmpty(); }
    QString clipboardText() const override { return clipText; }
    QByteArray clipboardRtf() const override { return clipRtf; }
    Printer& printer() override { return printerOverride ? *printerOverride : recordingPrinter; }
    QSize screenSizeTwips() const override { return screen; }
    QString executableDir() const override { return exeDir; }
    QString commandLine() const override { return args; }
    QString desktopDir() const override { return desktop; }
    QString homeDir() const override { return home; }
    QString documentsDir() const override { return documents; }
    QString userDataDir() const override { return dataDir; }
    QString conversionModelDir() const override { return modelDir; }
    void quit(int code) override { endedWith = code; }

    /// The last message box's text, or "" when none was shown.
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }
};

} // namespace pukana::test
