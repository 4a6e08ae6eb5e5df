#include "ui/main_window.h"

#include "core/bgr_color.h"
#include "core/document/path_naming.h"
#include "core/layout/alignment_pictures.h"
#include "core/layout/layout_calc.h"
#include "core/layout/program_icon.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/app_actions.h"
#include "ui/controllers/about_controller.h"
#include "ui/controllers/conversion_controller.h"
#include "ui/controllers/document_name_controller.h"
#include "ui/controllers/edit_controller.h"
#include "ui/controllers/file_controller.h"
#include "ui/controllers/format_controller.h"
#include "ui/controllers/keyboard_controller.h"
#include "ui/controllers/recent_files_menu.h"
#include "ui/controllers/recovery_controller.h"
#include "ui/controllers/search_controller.h"
#include "ui/controllers/settings_controller.h"
#include "ui/controllers/shutdown_controller.h"
#include "ui/controllers/text_mode_controller.h"
#include "ui/controllers/wrap_controller.h"
#include "ui/editor_state.h"
#include "ui/input_target.h"
#include "ui/startup.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
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

template <typename Widget> Widget* named(Widget* widget, const char* designId) {
    widget->setObjectName(QLatin1StringView(designId));
    return widget;
}

QPushButton* key(QWidget* parent, const char* designId, const QString& caption, double left,
                 double top, double width, double height, double points = 12) {
    auto* b = named(new QPushButton(caption, parent), designId);
    b->setFont(makeFont(PGothic, points));
    b->setGeometry(twipsRect(left, top, width, height));
    // Clicking a key must leave the focus in the box the keys type into.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QMenu* menu(QMenuBar* bar, const char* designId, const QString& caption,
            const QList<QAction*>& actions) {
    QMenu* m = named(bar->addMenu(caption), designId);
    m->addActions(actions);
    return m;
}

} // namespace

MainWindow::MainWindow(EditorState& state, Platform& platform)
    : state_(state), platform_(platform), pageWidthSource_(platform.printer()) {
    setObjectName(QStringLiteral("form1"));
    setFont(makeFont(Gothic, 11.25));
    actions_ = new AppActions(this);
    clientArea_ = named(new QWidget(this), "client");
    clientArea_->installEventFilter(this);
    setCentralWidget(clientArea_);
    createToolbar();
    createDocumentArea();
    const KeyboardKeys keys = createKeyboardPanel();
    // The marker and the list lie above the document.
    pageEdgeMarker_->raise();
    candidateList_->raise();
    createMenus();
    // Narrower or lower, keys of the keyboard would be cut off.
    const MinimumInnerSize least = minimumInnerSize();
    clientArea_->setMinimumSize(twipsToPixels(least.width), twipsToPixels(least.height));
    resize(twipsToPixels(10530), twipsToPixels(7380) + menuBar()->sizeHint().height());
    inputTarget_ = new InputTarget(*documentView_, *fileNameBox_, this);
    createControllers(keys);
    // Drawn when the platform first shows it (never offscreen).
    setWindowIcon(programWindowIcon());
    followDocument();
    connect(actions_->showKeyboard, &QAction::triggered, this, &MainWindow::toggleKeyboard);
    connect(actions_->showToolbar, &QAction::triggered, this, &MainWindow::toggleToolbar);
    // The page width may first be the one remembered from the last run: when the printer's
    // own arrives and differs, the marker moves and a page-width wrap takes the new width.
    pageWidthSource_.setPageWidthChangedHandler([this] { layOut(); });
}

MainWindow::~MainWindow() {
    // The printer told at construction, which may no longer be the one the platform hands out.
    pageWidthSource_.setPageWidthChangedHandler({});
    // The controllers (and the actions) go first: they watch widgets that are about to go.
    const QObjectList all = children();
    for (QObject* child : all)
        if (!child->isWidgetType() && !qobject_cast<QLayout*>(child))
            delete child;
}

void MainWindow::createToolbar() {
    toolbar_ = named(new QWidget(clientArea_), "P1");
    setBackground(toolbar_, QColor(0xC0, 0xC0, 0xC0));
    toolbar_->setGeometry(0, 0, twipsToPixels(10530), twipsToPixels(ToolbarHiddenHeight));

    // Its font before its text: the text is laid out once, in that font.
    fileNameBox_ = named(new FileNameBox(toolbar_), "T2");
    fileNameBox_->setFont(makeFont(Gothic, 9));
    fileNameBox_->setText(QStringLiteral("filename"));
    fileNameBox_->setGeometry(twipsRect(120, 120, 3375, 285));

    alignLeftButton_ = named(new ImageButton(alignmentPicture(AlignmentPicture::Left),
                                             QStringLiteral("ひだりよせ"), toolbar_),
                             "I_lft");
    alignLeftButton_->setGeometry(twipsRect(4380, 180, 240, 240));
    alignLeftButton_->setToolTip(QStringLiteral("ひだりよせ"));
    alignCentreButton_ = named(new ImageButton(alignmentPicture(AlignmentPicture::Centre),
                                               QStringLiteral("ちゅうおうそろえ"), toolbar_),
                               "I_cnt");
    alignCentreButton_->setGeometry(twipsRect(4680, 180, 240, 240));
    alignCentreButton_->setToolTip(QStringLiteral("ちゅうおう"));
    alignRightButton_ = named(new ImageButton(alignmentPicture(AlignmentPicture::Right),
                                              QStringLiteral("みぎよせ"), toolbar_),
                              "I_rt");
    alignRightButton_->setGeometry(twipsRect(4980, 180, 240, 240));
    alignRightButton_->setToolTip(QStringLiteral("みぎよせ"));

    indicatorLine_ = named(new QFrame(toolbar_), "Line1");
    setBackground(indicatorLine_, QColor(0xFF, 0, 0));
    indicatorLine_->setGeometry(0, 0, twipsToPixels(9000), 5);
}

void MainWindow::createDocumentArea() {
    documentView_ = named(new RichTextBox(state_.document, clientArea_), "T1");
    documentView_->setFont(makeFont(Gothic, 12));
    documentView_->setBaseFont(makeFont(Gothic, 12));

    pageEdgeMarker_ = named(new QFrame(clientArea_), "P3");
    setBackground(pageEdgeMarker_, QColor(0x80, 0x80, 0x80));
    pageEdgeMarker_->setGeometry(0, 0, 1, 1);

    candidateList_ = named(new QListWidget(clientArea_), "List1");
    candidateList_->setFont(makeFont(PGothic, 11.25));
    candidateList_->setGeometry(twipsRect(6780, 4140, 1635, 1185));
    candidateList_->hide();
}

KeyboardKeys MainWindow::createKeyboardPanel() {
    keyboardPanel_ = named(new QWidget(clientArea_), "P2");
    setBackground(keyboardPanel_, QColor(0xC0, 0xC0, 0xC0));
    keyboardPanel_->setGeometry(0, twipsToPixels(3900), twipsToPixels(10530),
                                twipsToPixels(KeyboardPanelHeight));
    keyboardPanel_->hide();

    keyFrame_ = named(new QFrame(keyboardPanel_), "F1");
    keyFrame_->setFrameShape(QFrame::Box);
    keyFrame_->setFrameShadow(QFrame::Sunken);
    keyFrame_->setGeometry(twipsRect(60, -60, KeyFrameWidth, 3495));

    QFrame* f = keyFrame_;
    KeyboardKeys k;
    k.hiragana = key(f, "btn_hiragana", QStringLiteral("ひらがな"), 180, 360, 1155, 495);
    k.katakana = key(f, "btn_katakana", QStringLiteral("カタカナ"), 180, 900, 1155, 495);
    k.symbols = key(f, "btn_suuji", QStringLiteral("きごう"), 180, 1440, 1155, 495);
    k.halfWidth = key(f, "btn_hankaku", QStringLiteral("はんかく"), 180, 1980, 1155, 495);
    k.templateKey = key(f, "Btn", QString(), 1560, 240, 450, 450);
    k.templateKey->hide();
    k.deleteKey = key(f, "btn_del", QStringLiteral("Del"), 9420, 360, 795, 375);
    k.backspace = key(f, "btn_bs", QStringLiteral("BS"), 8580, 780, 1635, 375);
    k.newLine = key(f, "btn_cr", QStringLiteral("かいぎょう"), 8580, 1200, 1635, 795);
    k.convert = key(f, "btn_henkan", QStringLiteral("へんかん"), 8580, 2040, 1635, 375);
    k.up = key(f, "b_up", QStringLiteral("↑"), 9000, 2520, 375, 375);
    k.selectLeft = key(f, "b_selm", QStringLiteral("<S"), 9420, 2520, 375, 375, 9);
    k.selectRight = key(f, "b_sel", QStringLiteral("S>"), 9840, 2520, 375, 375, 9);
    k.left = key(f, "b_left", QStringLiteral("←"), 8580, 2940, 375, 375);
    k.down = key(f, "b_down", QStringLiteral("↓"), 9000, 2940, 375, 375);
    k.right = key(f, "b_right", QStringLiteral("→"), 9420, 2940, 375, 375);
    return k;
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    const AppActions& a = *actions_;
    fileMenu_ = menu(bar, "m_file", QStringLiteral("ファイル(&F)"), a.fileMenu());
    editMenu_ = menu(bar, "M_Edit", QStringLiteral("へんしゅう(&E)"), a.editMenu());
    viewMenu_ = menu(bar, "M_View", QStringLiteral("ひょうじ(&V)"), a.viewMenu());
    searchMenu_ = menu(bar, "M_FindMenu", QStringLiteral("検索(&S)"), a.searchMenu());
    searchMenu_->menuAction()->setVisible(false);
    typefaceMenu_ = menu(bar, "M_Style", QStringLiteral("書体(&T)"), a.typefaceMenu());
    typefaceMenu_->menuAction()->setVisible(false);
    helpMenu_ = menu(bar, "M_Help", QStringLiteral("ヘルプ(&H)"), a.helpMenu());
}

void MainWindow::createControllers(const KeyboardKeys& keys) {
    createDocumentControllers();
    AppActions& a = *actions_;
    EditorState& s = state_;
    Platform& p = platform_;
    keyboard_ = new KeyboardController(keys, *inputTarget_, *documentView_, s.paths, p, this);
    conversion_ = new ConversionController(
        *documentView_, *fileNameBox_, *inputTarget_, *candidateList_,
        {*clientArea_, *keyFrame_, *keys.backspace}, s.paths, p, *keys.convert, *a.convert, this);
    new EditController(
        *documentView_, s.document, *inputTarget_, *candidateList_, p, {*fileMenu_, *editMenu_},
        {*a.undo, *a.redo, *a.cut, *a.copy, *a.oldPaste, *a.paste, *a.deleteSelection, *a.selectAll,
         *a.copyAll, *a.convert, *a.font, *a.newDocument},
        this);
    new SearchController(*documentView_, s.search, p, *this,
                         {*searchMenu_, *a.find, *a.findNext, *a.findPrevious}, this);
    new FormatController(*documentView_, s.document, p, *this,
                         {*a.font, *a.mincho, *a.gothic, *a.print, *alignLeftButton_,
                          *alignCentreButton_, *alignRightButton_},
                         this);
    new AboutController(s.paths, p, *this, *a.readme, *a.about, this);
    shutdown_ =
        new ShutdownController(s.document, *settingsFile_, *files_, *recovery_, p, *a.exit, this);
}

void MainWindow::createDocumentControllers() {
    AppActions& a = *actions_;
    EditorState& s = state_;
    Platform& p = platform_;
    new DocumentNameController(s.document, *fileNameBox_, this);
    settingsFile_ =
        new SettingsController(s.paths, s.settings, s.recentFiles, *a.showKeyboard, p, this);
    wrap_ = new WrapController(*documentView_, *pageEdgeMarker_, *a.wrapAtWindowEdge, p, this);
    files_ = new FileController(s.document, *documentView_, s.settings, s.recentFiles, p,
                                {*settingsFile_, *wrap_, *this},
                                {*a.newDocument, *a.open, *a.save, *a.saveAs}, this);
    recovery_ = new RecoveryController(s.document, *documentView_, *files_, p, this);
    new RecentFilesMenu(
        s.recentFiles, *fileMenu_, *a.recentSeparator,
        [this](const QString& path) { files_->openRecent(path); }, this);
    new TextModeController(*documentView_, s.document, s.paths, p,
                           {*a.dropFormatting, *a.plainToRichText, *a.richToPlainText}, this);
}

void MainWindow::followDocument() {
    // The caption shows the path; the indicator line is red for rich text, blue otherwise.
    const auto showPath = [this](const QString& path) {
        setWindowTitle(path);
        QPalette palette = indicatorLine_->palette();
        palette.setColor(QPalette::Window, fromBgr(indicatorColor(path)));
        indicatorLine_->setPalette(palette);
    };
    connect(&state_.document, &DocumentSession::pathChanged, this, showPath);
    showPath(state_.document.path());
}

void MainWindow::start(SplashWindow* splash, const std::function<void(const char*)>& trace) {
    runStartup({*this, [this] { layOut(); }, state_, platform_, *conversion_, *settingsFile_,
                *files_, *recovery_, *keyboard_, *inputTarget_},
               splash, trace);
}

void MainWindow::layOut() {
    LayoutInput in;
    in.innerWidth = pixelsToTwips(clientArea_->width());
    in.innerHeight = pixelsToTwips(clientArea_->height());
    in.toolbarHeight = pixelsToTwips(toolbar_->height());
    in.keyboardOn = actions_->showKeyboard->isChecked();
    in.keyboardHeight = pixelsToTwips(keyboardPanel_->height());
    in.previousDocHeight = documentHeightTwips_;
    in.pageWidth = platform_.printer().pageWidthTwipsReal();
    const LayoutResult r = computeLayout(in);

    QWidget* panel = keyboardPanel_;
    panel->setVisible(r.keyboardVisible);
    toolbar_->setGeometry(0, 0, clientArea_->width(), toolbar_->height());
    if (r.keyboardVisible)
        panel->setGeometry(0, clientArea_->height() - panel->height(), clientArea_->width(),
                           panel->height());
    documentHeightTwips_ = r.docHeight;
    documentView_->setGeometry(twipsRect(r.docLeft, r.docTop, r.docWidth, r.docHeight));
    indicatorLine_->setGeometry(0, 0, twipsToPixels(r.lineRight), indicatorLine_->height());
    keyFrame_->move(twipsToPixels(r.keyFrameLeft), keyFrame_->y());
    pageEdgeMarker_->setGeometry(twipsToPixels(r.markerLeft), twipsToPixels(r.markerTop), 1,
                                 twipsToPixels(r.markerHeight));
    wrap_->apply();
}

void MainWindow::toggleKeyboard() {
    // The item has switched its own check mark.
    documentView_->setFocus();
    layOut();
}

void MainWindow::toggleToolbar() {
    const bool shown = actions_->showToolbar->isChecked();
    toolbar_->resize(toolbar_->width(),
                     twipsToPixels(shown ? ToolbarShownHeight : ToolbarHiddenHeight));
    layOut();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (shutdown_->confirmClose())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea_ && event->type() == QEvent::Resize)
        layOut();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pukana
