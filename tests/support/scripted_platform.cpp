#include "tests/support/scripted_platform.h"

#include "core/error.h"

#include <QDialog>
#include <QTextDocument>

namespace pukana::test {

void RecordingPrinter::printDocument(const QTextDocument& doc) {
    if (!printFailures.empty()) {
        const int failure = printFailures.front();
        printFailures.pop_front();
        if (failure != 0)
            raiseError(failure);
    }
    printedTexts << doc.toPlainText();
}

void RecordingPrinter::endDoc() {
    ++endCalls;
    if (!endFailures.empty()) {
        const int failure = endFailures.front();
        endFailures.pop_front();
        if (failure != 0)
            raiseError(failure);
    }
}

MessageResult ScriptedPlatform::msgBox(const QString& text, MessageStyle style,
                                       const QString& title) {
    messages << ShownMessage{text, style, title.isEmpty() ? QStringLiteral("PUKANA") : title};
    if (!msgAnswers.empty()) {
        const MessageResult answer = msgAnswers.front();
        msgAnswers.pop_front();
        return answer;
    }
    return defaultResult(style);
}

void ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments) {
    if (failLaunch)
        raiseError(err::FileNotFound, program);
    launched << LaunchedProgram{program, arguments};
}

std::optional<FileDialogRequest> ScriptedPlatform::fileDialog(const FileDialogRequest& request,
                                                              QWidget*) {
    fileRequests << request;
    if (fileAnswers.empty())
        return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer && answer->filter.isEmpty()) {
        // Keep what the caller asked unless the script changes it.
        FileDialogRequest merged = request;
        merged.fileName = answer->fileName;
        if (answer->filterIndex > 0)
            merged.filterIndex = answer->filterIndex;
        return merged;
    }
    return answer;
}

std::optional<FontChoice> ScriptedPlatform::fontDialog(const FontChoice& seed, QWidget*) {
    fontRequests << seed;
    if (fontAnswers.empty())
        return onFontDialog ? onFontDialog(seed) : std::nullopt;
    auto answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

int ScriptedPlatform::execDialog(QDialog& dialog) {
    if (onDialog)
        return onDialog(dialog);
    return QDialog::Rejected;
}

void ScriptedPlatform::clipboardClear() {
    clipText.clear();
    clipRtf.clear();
    clipHasText = false;
}

void ScriptedPlatform::clipboardSet(const QString& text, const QByteArray& rtf) {
    clipText = text;
    clipRtf = rtf;
    clipHasText = true;
}

} // namespace pukana::test
