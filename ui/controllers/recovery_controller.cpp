#include "ui/controllers/recovery_controller.h"

#include "core/document/document_session.h"
#include "core/document/document_texts.h"
#include "core/document/recovery_file.h"
#include "core/error.h"
#include "core/formats/rtf_writer.h"
#include "platform/platform.h"
#include "ui/controllers/file_controller.h"
#include "ui/widgets/rich_text_box.h"

#include <QCoreApplication>
#include <QFile>

namespace pukana {

RecoveryController::RecoveryController(DocumentSession& document, RichTextBox& documentView,
                                       FileController& files, Platform& platform, QObject* parent)
    : QObject(parent), document_(document), files_(files), platform_(platform) {
    setObjectName(QStringLiteral("recoveryController"));
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryController::writeNow);
    connect(&documentView, &RichTextBox::contentChanged, this, &RecoveryController::changed);
    connect(&document_, &DocumentSession::pathChanged, this, &RecoveryController::changed);
    // Saved, or a new or opened document: the copy is no longer needed.
    connect(&document_, &DocumentSession::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            discard();
    });
}

QString RecoveryController::filePath() const {
    const QString dir = platform_.userDataDir();
    return dir.isEmpty() ? QString() : recoveryFilePath(dir, QCoreApplication::applicationPid());
}

void RecoveryController::changed() {
    // Not restarted by later changes: during steady typing the copy is still written.
    if (!timer_.isActive())
        timer_.start();
}

void RecoveryController::writeNow() {
    timer_.stop();
    if (!document_.isModified()) {
        discard();
        return;
    }
    const QString file = filePath();
    if (file.isEmpty())
        return;
    RecoveredDocument copy;
    copy.path = document_.path();
    copy.rich = document_.kind() == DocumentKind::RichText;
    copy.content =
        copy.rich ? rtf::write(*document_.document()) : document_.plainTextForFile().toUtf8();
    try {
        writeRecoveryFile(file, copy);
    } catch (const PukanaError&) {
        // Without a copy the editor works as before; the next change tries again.
    }
}

void RecoveryController::discard() {
    timer_.stop();
    const QString file = filePath();
    if (!file.isEmpty())
        QFile::remove(file);
}

bool RecoveryController::offerRecovery() {
    const QString leftover =
        findLeftoverRecoveryFile(platform_.userDataDir(), QCoreApplication::applicationPid());
    if (leftover.isEmpty())
        return false;
    const std::optional<RecoveredDocument> copy = readRecoveryFile(leftover);
    bool restored = false;
    if (copy && platform_.msgBox(texts::kRecoveryQuestion.toString(),
                                 MessageStyle::YesNoQuestion) == MessageResult::Yes) {
        files_.restoreUnsaved(copy->path, copy->rich, copy->content);
        writeNow(); // this editor's own copy before the old one goes
        restored = true;
    }
    QFile::remove(leftover); // declined copies are not offered again
    return restored;
}

} // namespace pukana
