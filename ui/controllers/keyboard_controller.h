// The on-screen keyboard: the 105 character keys, the four input modes and the editing keys,
// all acting on the input target.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <utility>

class QPushButton;

namespace pukana {

class InputTarget;
class Platform;
class RichTextBox;
struct ProgramPaths;

/// The buttons of the keyboard panel.
struct KeyboardKeys {
    QPushButton* hiragana = nullptr;
    QPushButton* katakana = nullptr;
    QPushButton* symbols = nullptr;
    QPushButton* halfWidth = nullptr;
    QPushButton* templateKey = nullptr; ///< hidden; the character keys are its copies
    QPushButton* deleteKey = nullptr;
    QPushButton* backspace = nullptr;
    QPushButton* newLine = nullptr;
    QPushButton* convert = nullptr;
    QPushButton* up = nullptr;
    QPushButton* selectLeft = nullptr;
    QPushButton* selectRight = nullptr;
    QPushButton* left = nullptr;
    QPushButton* down = nullptr;
    QPushButton* right = nullptr;
};

class KeyboardController : public QObject {
    Q_OBJECT
public:
    KeyboardController(const KeyboardKeys& keys, InputTarget& inputTarget,
                       RichTextBox& documentView, const ProgramPaths& paths, Platform& platform,
                       QObject* parent = nullptr);

    /// Creates keys 1 to 105 as visible copies of the hidden template key, on the key grid
    /// (groups of five, 15 keys a row, 7 rows), and connects their clicks. Call once.
    void createCharacterKeys();

    /// Loads `mode`'s captions from btn.dat in the program's folder, read afresh, onto the
    /// character keys, then gives the document the focus (also when no block names `mode`,
    /// which changes no caption). Throws PukanaError naming the file when it is missing,
    /// unreadable or cut short; the captions are then unchanged.
    void loadMode(const QString& mode);
    /// A mode button: loads the mode; a failure is reported and the keys keep their captions.
    /// The button of the mode the keys show stays pressed.
    void switchMode(const QString& mode);
    /// The mode whose captions the keys show (empty before the first is loaded).
    const QString& activeMode() const { return activeMode_; }

    /// Character key `index` (1 to 105): the character it shows replaces the selection of the
    /// target.
    void typeKey(int index);

    const QList<QPushButton*>& characterKeys() const { return characterKeys_; }

private:
    /// Focuses the target box and sends it `keys`, processed before returning.
    void sendToTarget(const QString& keys);
    /// Keys that only make sense in the document: in the file-name box they beep.
    void documentOnlyKey(const QString& keys);
    void connectEditingKeys();
    /// Shows the active mode's button pressed and the others raised.
    void showActiveMode();

    KeyboardKeys keys_;
    InputTarget& inputTarget_;
    RichTextBox& documentView_;
    const ProgramPaths& paths_;
    Platform& platform_;
    QList<QPushButton*> characterKeys_;
    QList<std::pair<QPushButton*, QString>> modeButtons_;
    QString activeMode_;
};

} // namespace pukana
