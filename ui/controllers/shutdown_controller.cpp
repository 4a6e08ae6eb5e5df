#include "ui/controllers/shutdown_controller.h"

#include "core/document/document_session.h"
#include "platform/platform.h"
#include "ui/controllers/file_controller.h"
#include "ui/controllers/recovery_controller.h"
#include "ui/controllers/settings_controller.h"

#include <QAction>
#include <QGuiApplication>
#include <QSessionManager>

namespace pukana {

namespace {
const QString ExitQuestion = QStringLiteral("へんしゅうちゅうのぶんしょをほぞんしますか ?");
} // namespace

ShutdownController::ShutdownController(const DocumentSession& document,
                                       SettingsController& settingsFile, FileController& files,
                                       RecoveryController& recovery, Platform& platform,
                                       QAction& exit, QObject* parent)
    : QObject(parent), document_(document), settingsFile_(settingsFile), files_(files),
      recovery_(recovery), platform_(platform) {
    setObjectName(QStringLiteral("shutdownController"));
    connect(&exit, &QAction::triggered, this, &ShutdownController::confirmClose);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (manager.allowsInteraction()) {
                if (!confirmClose())
                    manager.cancel();
                manager.release();
            }
        });
    }
}

bool ShutdownController::confirmClose() {
    settingsFile_.save();
    if (document_.isModified()) {
        const MessageResult answer =
            platform_.msgBox(ExitQuestion, MessageStyle::YesNoCancelExclamation);
        if (answer == MessageResult::Cancel)
            return false;
        if (answer == MessageResult::Yes) {
            files_.saveAs();
            if (document_.isModified())
                return false;
        }
    }
    recovery_.discard(); // a normal end: the user decided about every change
    platform_.quit(0);
    return true;
}

} // namespace pukana
