// A shown main window over a temporary program folder, for the benchmarks that open files in
// the real editor.
#pragma once

#include "platform/qt_platform.h"
#include "ui/controllers/file_controller.h"
#include "ui/editor_state.h"
#include "ui/main_window.h"
#include "ui/widgets/rich_text_box.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace pukana::bench {

struct ShownEditor {
    ShownEditor() {
        state.paths.appDir = dir.path() + QLatin1Char('/');
        state.paths.dataDir = state.paths.appDir;
        state.settings.baseFontName = QStringLiteral("ＭＳ ゴシック");
        window = std::make_unique<MainWindow>(state, platform);
        window->resize(900, 700);
        window->show();
        window->layOut();
        files = window->findChild<FileController*>();
        view = window->findChild<RichTextBox*>(QStringLiteral("T1"));
        files->newDocument();
        QApplication::processEvents();
    }

    /// Writes `bytes` to `name` in the temporary folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    QtPlatform platform;
    EditorState state;
    std::unique_ptr<MainWindow> window;
    FileController* files = nullptr;
    RichTextBox* view = nullptr;
};

} // namespace pukana::bench
