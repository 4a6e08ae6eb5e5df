// A main window on the scripted platform, with the program's folder in a temporary
// directory that holds copies of the shipped data files. Widgets and actions are found by
// their design IDs, controllers by their type.
#pragma once

#include "tests/support/scripted_platform.h"
#include "ui/editor_state.h"
#include "ui/input_target.h"
#include "ui/main_window.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
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
        createWindow();
    }

    /// A fresh window on fresh state (the program started anew on the same folders).
    void createWindow() {
        window.reset();
        editorState = std::make_unique<EditorState>();
        window = std::make_unique<MainWindow>(*editorState, platform);
    }

    /// Runs the main window's start-up sequence as the program does.
    void start() { window->start(nullptr); }
    /// Starts the editor with its window active, so that focus really moves.
    void startActive() {
        start();
        window->activateWindow();
        QApplication::processEvents();
    }
    /// Selects `length` characters of the document from `from`.
    void select(int from, int length) const {
        documentView()->setCaretPosition(from);
        documentView()->setSelectionLength(length);
    }

    QString appFile(const QString& name) const { return appDir.filePath(name); }

    EditorState& state() const { return *editorState; }
    DocumentSession& document() const { return editorState->document; }

    template <typename Widget = QWidget> Widget* widget(const char* designId) const {
        auto* found = window->findChild<Widget*>(QLatin1StringView(designId));
        EXPECT_TRUE(found) << designId;
        return found;
    }
    QAction* action(const char* designId) const { return widget<QAction>(designId); }
    QMenu* menu(const char* designId) const { return widget<QMenu>(designId); }
    QPushButton* button(const char* designId) const { return widget<QPushButton>(designId); }
    RichTextBox* documentView() const { return widget<RichTextBox>("T1"); }
    FileNameBox* fileNameBox() const { return widget<FileNameBox>("T2"); }
    QListWidget* candidateList() const { return widget<QListWidget>("List1"); }
    /// The hidden template key, then character keys 1 to 105.
    QList<QPushButton*> keys() const {
        return window->findChildren<QPushButton*>(QStringLiteral("Btn"));
    }
    /// The recent-files separator, then the entries, as the file menu holds them.
    QList<QAction*> recentEntries() const {
        QList<QAction*> entries;
        for (QAction* a : menu("m_file")->actions())
            if (a->objectName() == QLatin1StringView("m_f"))
                entries << a;
        return entries;
    }
    InputTarget& inputTarget() const { return *window->findChild<InputTarget*>(); }
    template <typename Controller> Controller& controller() const {
        auto* found = window->findChild<Controller*>();
        EXPECT_TRUE(found);
        return *found;
    }

    QTemporaryDir appDir;
    QTemporaryDir desktopDir;
    ScriptedPlatform platform;
    std::unique_ptr<EditorState> editorState;
    std::unique_ptr<MainWindow> window;
};

} // namespace pukana::test
