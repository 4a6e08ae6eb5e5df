#include "ui/app_actions.h"

#include <QAction>
#include <QKeySequence>

namespace pukana {

namespace {

QAction* command(QObject* owner, const char* id, const QString& caption) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1StringView(id));
    return action;
}

QAction* separator(QObject* owner, const char* id) {
    QAction* action = command(owner, id, QString());
    action->setSeparator(true);
    return action;
}

QAction* checkable(QObject* owner, const char* id, const QString& caption) {
    QAction* action = command(owner, id, caption);
    action->setCheckable(true);
    return action;
}

QAction* hidden(QAction* action) {
    action->setVisible(false);
    return action;
}

} // namespace

AppActions::AppActions(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("actions"));
    newDocument = command(this, "M_New", QStringLiteral("しんき(&N)"));
    open = command(this, "M_Open", QStringLiteral("ひらく(&O)..."));
    save = command(this, "M_Save", QStringLiteral("うわがきほぞん(&S)"));
    saveAs = command(this, "M_SaveAs", QStringLiteral("なまえをつけてほぞん(&A)..."));
    printSeparator = separator(this, "M_SP0");
    print = command(this, "M_Printer", QStringLiteral("いんさつ(&P)"));
    exitSeparator = separator(this, "m_sp4");
    exit = command(this, "M_EXIT", QStringLiteral("しゅうりょう(&X)"));
    recentSeparator = hidden(separator(this, "m_f"));

    undo = command(this, "M_Undo", QStringLiteral("もとにもどす(&U)"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = command(this, "M_Redo", QStringLiteral("やりなおし(&R)"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    undoSeparator = separator(this, "M_SPUndo");
    convert = command(this, "m_xf", QStringLiteral("へんかん(&X)"));
    convertSeparator = separator(this, "m_sp");
    cut = command(this, "M_Edit_Item", QStringLiteral("きりとり(&T)"));
    copy = command(this, "M_Edit_Item", QStringLiteral("コピー(&C)"));
    oldPaste = hidden(command(this, "M_Edit_Item", QStringLiteral("貼り付けold(&P)")));
    paste = command(this, "M_Edit_Item", QStringLiteral("はりつけ(&P)"));
    deleteSelection = command(this, "M_Edit_Item", QStringLiteral("さくじょ(&D)"));
    deleteSelection->setShortcut(QKeySequence(Qt::Key_Delete));
    // Del reaches the menu only where no text box takes it for itself.
    deleteSelection->setShortcutContext(Qt::WindowShortcut);
    selectSeparator = separator(this, "M_SP1");
    selectAll = command(this, "M_All", QStringLiteral("すべてせんたく(&A)"));
    copyAll = command(this, "M_CopyAll", QStringLiteral("すべてコピー(&L)"));
    fontSeparator = separator(this, "M_SP2");
    font = command(this, "m_font", QStringLiteral("フォントプロパティ(&F)"));
    wrapAtWindowEdge = checkable(this, "M_Wrap", QStringLiteral("みぎはしでおりかえす(&W)"));
    dropFormatting =
        hidden(command(this, "M_ConvText", QStringLiteral("テキスト表示モード切り替え(&X)")));

    showToolbar = checkable(this, "m_toolbar", QStringLiteral("ツールバー(&B)"));
    showKeyboard = checkable(this, "M_KB", QStringLiteral("キーボード(&K)"));
    fileNameItem = hidden(command(this, "m_filename", QStringLiteral("ファイルのなまえ(&N)")));
    fileNameItem->setEnabled(false);
    plainToRichText = hidden(command(this, "M_ToRTF", QStringLiteral("ﾃｷｽﾄ→ﾘｯﾁﾃｷｽﾄ変換(&R)")));
    richToPlainText = hidden(command(this, "M_ToTXT", QStringLiteral("ﾘｯﾁﾃｷｽﾄ→ﾃｷｽﾄ変換(&T)")));

    find = command(this, "M_Find", QStringLiteral("検索(&F)..."));
    findNext = command(this, "M_Next", QStringLiteral("↓検索(&D)"));
    findPrevious = command(this, "M_Prev", QStringLiteral("↑検索(&U)"));

    mincho = command(this, "M_Mincho", QStringLiteral("ＭＳ 明朝"));
    gothic = command(this, "M_Gothic", QStringLiteral("ＭＳ ゴシック"));

    readme = command(this, "M_Readme", QStringLiteral("よんでね'PUKANA.txt'(&R)..."));
    about = command(this, "M_About", QStringLiteral("バージョンじょうほう(&A)..."));
}

QList<QAction*> AppActions::fileMenu() const {
    return {newDocument, open,          save, saveAs,         printSeparator,
            print,       exitSeparator, exit, recentSeparator};
}

QList<QAction*> AppActions::editMenu() const {
    return {undo,    redo,          undoSeparator, convert,          convertSeparator, cut,
            copy,    oldPaste,      paste,         deleteSelection,  selectSeparator,  selectAll,
            copyAll, fontSeparator, font,          wrapAtWindowEdge, dropFormatting};
}

QList<QAction*> AppActions::viewMenu() const {
    return {showToolbar, showKeyboard, fileNameItem, plainToRichText, richToPlainText};
}

QList<QAction*> AppActions::searchMenu() const {
    return {find, findNext, findPrevious};
}

QList<QAction*> AppActions::typefaceMenu() const {
    return {mincho, gothic};
}

QList<QAction*> AppActions::helpMenu() const {
    return {readme, about};
}

} // namespace pukana
