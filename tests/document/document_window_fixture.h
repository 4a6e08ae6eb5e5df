// A started main window with helpers for files in temporary folders.
#pragma once

#include "ui/controllers/document_commands.h"
#include "ui/widgets/rich_text_box.h"
#include "tests/support/window_fixture.h"

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

    DocumentCommands& doc() { return *window->document; }
    RichTextBox& t1() { return *window->T1; }
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
    void select(int start, int length) {
        t1().SetSelStart(start);
        t1().SetSelLength(length);
    }
    /// Makes the document unsaved by typing into it.
    void modify(const QString& text = QStringLiteral("かな")) {
        t1().SetSelText(text);
        ASSERT_TRUE(state.Modified);
    }
    /// Queues the answer of the next file dialog.
    void choose(const QString& path) {
        FileDialogRequest r;
        r.fileName = path;
        r.filterIndex = 0;
        platform.fileAnswers.push_back(r);
    }
    QColor lineColor() const { return window->Line1->palette().color(QPalette::Window); }
    bool markerShown() const { return window->P3->isVisibleTo(window.get()); }

    QTemporaryDir files;
};

} // namespace pukana::test
