#include "ui/controllers/recovery_commands.h"

#include "core/document/document_texts.h"
#include "core/document/path_naming.h"
#include "core/document/recovery_file.h"
#include "core/error.h"
#include "platform/platform.h"
#include "ui/app_state.h"
#include "ui/controllers/document_commands.h"
#include "ui/main_window.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

#include <QCoreApplication>
#include <QFile>

namespace pukana {

RecoveryCommands::RecoveryCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryCommands::writeNow);
    connect(w_.T1, &RichTextBox::Change, this, &RecoveryCommands::changed);
    connect(w_.T2, &QLineEdit::textChanged, this, &RecoveryCommands::changed);
    connect(w_.document.get(), &DocumentCommands::Saved, this, &RecoveryCommands::discard);
}

QString RecoveryCommands::filePath() const {
    const QString dir = p_.userDataDir();
    return dir.isEmpty() ? QString() : recoveryFilePath(dir, QCoreApplication::applicationPid());
}

void RecoveryCommands::changed() {
    // Not restarted by later changes: during steady typing the copy is still written.
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryCommands::writeNow() {
    timer_.stop();
    if (!s_.Modified) {
        discard();
        return;
    }
    const QString file = filePath();
    if (file.isEmpty())
        return;
    RecoveredDocument copy;
    copy.path = w_.document->currentPath();
    copy.rich = isRichTextPath(copy.path);
    copy.content = copy.rich ? w_.T1->TextRTF() : w_.T1->Text().toUtf8();
    try {
        writeRecoveryFile(file, copy);
    } catch (const PukanaError&) {
        // Without a copy the editor works as before; the next change tries again.
    }
}

void RecoveryCommands::discard() {
    timer_.stop();
    const QString file = filePath();
    if (!file.isEmpty())
        QFile::remove(file);
}

bool RecoveryCommands::offerRecovery() {
    const QString leftover =
        findLeftoverRecoveryFile(p_.userDataDir(), QCoreApplication::applicationPid());
    if (leftover.isEmpty())
        return false;
    const std::optional<RecoveredDocument> copy = readRecoveryFile(leftover);
    bool restored = false;
    if (copy &&
        p_.msgBox(texts::kRecoveryQuestion.toString(), msg::YesNoQuestion) == msg::ResultYes) {
        w_.document->restoreUnsaved(copy->path, copy->rich, copy->content);
        writeNow(); // our own copy before the old one goes
        restored = true;
    }
    QFile::remove(leftover);
    return restored;
}

} // namespace pukana
