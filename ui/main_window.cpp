#include "ui/main_window.h"

#include "core/layout/alignment_pictures.h"
#include "core/layout/layout_calc.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/controllers/about_commands.h"
#include "ui/controllers/conversion_commands.h"
#include "ui/controllers/document_commands.h"
#include "ui/controllers/edit_commands.h"
#include "ui/controllers/format_commands.h"
#include "ui/controllers/keyboard_commands.h"
#include "ui/controllers/recovery_commands.h"
#include "ui/controllers/search_commands.h"
#include "ui/controllers/shell_commands.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/rich_text_box.h"

#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace pukana {

namespace {

const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");

QFont makeFont(const QString& family, double points) {
    QFont f(family);
    f.setPointSizeF(points);
    return f;
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QPushButton* key(QWidget* parent, const char* name, const QString& caption, double left, double top,
                 double width, double height, double points = 12) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setFont(makeFont(PGothic, points));
    b->setGeometry(twipsRect(left, top, width, height));
    // Clicking a key must leave the focus in the box the keys type into.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1StringView(name));
    return a;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(QLatin1StringView(name));
    return a;
}

} // namespace

MainWindow::MainWindow(AppState& state, Platform& platform) : state_(state), platform_(platform) {
    setObjectName(QStringLiteral("form1"));
    setWindowIcon(QIcon(QStringLiteral(":/pukana/icon.png")));
    setFont(makeFont(Gothic, 11.25));
    createControls();
    createMenus();
    resize(twipsToPixels(10530), twipsToPixels(7380) + menuBar()->sizeHint().height());

    shell = std::make_unique<ShellCommands>(*this, state_, platform_);
    document = std::make_unique<DocumentCommands>(*this, state_, platform_);
    keyboard = std::make_unique<KeyboardCommands>(*this, state_, platform_);
    conversion = std::make_unique<ConversionCommands>(*this, state_, platform_);
    edit = std::make_unique<EditCommands>(*this, state_, platform_);
    search = std::make_unique<SearchCommands>(*this, state_, platform_);
    format = std::make_unique<FormatCommands>(*this, state_, platform_);
    about = std::make_unique<AboutCommands>(*this, state_, platform_);
    recovery = std::make_unique<RecoveryCommands>(*this, state_, platform_);

    connect(M_KB, &QAction::triggered, this, &MainWindow::M_KB_Click);
    connect(m_toolbar, &QAction::triggered, this, &MainWindow::m_toolbar_Click);
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->installEventFilter(this);
    setCentralWidget(client_);

    P1 = new QWidget(client_);
    P1->setObjectName(QStringLiteral("P1"));
    setBackground(P1, QColor(0xC0, 0xC0, 0xC0));
    P1->setGeometry(0, 0, twipsToPixels(10530), twipsToPixels(ToolbarHiddenHeight));

    T2 = new FileNameBox(QStringLiteral("filename"), P1);
    T2->setObjectName(QStringLiteral("T2"));
    T2->setFont(makeFont(Gothic, 9));
    T2->setGeometry(twipsRect(120, 120, 3375, 285));

    I_lft =
        new ImageButton(alignmentPicture(AlignmentPicture::Left), QStringLiteral("ひだりよせ"), P1);
    I_lft->setObjectName(QStringLiteral("I_lft"));
    I_lft->setGeometry(twipsRect(4380, 180, 240, 240));
    I_cnt = new ImageButton(alignmentPicture(AlignmentPicture::Centre),
                            QStringLiteral("ちゅうおうそろえ"), P1);
    I_cnt->setObjectName(QStringLiteral("I_cnt"));
    I_cnt->setGeometry(twipsRect(4680, 180, 240, 240));
    I_rt =
        new ImageButton(alignmentPicture(AlignmentPicture::Right), QStringLiteral("みぎよせ"), P1);
    I_rt->setObjectName(QStringLiteral("I_rt"));
    I_rt->setGeometry(twipsRect(4980, 180, 240, 240));

    Line1 = new QFrame(P1);
    Line1->setObjectName(QStringLiteral("Line1"));
    setBackground(Line1, QColor(0xFF, 0, 0));
    Line1->setGeometry(0, 0, twipsToPixels(9000), 5);

    T1 = new RichTextBox(client_);
    T1->setObjectName(QStringLiteral("T1"));
    T1->setFont(makeFont(Gothic, 12));
    T1->SetBaseFont(makeFont(Gothic, 12));

    P3 = new QFrame(client_);
    P3->setObjectName(QStringLiteral("P3"));
    setBackground(P3, QColor(0x80, 0x80, 0x80));
    P3->setGeometry(0, 0, 1, 1);

    List1 = new QListWidget(client_);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(makeFont(PGothic, 11.25));
    List1->setGeometry(twipsRect(6780, 4140, 1635, 1185));
    List1->hide();

    P2 = new QWidget(client_);
    P2->setObjectName(QStringLiteral("P2"));
    setBackground(P2, QColor(0xC0, 0xC0, 0xC0));
    P2->setGeometry(0, twipsToPixels(3900), twipsToPixels(10530),
                    twipsToPixels(KeyboardPanelHeight));
    P2->hide();
    createKeyFrame();

    // The marker and the list lie above the document.
    P3->raise();
    List1->raise();
}

void MainWindow::createKeyFrame() {
    F1 = new QFrame(P2);
    F1->setObjectName(QStringLiteral("F1"));
    F1->setFrameShape(QFrame::Box);
    F1->setFrameShadow(QFrame::Sunken);
    F1->setGeometry(twipsRect(60, -60, KeyFrameWidth, 3495));

    btn_hiragana = key(F1, "btn_hiragana", QStringLiteral("ひらがな"), 180, 360, 1155, 495);
    btn_katakana = key(F1, "btn_katakana", QStringLiteral("カタカナ"), 180, 900, 1155, 495);
    btn_suuji = key(F1, "btn_suuji", QStringLiteral("きごう"), 180, 1440, 1155, 495);
    btn_hankaku = key(F1, "btn_hankaku", QStringLiteral("はんかく"), 180, 1980, 1155, 495);
    QPushButton* templateKey = key(F1, "Btn", QString(), 1560, 240, 450, 450);
    templateKey->hide();
    Btn << templateKey;
    btn_del = key(F1, "btn_del", QStringLiteral("Del"), 9420, 360, 795, 375);
    btn_bs = key(F1, "btn_bs", QStringLiteral("BS"), 8580, 780, 1635, 375);
    btn_cr = key(F1, "btn_cr", QStringLiteral("かいぎょう"), 8580, 1200, 1635, 795);
    btn_henkan = key(F1, "btn_henkan", QStringLiteral("へんかん"), 8580, 2040, 1635, 375);
    b_up = key(F1, "b_up", QStringLiteral("↑"), 9000, 2520, 375, 375);
    b_selm = key(F1, "b_selm", QStringLiteral("<S"), 9420, 2520, 375, 375, 9);
    b_sel = key(F1, "b_sel", QStringLiteral("S>"), 9840, 2520, 375, 375, 9);
    b_left = key(F1, "b_left", QStringLiteral("←"), 8580, 2940, 375, 375);
    b_down = key(F1, "b_down", QStringLiteral("↓"), 9000, 2940, 375, 375);
    b_right = key(F1, "b_right", QStringLiteral("→"), 9420, 2940, 375, 375);
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();

    m_file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    m_file->setObjectName(QStringLiteral("m_file"));
    M_New = item(m_file, "M_New", QStringLiteral("しんき(&N)"));
    M_Open = item(m_file, "M_Open", QStringLiteral("ひらく(&O)..."));
    M_Save = item(m_file, "M_Save", QStringLiteral("うわがきほぞん(&S)"));
    M_SaveAs = item(m_file, "M_SaveAs", QStringLiteral("なまえをつけてほぞん(&A)..."));
    M_SP0 = separator(m_file, "M_SP0");
    M_Printer = item(m_file, "M_Printer", QStringLiteral("いんさつ(&P)"));
    m_sp4 = separator(m_file, "m_sp4");
    M_EXIT = item(m_file, "M_EXIT", QStringLiteral("しゅうりょう(&X)"));
    QAction* recentSeparator = separator(m_file, "m_f");
    recentSeparator->setVisible(false);
    m_f << recentSeparator;

    M_Edit = bar->addMenu(QStringLiteral("へんしゅう(&E)"));
    M_Edit->setObjectName(QStringLiteral("M_Edit"));
    M_Undo = item(M_Edit, "M_Undo", QStringLiteral("もとにもどす(&U)"));
    M_Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    M_Redo = item(M_Edit, "M_Redo", QStringLiteral("やりなおし(&R)"));
    M_Redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    M_SPUndo = separator(M_Edit, "M_SPUndo");
    m_xf = item(M_Edit, "m_xf", QStringLiteral("へんかん(&X)"));
    m_sp = separator(M_Edit, "m_sp");
    M_Edit_Item << item(M_Edit, "M_Edit_Item", QStringLiteral("きりとり(&T)"))
                << item(M_Edit, "M_Edit_Item", QStringLiteral("コピー(&C)"))
                << item(M_Edit, "M_Edit_Item", QStringLiteral("貼り付けold(&P)"))
                << item(M_Edit, "M_Edit_Item", QStringLiteral("はりつけ(&P)"))
                << item(M_Edit, "M_Edit_Item", QStringLiteral("さくじょ(&D)"));
    M_Edit_Item[2]->setVisible(false);
    M_Edit_Item[4]->setShortcut(QKeySequence(Qt::Key_Delete));
    // Del reaches the menu only where no text box takes it for itself.
    M_Edit_Item[4]->setShortcutContext(Qt::WindowShortcut);
    M_SP1 = separator(M_Edit, "M_SP1");
    M_All = item(M_Edit, "M_All", QStringLiteral("すべてせんたく(&A)"));
    M_CopyAll = item(M_Edit, "M_CopyAll", QStringLiteral("すべてコピー(&L)"));
    M_SP2 = separator(M_Edit, "M_SP2");
    m_font = item(M_Edit, "m_font", QStringLiteral("フォントプロパティ(&F)"));
    M_Wrap = item(M_Edit, "M_Wrap", QStringLiteral("みぎはしでおりかえす(&W)"));
    M_Wrap->setCheckable(true);
    M_ConvText = item(M_Edit, "M_ConvText", QStringLiteral("テキスト表示モード切り替え(&X)"));
    M_ConvText->setVisible(false);

    M_View = bar->addMenu(QStringLiteral("ひょうじ(&V)"));
    M_View->setObjectName(QStringLiteral("M_View"));
    m_toolbar = item(M_View, "m_toolbar", QStringLiteral("ツールバー(&B)"));
    m_toolbar->setCheckable(true);
    M_KB = item(M_View, "M_KB", QStringLiteral("キーボード(&K)"));
    M_KB->setCheckable(true);
    m_filename = item(M_View, "m_filename", QStringLiteral("ファイルのなまえ(&N)"));
    m_filename->setVisible(false);
    m_filename->setEnabled(false);
    M_ToRTF = item(M_View, "M_ToRTF", QStringLiteral("ﾃｷｽﾄ→ﾘｯﾁﾃｷｽﾄ変換(&R)"));
    M_ToRTF->setVisible(false);
    M_ToTXT = item(M_View, "M_ToTXT", QStringLiteral("ﾘｯﾁﾃｷｽﾄ→ﾃｷｽﾄ変換(&T)"));
    M_ToTXT->setVisible(false);

    M_FindMenu = bar->addMenu(QStringLiteral("検索(&S)"));
    M_FindMenu->setObjectName(QStringLiteral("M_FindMenu"));
    M_Find = item(M_FindMenu, "M_Find", QStringLiteral("検索(&F)..."));
    M_Next = item(M_FindMenu, "M_Next", QStringLiteral("↓検索(&D)"));
    M_Prev = item(M_FindMenu, "M_Prev", QStringLiteral("↑検索(&U)"));
    M_FindMenu->menuAction()->setVisible(false);

    M_Style = bar->addMenu(QStringLiteral("書体(&T)"));
    M_Style->setObjectName(QStringLiteral("M_Style"));
    M_Mincho = item(M_Style, "M_Mincho", QStringLiteral("ＭＳ 明朝"));
    M_Gothic = item(M_Style, "M_Gothic", QStringLiteral("ＭＳ ゴシック"));
    M_Style->menuAction()->setVisible(false);

    M_Help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    M_Help->setObjectName(QStringLiteral("M_Help"));
    M_Readme = item(M_Help, "M_Readme", QStringLiteral("よんでね'PUKANA.txt'(&R)..."));
    M_About = item(M_Help, "M_About", QStringLiteral("バージョンじょうほう(&A)..."));
}

void MainWindow::layout() {
    LayoutInput in;
    in.innerWidth = pixelsToTwips(client_->width());
    in.innerHeight = pixelsToTwips(client_->height());
    in.toolbarHeight = pixelsToTwips(P1->height());
    in.keyboardOn = M_KB->isChecked();
    in.keyboardHeight = pixelsToTwips(P2->height());
    in.previousDocHeight = docHeightTwips_;
    in.pageWidth = platform_.printer().pageWidthTwipsReal();
    const LayoutResult r = computeLayout(in);

    P2->setVisible(r.keyboardVisible);
    P1->setGeometry(0, 0, client_->width(), P1->height());
    if (r.keyboardVisible)
        P2->setGeometry(0, client_->height() - P2->height(), client_->width(), P2->height());
    docHeightTwips_ = r.docHeight;
    T1->setGeometry(twipsRect(r.docLeft, r.docTop, r.docWidth, r.docHeight));
    Line1->setGeometry(0, 0, twipsToPixels(r.lineRight), Line1->height());
    F1->move(twipsToPixels(r.keyFrameLeft), F1->y());
    P3->setGeometry(twipsToPixels(r.markerLeft), twipsToPixels(r.markerTop), 1,
                    twipsToPixels(r.markerHeight));
    document->wrapset();
}

void MainWindow::M_KB_Click() {
    T1->setFocus();
    // The check mark was already switched by the action itself when clicked; a call from
    // code switches it here.
    if (sender() != M_KB)
        M_KB->setChecked(!M_KB->isChecked());
    layout();
}

void MainWindow::m_toolbar_Click() {
    if (sender() != m_toolbar)
        m_toolbar->setChecked(!m_toolbar->isChecked());
    P1->resize(P1->width(),
               twipsToPixels(m_toolbar->isChecked() ? ToolbarShownHeight : ToolbarHiddenHeight));
    layout();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (shell->Form_QueryUnload())
        event->ignore();
    else
        event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        layout();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pukana
