// Handlers of the on-screen keyboard: the keys, the input modes and the key target.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <utility>

class QPushButton;
class QWidget;

namespace pukana {

struct AppState;
class MainWindow;
class Platform;

class KeyboardCommands : public QObject {
    Q_OBJECT
public:
    KeyboardCommands(MainWindow& window, AppState& state, Platform& platform);

    /// Creates keys 1 to 105 as visible copies of the hidden template key, on the key grid
    /// (groups of five, 15 keys a row, 7 rows), and connects their clicks. Call once.
    void createKeys();

    /// Loads `mode`'s captions from AppDir + "btn.dat", read afresh, onto keys 1 to 105, then
    /// gives the document the focus (also when no block names `mode`, which changes no
    /// caption). Throws PukanaError naming the file when it is missing, unreadable or cut
    /// short; the captions are then unchanged.
    void btnset(const QString& mode);

    /// A mode button: loads the mode; a failure is reported and the keys keep their captions.
    /// The button of the mode the keys show stays pressed.
    void modeClick(const QString& mode);
    /// The mode whose captions the keys show (empty before the first is loaded).
    const QString& activeMode() const { return activeMode_; }

    /// Key `index` (1 to 105): its caption replaces the selection of the target box.
    void Btn_Click(int index);

    // The editing keys: keystrokes for the target box (line keys only in the document).
    void b_left_Click();
    void b_right_Click();
    void b_up_Click();
    void b_down_Click();
    void b_sel_Click();
    void b_selm_Click();
    void btn_bs_Click();
    void btn_del_Click();
    void btn_cr_Click();

    /// The document became the key target: the file-name box turns light grey.
    void T1_GotFocus();
    /// The file-name box became the key target: it turns white.
    void T2_GotFocus();

private:
    /// The box the keys act on, as last focused.
    QWidget* target() const;
    /// Focuses the target box and sends it `keys`, processed before returning.
    void sendToTarget(const QString& keys);
    /// Keys that only make sense in the document: in the file-name box they beep.
    void documentOnlyKey(const QString& keys);
    void setFileNameBoxColour(bool isTarget);
    /// Shows the active mode's button pressed and the others raised.
    void showActiveMode();

    MainWindow& w_;
    AppState& s_;
    Platform& p_;
    QList<std::pair<QPushButton*, QString>> modeButtons_;
    QString activeMode_;
};

} // namespace pukana
