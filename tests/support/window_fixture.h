// A main window on the scripted platform, with the program's folder in a temporary
// directory that holds copies of the shipped data files.
#pragma once

#include "ui/widgets/file_name_box.h"
#include "ui/app_state.h"
#include "ui/main_window.h"
#include "ui/controllers/shell_commands.h"
#include "tests/support/scripted_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace pukana::test {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(appDir.isValid());
        ASSERT_TRUE(desktopDir.isValid());
        for (const char* name : {"btn.dat", "pukana.dic", "PUKANA.txt"}) {
            const QString source =
                QStringLiteral(PUKANA_SOURCE_DIR "/data/") + QLatin1StringView(name);
            if (QFile::exists(source))
                QFile::copy(source, appDir.filePath(QLatin1StringView(name)));
        }
        platform.exeDir = appDir.path();
        platform.desktop = desktopDir.path();
        platform.dataDir = appDir.filePath(QStringLiteral("userdata"));
        window = std::make_unique<MainWindow>(state, platform);
    }

    /// Runs the main window's start-up sequence as the program does.
    void start() { window->shell->Form_Load(nullptr); }

    QString appFile(const QString& name) const { return appDir.filePath(name); }

    QTemporaryDir appDir;
    QTemporaryDir desktopDir;
    ScriptedPlatform platform;
    AppState state;
    std::unique_ptr<MainWindow> window;
};

} // namespace pukana::test
