#include "ui/controllers/conversion_commands.h"

#include "core/conversion/dictionary.h"
#include "core/conversion/henkan_core.h"
#include "core/conversion/list_placement.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QFocusEvent>
#include <QFrame>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace pukana {

ConversionCommands::ConversionCommands(MainWindow& window, AppState& state, Platform& platform)
    : w_(window), s_(state), p_(platform), dic_(std::make_unique<Dictionary>()) {
    QListWidget* list = w_.List1;
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColor(224, 255, 255));
    list->setPalette(palette);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAccessibleName(u"へんかんこうほ"_s);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);

    connect(w_.btn_henkan, &QPushButton::clicked, this, &ConversionCommands::btn_henkan_Click);
    connect(w_.m_xf, &QAction::triggered, this, &ConversionCommands::m_xf_Click);
    // Connected before the edit menu's handlers, so the list is gone before a context menu.
    connect(w_.T1, &RichTextBox::MouseDown, this, [this] { T1_MouseDown(); });
    connect(w_.T1, &RichTextBox::MouseUp, this,
            [this](int, int, double x, double y) { T1_MouseUp(x, y); });

    // A click, a keyboard move and an assistive technology's selection all choose an item;
    // whichever arrives first commits, the list is hidden then and the others are ignored.
    connect(list, &QListWidget::currentRowChanged, this, &ConversionCommands::List1_Click);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        const QList<QListWidgetItem*> chosen = list->selectedItems();
        if (!chosen.isEmpty())
            List1_Click(list->row(chosen.first()));
    });
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { List1_Click(list->row(item)); });
}

ConversionCommands::~ConversionCommands() = default;

void ConversionCommands::dicread() {
    DicReadReport report;
    {
        BusyPointer busy(p_);
        report = dic_->dicread(s_.AppDir, s_.DataDir);
    }
    if (!report.notice.isEmpty())
        p_.msgBox(report.notice, msg::OkExclamation);
}

void ConversionCommands::henkan() {
    restoreT2Selection();
    const QString reading = henkanReading(targetSelText());
    if (reading.isEmpty()) {
        p_.beep();
        return;
    }
    if (s_.DicLoaded == 0) {
        dicread();
        s_.DicLoaded = 1;
    }
    {
        BusyPointer busy(p_);
        const QStringList candidates = henkanCandidates(reading, *dic_);
        const QScopedValueRollback quiet(quiet_, true);
        w_.List1->clear();
        w_.List1->addItems(candidates);
    }
    if (w_.List1->count() == 0) {
        p_.beep();
        focusTarget();
        return;
    }
    if (!s_.DocFocus)
        t2Selection_ = {w_.T2->text(), w_.T2->selectionStart(), int(w_.T2->selectedText().size())};
    w_.List1->show();
    w_.List1->raise();
    w_.List1->setFocus(Qt::OtherFocusReason);
}

void ConversionCommands::btn_henkan_Click() {
    const QPoint frame = w_.F1->pos();
    const QPoint key = w_.btn_bs->pos();
    const QPointF at = listAtBsKey(pixelsToTwips(w_.T1->height()), pixelsToTwips(key.x()),
                                   pixelsToTwips(key.y()), pixelsToTwips(frame.x()));
    w_.List1->move(twipsToPixels(at.x()), twipsToPixels(at.y()));
    henkan();
}

void ConversionCommands::m_xf_Click() {
    henkan();
}

void ConversionCommands::T1_MouseDown() {
    if (!w_.List1->isHidden())
        w_.List1->hide();
}

void ConversionCommands::T1_MouseUp(double x, double y) {
    const QSize list = w_.List1->size();
    const QSize area = w_.client()->size();
    const QPointF at = listAtPointer(
        QPointF(x, y), QSizeF(pixelsToTwips(list.width()), pixelsToTwips(list.height())),
        QSizeF(pixelsToTwips(area.width()), pixelsToTwips(area.height())));
    w_.List1->move(twipsToPixels(at.x()), twipsToPixels(at.y()));
}

void ConversionCommands::List1_Click(int row) {
    if (quiet_ || w_.List1->isHidden() || row < 0 || row >= w_.List1->count())
        return;
    const QString text = w_.List1->item(row)->text();
    restoreT2Selection();
    replaceTargetSelection(text);
    // The target takes the focus before the list goes, so the focus never passes through a
    // third control on the way.
    focusTarget();
    w_.List1->hide();
}

void ConversionCommands::List1_LostFocus() {
    w_.List1->hide();
}

bool ConversionCommands::List1_MouseDown(int button) {
    if (button == Qt::LeftButton)
        return false;
    w_.List1->hide();
    return true;
}

bool ConversionCommands::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* list = w_.List1;
    if (watched == list && event->type() == QEvent::FocusIn) {
        // An item view that gets the focus with no current item makes its first item current,
        // which would commit it unasked. Keep none current, so the first Down key picks the
        // first candidate.
        const bool hadCurrent = list->currentIndex().isValid();
        const QScopedValueRollback quiet(quiet_, true);
        static_cast<QObject*>(list)->event(event);
        if (!hadCurrent)
            list->selectionModel()->clearCurrentIndex();
        return true;
    }
    if (watched == list && event->type() == QEvent::FocusOut) {
        // Another window or a menu taking the focus is not a move inside the editor.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            List1_LostFocus();
        return false;
    }
    if (watched == list->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                        event->type() == QEvent::MouseButtonDblClick)) {
        // Swallowed when it hides the list: a right-click must not choose an item.
        return List1_MouseDown(int(static_cast<QMouseEvent*>(event)->button()));
    }
    return QObject::eventFilter(watched, event);
}

QString ConversionCommands::targetSelText() const {
    return s_.DocFocus ? w_.T1->SelText() : w_.T2->SelText();
}

void ConversionCommands::replaceTargetSelection(const QString& text) {
    if (s_.DocFocus)
        w_.T1->SetSelText(text);
    else
        w_.T2->SetSelText(text);
}

void ConversionCommands::focusTarget() {
    if (s_.DocFocus)
        w_.T1->setFocus();
    else
        w_.T2->setFocus();
}

void ConversionCommands::restoreT2Selection() {
    // The file-name box drops its selection when the list takes the focus; while the list is
    // shown, the selection it was converted from is still the one to replace.
    if (s_.DocFocus || w_.List1->isHidden() || t2Selection_.start < 0)
        return;
    if (w_.T2->hasSelectedText() || w_.T2->text() != t2Selection_.text)
        return;
    w_.T2->setSelection(t2Selection_.start, t2Selection_.length);
}

} // namespace pukana
