// The commands that change how the document's formatting is held: dropping all formatting
// (through the scratch file), and the two conversions between source and rendered text.
#pragma once

#include <QObject>

class QAction;

namespace pukana {

class DocumentSession;
class Platform;
class RichTextBox;
struct ProgramPaths;

class TextModeController : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction& dropFormatting;
        QAction& plainToRichText;
        QAction& richToPlainText;
    };

    TextModeController(RichTextBox& documentView, const DocumentSession& document,
                       const ProgramPaths& paths, Platform& platform, const Actions& actions,
                       QObject* parent = nullptr);

    /// Asks, then replaces the document by its plain text; characters Shift_JIS cannot hold
    /// need consent. A scratch file that cannot be used leaves the document alone.
    void dropFormatting();
    void plainToRichText();
    void richToPlainText();

private:
    void replaceByPlainText();

    RichTextBox& documentView_;
    const DocumentSession& document_;
    const ProgramPaths& paths_;
    Platform& platform_;
};

} // namespace pukana
