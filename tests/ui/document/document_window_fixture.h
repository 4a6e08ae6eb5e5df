// A started main window with helpers for files in temporary folders.
#pragma once

#include "tests/support/window_fixture.h"
#include "ui/controllers/file_controller.h"
#include "ui/controllers/text_mode_controller.h"
#include "ui/controllers/wrap_controller.h"

#include <QAction>
#include <QFile>
#include <QFrame>

namespace pukana::test {

class DocumentWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        start();
        platform.messages.clear();
    }

    FileController& fileController() { return controller<FileController>(); }
    RichTextBox& t1() { return *documentView(); }
    QString caption() const { return window->windowTitle(); }
    /// Writes a file in the temporary folder and returns its path.
    QString fileWith(const QString& name, const QByteArray& bytes) const {
        QFile f(files.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray readBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// Makes the document unsaved by typing into it.
    void modify(const QString& text = QStringLiteral("かな")) {
        t1().replaceSelection(text);
        ASSERT_TRUE(document().isModified());
    }
    /// The user replaces the file-name box's text by typing `name`.
    void typeName(const QString& name) {
        fileNameBox()->selectAll();
        fileNameBox()->insert(name);
    }
    /// Queues the answer of the next file dialog.
    void choose(const QString& path) {
        FileDialogRequest r;
        r.fileName = path;
        r.filterIndex = 0;
        platform.fileAnswers.push_back(r);
    }
    QColor lineColor() const { return widget<QFrame>("Line1")->palette().color(QPalette::Window); }
    bool markerShown() const { return widget("P3")->isVisibleTo(window.get()); }

    QTemporaryDir files;
};

} // namespace pukana::test
