// Every runtime service the editor uses, behind one interface: the Qt implementation serves
// the real program, and tests answer dialogs and record effects through a scripted double.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QTextDocument;
class QWidget;

namespace pukana {

/// The message boxes the editor shows: their buttons, icon and default button.
enum class MessageStyle {
    Ok,                     ///< OK
    OkCancel,               ///< OK, Cancel; OK is the default
    OkExclamation,          ///< OK with the warning icon
    YesNoQuestion,          ///< Yes, No with the question icon; Yes is the default
    YesNoCancelExclamation, ///< Yes, No, Cancel with the warning icon; Yes is the default
    YesNoExclamationNo,     ///< Yes, No with the warning icon; No is the default
};

/// The button that closed a message box.
enum class MessageResult { Ok, Cancel, Yes, No };

enum class MessageIcon { None, Question, Exclamation };

/// The buttons of a box of `style`, in their order.
QList<MessageResult> messageButtons(MessageStyle style);
MessageIcon messageIcon(MessageStyle style);
/// The answer of a box of `style` when its default button is taken.
MessageResult defaultResult(MessageStyle style);

/// The mouse pointer over the whole application.
enum class Pointer { Default, Hourglass };

/// What the open and save dialogs are asked and answer.
struct FileDialogRequest {
    bool save = false;
    QString title;
    QString fileName;    ///< seeds the dialog; the chosen path on return
    QString filter;      ///< "description|patterns|description|patterns..."
    int filterIndex = 1; ///< 1-based; the chosen filter on return
};

/// The font dialog's values; colour as 0x00BBGGRR. An attribute without a value is one the
/// selection mixes: the dialog shows it empty, and it is applied only when the user sets it.
struct FontChoice {
    std::optional<QString> name;
    std::optional<double> size;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> strikethru;
    std::optional<bool> underline;
    std::optional<quint32> color;
    bool operator==(const FontChoice&) const = default;
};

/// The default printer.
class Printer {
public:
    virtual ~Printer() = default;
    /// False when no printer is installed; page measures then describe an A4 page.
    virtual bool installed() const = 0;
    /// Integer printable width in twips (the page-width wrap).
    virtual int pageWidthTwips() const = 0;
    /// Real page width in twips (the page-edge marker).
    virtual double pageWidthTwipsReal() const = 0;
    /// Starts a job, renders the document, and leaves the job open for endDoc.
    /// Throws PukanaError when the job cannot be started or rendered.
    virtual void printDocument(const QTextDocument& doc) = 0;
    /// Ends the open job. Throws PukanaError when ending fails.
    virtual void endDoc() = 0;

    /// Starts finding the page in the background if that was put off until the window has
    /// been painted (the widths meanwhile are the ones remembered from the last run).
    virtual void lookUpPageSoon() {}
    /// `handler` runs on the window's thread when the page widths turn out to differ from the
    /// ones given so far. An empty handler removes it.
    void setPageWidthChangedHandler(std::function<void()> handler) {
        pageWidthChanged_ = std::move(handler);
    }

protected:
    void notifyPageWidthChanged() const {
        if (pageWidthChanged_)
            pageWidthChanged_();
    }

private:
    std::function<void()> pageWidthChanged_;
};

class Platform {
public:
    virtual ~Platform() = default;

    /// A modal message box; the title is "PUKANA" when none is given.
    virtual MessageResult msgBox(const QString& text, MessageStyle style,
                                 const QString& title = QString()) = 0;
    virtual void beep() = 0;
    /// Sets the whole-application mouse pointer. Use BusyPointer rather than this.
    virtual void setPointer(Pointer pointer) = 0;

    /// Starts a program without waiting, each argument passed whole (never through a shell).
    /// Throws PukanaError when it cannot be started.
    virtual void startProgram(const QString& program, const QStringList& arguments) = 0;
    /// True when `program` can be found on the search path.
    virtual bool programExists(const QString& program) const = 0;

    /// Shows an open or save dialog; nullopt on Cancel.
    virtual std::optional<FileDialogRequest> fileDialog(const FileDialogRequest& request,
                                                        QWidget* parent) = 0;
    /// Shows the font dialog seeded with `seed`; nullopt on Cancel.
    virtual std::optional<FontChoice> fontDialog(const FontChoice& seed, QWidget* parent) = 0;
    /// Runs a dialog of ours modally and returns its result.
    virtual int execDialog(QDialog& dialog) = 0;

    virtual void clipboardClear() = 0;
    /// Puts plain text, and rich text when `rtf` is not empty, on the clipboard at once.
    virtual void clipboardSet(const QString& text, const QByteArray& rtf) = 0;
    virtual bool clipboardHasText() const = 0;
    virtual bool clipboardHasRtf() const = 0;
    virtual QString clipboardText() const = 0;
    virtual QByteArray clipboardRtf() const = 0;

    virtual Printer& printer() = 0;

    /// Screen size in twips.
    virtual QSize screenSizeTwips() const = 0;
    /// Folder of the executable, symbolic links resolved, without a trailing separator.
    virtual QString executableDir() const = 0;
    /// The command-line arguments joined with single spaces.
    virtual QString commandLine() const = 0;
    /// The user's desktop folder.
    virtual QString desktopDir() const = 0;
    /// The user's home folder.
    virtual QString homeDir() const = 0;
    /// The user's documents folder.
    virtual QString documentsDir() const = 0;
    /// The user's data folder, for files that cannot be written beside the program.
    virtual QString userDataDir() const = 0;
    /// Folder of the conversion engine's language model; empty for the model installed with
    /// the engine.
    virtual QString conversionModelDir() const { return QString(); }
    /// Ends the editor with `code`: the event loop ends once the current handler returns,
    /// and the program leaves main normally.
    virtual void quit(int code) = 0;

private:
    friend class BusyPointer;
    int busyDepth_ = 0;
};

/// Shows the hourglass for as long as it lives, so every way out restores the pointer. Guards
/// nest: the pointer returns to normal when the outermost one ends.
class BusyPointer {
public:
    explicit BusyPointer(Platform& platform) : platform_(platform) {
        if (platform_.busyDepth_++ == 0)
            platform_.setPointer(Pointer::Hourglass);
    }
    ~BusyPointer() {
        if (--platform_.busyDepth_ == 0)
            platform_.setPointer(Pointer::Default);
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Platform& platform_;
};

} // namespace pukana
