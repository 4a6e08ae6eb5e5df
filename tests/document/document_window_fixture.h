// A started main window with helpers for files in temporary folders.
#pragma once

#include "document/document_commands.h"
#include "platform/rich_text_box.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QFile>
#include <QFrame>

namespace pukana::test {

class DocumentWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(files.isValid());
        start();
        platform.messages.clear();
    }

    DocumentCommands& doc() { return *window->document; }
    RichTextBox& t1() { return *window->T1; }
    QString caption() const { return window->windowTitle(); }
    QString box() const { return window->T2->text(); }
    QString file(const QString& name) const { return files.filePath(name); }
    QString desktopFile(const QString& name) const { return desktopDir.filePath(name); }

    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// Makes the document unsaved by typing into it.
    void modify(const QString& text = QStringLiteral("かな")) {
        t1().SetSelText(text);
        ASSERT_TRUE(state.Modified);
    }
    /// Queues the answer of the next file dialog.
    void choose(const QString& path, int filterIndex = 0) {
        FileDialogRequest r;
        r.fileName = path;
        r.filterIndex = filterIndex;
        platform.fileAnswers.push_back(r);
    }
    quint32 lineColor() const {
        const QColor c = window->Line1->palette().color(QPalette::Window);
        return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
    }
    bool markerShown() const { return window->P3->isVisibleTo(window.get()); }

    QTemporaryDir files;
};

} // namespace pukana::test
