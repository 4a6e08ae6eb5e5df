#include "platform/qt_platform.h"

#include "core/error.h"
#include "core/twips.h"
#include "platform/qt_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>

namespace pukana {

namespace {

const QString RtfMime = QStringLiteral("text/rtf");
const QString RichTextMime = QStringLiteral("text/richtext");
const QString AppRtfMime = QStringLiteral("application/rtf");

/// On the offscreen platform nobody can answer a dialog: messages go to standard error and
/// every question takes its default answer.
bool headless() {
    return QGuiApplication::platformName() == QLatin1StringView("offscreen");
}

} // namespace

QStringList nameFilters(const QString& filter) {
    // "desc|*.a;*.b|desc|*.c" → "desc (*.a *.b)"
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out;
}

namespace {

QMessageBox::StandardButton standardButton(MessageResult button) {
    switch (button) {
    case MessageResult::Cancel:
        return QMessageBox::Cancel;
    case MessageResult::Yes:
        return QMessageBox::Yes;
    case MessageResult::No:
        return QMessageBox::No;
    case MessageResult::Ok:
        break;
    }
    return QMessageBox::Ok;
}

/// The captions of a Japanese system's message box, whatever the user's locale.
QString buttonText(MessageResult button) {
    switch (button) {
    case MessageResult::Yes:
        return QStringLiteral("はい(&Y)");
    case MessageResult::No:
        return QStringLiteral("いいえ(&N)");
    case MessageResult::Cancel:
        return QStringLiteral("キャンセル");
    case MessageResult::Ok:
        break;
    }
    return QStringLiteral("OK");
}

} // namespace

void prepareMessageBox(QMessageBox& box, MessageStyle style) {
    box.setTextFormat(Qt::PlainText); // names and document text are never markup
    switch (messageIcon(style)) {
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::None:
        break;
    }
    const QList<MessageResult> buttons = messageButtons(style);
    for (MessageResult b : buttons)
        box.addButton(standardButton(b))->setText(buttonText(b));
    box.setDefaultButton(standardButton(defaultResult(style)));
    if (buttons.contains(MessageResult::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.size() == 1)
        box.setEscapeButton(standardButton(buttons[0]));
}

MessageResult messageResultFor(int answer, MessageStyle style) {
    switch (answer) {
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Ok:
        return MessageResult::Ok;
    default:
        break;
    }
    // Closed without a button: Cancel when there is one, else No, else the only button.
    const QList<MessageResult> buttons = messageButtons(style);
    if (buttons.contains(MessageResult::Cancel))
        return MessageResult::Cancel;
    return buttons.contains(MessageResult::No) ? MessageResult::No : MessageResult::Ok;
}

QtPlatform::QtPlatform() {
    auto printer = std::make_unique<QtPrinter>();
    printer->lookUpPageAtStart();
    printer_ = std::move(printer);
}
QtPlatform::~QtPlatform() = default;

MessageResult QtPlatform::msgBox(const QString& text, MessageStyle style, const QString& title) {
    if (headless()) {
        std::fprintf(stderr, "PUKANA: %s\n", qUtf8Printable(text));
        return defaultResult(style);
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("PUKANA") : title);
    box.setText(text);
    prepareMessageBox(box, style);
    // The hourglass must not hide the arrow while a question waits for an answer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    return messageResultFor(answer, style);
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setPointer(Pointer pointer) {
    // Balanced: one override at most, removed by the default pointer.
    if (pointer == Pointer::Hourglass) {
        if (!pointerSet_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        pointerSet_ = true;
    } else if (pointerSet_) {
        QApplication::restoreOverrideCursor();
        pointerSet_ = false;
    }
}

void QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
    if (!QProcess::startDetached(program, arguments))
        throw PukanaError(err::FileNotFound,
                          QStringLiteral("プログラムを起動できません。（%1）").arg(program));
}

bool QtPlatform::programExists(const QString& program) const {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

std::optional<FileDialogRequest> QtPlatform::fileDialog(const FileDialogRequest& request,
                                                        QWidget* parent) {
    if (headless())
        return std::nullopt;
    const QStringList filters = nameFilters(request.filter);
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The editor asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The descriptions already name their patterns: show them exactly as written.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.fileName.isEmpty()) {
        const QFileInfo info(request.fileName);
        if (info.isAbsolute() && info.dir().exists())
            dialog.setDirectory(info.dir());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileDialogRequest answer = request;
    answer.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    answer.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.filterIndex < 1)
        answer.filterIndex = request.filterIndex;
    return answer;
}

std::optional<FontChoice> QtPlatform::fontDialog(const FontChoice& seed, QWidget* parent) {
    if (headless() || !fontDialogRunner_)
        return std::nullopt;
    return fontDialogRunner_(seed, parent);
}

int QtPlatform::execDialog(QDialog& dialog) {
    return headless() ? int(QDialog::Rejected) : dialog.exec();
}

void QtPlatform::clipboardClear() {
    QApplication::clipboard()->clear();
}

void QtPlatform::clipboardSet(const QString& text, const QByteArray& rtf) {
    auto* data = new QMimeData;
    data->setText(text);
    if (!rtf.isEmpty()) {
        data->setData(RtfMime, rtf);
        data->setData(RichTextMime, rtf);
        data->setData(AppRtfMime, rtf);
    }
    QApplication::clipboard()->setMimeData(data);
}

bool QtPlatform::clipboardHasText() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool QtPlatform::clipboardHasRtf() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && (data->hasFormat(RtfMime) || data->hasFormat(RichTextMime) ||
                    data->hasFormat(AppRtfMime));
}

QString QtPlatform::clipboardText() const {
    return QApplication::clipboard()->text();
}

QByteArray QtPlatform::clipboardRtf() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return {};
    for (const QString& mime : {RtfMime, RichTextMime, AppRtfMime})
        if (data->hasFormat(mime))
            return data->data(mime);
    return {};
}

Printer& QtPlatform::printer() {
    return *printer_;
}

QSize QtPlatform::screenSizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->size() : QSize(1024, 768);
    return QSize(px.width() * TwipsPerPixel, px.height() * TwipsPerPixel);
}

QString QtPlatform::executableDir() const {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return QFileInfo(exe.canonicalFilePath()).absolutePath();
}

QString QtPlatform::commandLine() const {
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        args.removeFirst();
    return args.join(QLatin1Char(' '));
}

QString QtPlatform::desktopDir() const {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString QtPlatform::homeDir() const {
    return QDir::homePath();
}

QString QtPlatform::documentsDir() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString QtPlatform::userDataDir() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void QtPlatform::quit(int code) {
    QCoreApplication::exit(code);
}

} // namespace pukana
