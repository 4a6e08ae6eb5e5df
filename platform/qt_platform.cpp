#include "platform/qt_platform.h"

#include "core/bgr_color.h"
#include "core/error.h"
#include "core/twips.h"
#include "platform/qt_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace pukana {

namespace {

const QString RtfMime = QStringLiteral("text/rtf");
const QString RichTextMime = QStringLiteral("text/richtext");
const QString AppRtfMime = QStringLiteral("application/rtf");

QStringList filterList(const QString& filter) {
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

/// On the offscreen platform nobody can answer a dialog: messages go to standard error and
/// every question takes its default answer.
bool headless() {
    return QGuiApplication::platformName() == QLatin1StringView("offscreen");
}

/// End-to-end tests drive the real program in a real X server but cannot steer the system's
/// file dialog: PUKANA_FILE_DIALOG_SCRIPT names a UTF-8 file whose first line answers the
/// next file dialog (a path, or an empty line for Cancel) and is then removed.
std::optional<std::optional<FileDialogRequest>>
scriptedFileAnswer(const FileDialogRequest& request) {
    const QString script = qEnvironmentVariable("PUKANA_FILE_DIALOG_SCRIPT");
    if (script.isEmpty())
        return std::nullopt;
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly))
        return std::optional<FileDialogRequest>();
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    const QString answer = lines.isEmpty() ? QString() : lines.takeFirst().trimmed();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
    if (answer.isEmpty())
        return std::optional<FileDialogRequest>();
    FileDialogRequest chosen = request;
    chosen.fileName = answer;
    return std::optional<FileDialogRequest>(chosen);
}

} // namespace

QtPlatform::QtPlatform() : printer_(std::make_unique<QtPrinter>()) {}
QtPlatform::~QtPlatform() = default;

void prepareMessageBox(QMessageBox& box, const QString& text, int style, const QString& title) {
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("PUKANA") : title);
    // Messages name files and quote document text: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (style & 0xF0) {
    case msg::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case msg::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case 0x10:
        box.setIcon(QMessageBox::Critical);
        break;
    case 0x40:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    QList<QMessageBox::StandardButton> buttons;
    switch (style & 0x0F) {
    case msg::OkCancel:
        buttons = {QMessageBox::Ok, QMessageBox::Cancel};
        break;
    case msg::YesNoCancel:
        buttons = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        break;
    case msg::YesNo:
        buttons = {QMessageBox::Yes, QMessageBox::No};
        break;
    default:
        buttons = {QMessageBox::Ok};
        break;
    }
    for (auto b : buttons)
        box.addButton(b);
    const int defaultIndex = (style & 0x300) >> 8;
    if (defaultIndex < buttons.size())
        box.setDefaultButton(buttons[defaultIndex]);
    if (buttons.contains(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.size() == 1)
        box.setEscapeButton(buttons[0]);
}

int QtPlatform::msgBox(const QString& text, int style, const QString& title) {
    if (headless()) {
        std::fprintf(stderr, "PUKANA: %s\n", qUtf8Printable(text));
        return msg::defaultResult(style);
    }
    QMessageBox box(QApplication::activeWindow());
    prepareMessageBox(box, text, style, title);
    // The hourglass must not hide the arrow while a question waits for an answer.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    switch (answer) {
    case QMessageBox::Cancel:
        return msg::ResultCancel;
    case QMessageBox::Yes:
        return msg::ResultYes;
    case QMessageBox::No:
        return msg::ResultNo;
    case QMessageBox::Ok:
        return msg::ResultOk;
    default:
        // Closed without a button: Cancel when there is one, else the only button.
        if (box.button(QMessageBox::Cancel))
            return msg::ResultCancel;
        return box.button(QMessageBox::No) ? msg::ResultNo : msg::ResultOk;
    }
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setPointer(int code) {
    // Balanced: one override at most, removed by the default pointer.
    if (code == pointer::Hourglass) {
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
    if (auto scripted = scriptedFileAnswer(request))
        return *scripted;
    if (headless())
        return std::nullopt;
    const QStringList filters = filterList(request.filter);
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
    if (headless())
        return std::nullopt;
    QFont font(seed.name);
    if (seed.size > 0)
        font.setPointSizeF(seed.size);
    font.setBold(seed.bold);
    font.setItalic(seed.italic);
    font.setStrikeOut(seed.strikethru);
    font.setUnderline(seed.underline);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (!ok)
        return std::nullopt;
    const QColor seedColor = fromBgr(seed.color);
    // Qt's font dialog has no colour section: ask for the colour right after it.
    const QColor colour = QColorDialog::getColor(seedColor, parent);
    FontChoice out;
    out.name = chosen.family();
    out.size = chosen.pointSizeF();
    out.bold = chosen.bold();
    out.italic = chosen.italic();
    out.strikethru = chosen.strikeOut();
    out.underline = chosen.underline();
    const QColor c = colour.isValid() ? colour : seedColor;
    out.color = toBgr(c);
    return out;
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

void QtPlatform::endProcess(int code) {
    // At once: no close or unload handler may run after the closing routine decided.
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace pukana
