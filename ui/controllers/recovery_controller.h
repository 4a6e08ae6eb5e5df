// Crash recovery: while the document has unsaved changes, a copy of it is written to the
// user's data folder some seconds after a change; a normal save or end removes it, and the
// next start offers a copy an editor left behind.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace pukana {

class DocumentSession;
class FileController;
class Platform;
class RichTextBox;

class RecoveryController : public QObject {
    Q_OBJECT
public:
    /// How long after a change the copy is written: at most this much typing is lost.
    static constexpr int kDelayMs = 30000;

    RecoveryController(DocumentSession& document, RichTextBox& documentView, FileController& files,
                       Platform& platform, QObject* parent = nullptr);

    /// Shortens the delay (tests).
    void setDelay(int milliseconds) { timer_.setInterval(milliseconds); }
    /// Writes the copy when the document has unsaved changes, else removes it.
    void writeNow();
    /// Removes the copy: the document was saved, or the editor ends normally.
    void discard();
    /// At start: asks about a copy an editor left behind and, on Yes, opens it as an unsaved
    /// document under its old name. True when it was restored.
    bool offerRecovery();
    /// This editor's recovery file; empty without a data folder.
    QString filePath() const;

private:
    void changed();

    DocumentSession& document_;
    FileController& files_;
    Platform& platform_;
    QTimer timer_;
};

} // namespace pukana
