#include "ui/controllers/print_command.h"

#include "core/error.h"
#include "platform/platform.h"
#include "ui/widgets/rich_text_box.h"

#include <optional>

namespace pukana {

namespace {

constexpr int EndAttempts = 3;

} // namespace

QString noPrinterMessage() {
    return QStringLiteral("プリンタがインストールされていないので、いんさつできません。");
}

void printSelection(RichTextBox& box, Platform& platform) {
    Printer& printer = platform.printer();
    if (!printer.installed()) {
        platform.msgBox(noPrinterMessage(), MessageStyle::Ok);
        return;
    }
    try {
        BusyPointer busy(platform);
        box.printSelectionTo(printer);
    } catch (const PukanaError& e) {
        platform.msgBox(e.description(), MessageStyle::Ok);
        return;
    }

    std::optional<PukanaError> failure;
    for (int attempt = 0; attempt < EndAttempts; ++attempt) {
        try {
            printer.endDoc();
            failure.reset();
            break;
        } catch (const PukanaError& e) {
            failure = e;
        }
    }
    if (failure)
        platform.msgBox(failure->description(), MessageStyle::Ok);
}

} // namespace pukana
