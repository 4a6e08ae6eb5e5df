#include "ui/controllers/conversion_controller.h"

#include "core/conversion/background_engine.h"
#include "core/conversion/candidate_list.h"
#include "core/conversion/dictionary.h"
#include "core/conversion/henkan_core.h"
#include "core/conversion/list_placement.h"
#include "core/document/program_paths.h"
#include "core/formats/text_file.h"
#include "core/twips.h"
#include "platform/platform.h"
#include "ui/input_target.h"
#include "ui/widgets/file_name_box.h"
#include "ui/widgets/rich_text_box.h"

#include <QAction>
#include <QFocusEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace pukana {

ConversionController::ConversionController(RichTextBox& documentView, FileNameBox& fileNameBox,
                                           InputTarget& inputTarget, QListWidget& candidateList,
                                           const Placement& placement, const ProgramPaths& paths,
                                           Platform& platform, QPushButton& convertKey,
                                           QAction& convertAction, QObject* parent)
    : QObject(parent), documentView_(documentView), fileNameBox_(fileNameBox),
      inputTarget_(inputTarget), candidateList_(candidateList), placement_(placement),
      paths_(paths), platform_(platform), dictionary_(std::make_unique<Dictionary>()) {
    setObjectName(QStringLiteral("conversionController"));
    QListWidget* list = &candidateList_;
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColor(224, 255, 255));
    list->setPalette(palette);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAccessibleName(u"へんかんこうほ"_s);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);

    connect(&convertKey, &QPushButton::clicked, this, &ConversionController::convertFromKey);
    connect(&convertAction, &QAction::triggered, this, &ConversionController::convert);
    // Connected before the edit menu's handlers, so the list is gone before a context menu.
    connect(&documentView_, &RichTextBox::mousePressed, this, [list] {
        if (!list->isHidden())
            list->hide();
    });
    connect(&documentView_, &RichTextBox::mouseReleased, this,
            [this](int, int, double x, double y) { placeAtPointer(x, y); });

    // A click, a keyboard move and an assistive technology's selection all choose an item;
    // whichever arrives first commits, the list is hidden then and the others are ignored.
    connect(list, &QListWidget::currentRowChanged, this, &ConversionController::commit);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        const QList<QListWidgetItem*> chosen = list->selectedItems();
        if (!chosen.isEmpty())
            commit(list->row(chosen.first()));
    });
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { commit(list->row(item)); });
}

ConversionController::~ConversionController() = default;

void ConversionController::loadDictionaries() {
    settlePreload(true); // an earlier preload ends before the files are read again
    preload_ = takePreloadedDictionary(paths_.appDir, paths_.dataDir);
    if (preload_.valid()) {
        // The start-up still ends here when the main dictionary cannot be read.
        Dictionary::checkMainFile(paths_.appDir);
        dictionariesLoaded_ = true;
        if (!preloadWatch_) {
            preloadWatch_ = new QTimer(this);
            preloadWatch_->setInterval(5);
            connect(preloadWatch_, &QTimer::timeout, this, [this] { settlePreload(false); });
        }
        preloadWatch_->start();
        return;
    }
    DicReadReport report;
    {
        BusyPointer busy(platform_);
        report = dictionary_->dicread(paths_.appDir, paths_.dataDir);
    }
    dictionariesLoaded_ = true;
    if (!report.notice.isEmpty())
        platform_.msgBox(report.notice, MessageStyle::OkExclamation);
}

void ConversionController::settlePreload(bool wait) {
    if (!preload_.valid())
        return;
    if (!wait && preload_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    if (preloadWatch_)
        preloadWatch_->stop();
    std::future<LoadedDictionary> preload = std::move(preload_);
    LoadedDictionary loaded = preload.get(); // rethrows what the read ended with
    *dictionary_ = std::move(*loaded.dictionary);
    if (!loaded.report.notice.isEmpty())
        platform_.msgBox(loaded.report.notice, MessageStyle::OkExclamation);
}

const Dictionary& ConversionController::dictionary() {
    settlePreload(true);
    return *dictionary_;
}

void ConversionController::startEngine() {
    engine().startLoading();
}

BackgroundSentenceEngine& ConversionController::engine() {
    if (!engine_)
        engine_ =
            std::make_unique<BackgroundSentenceEngine>(platform_.conversionModelDir(), EngineWait);
    return *engine_;
}

void ConversionController::convert() {
    restoreFileNameSelection();
    const QString reading = henkanReading(inputTarget_.selectedText());
    if (reading.isEmpty()) {
        platform_.beep();
        return;
    }
    if (!dictionariesLoaded_)
        loadDictionaries();
    settlePreload(true);
    {
        BusyPointer busy(platform_);
        const QStringList candidates = conversionCandidates(reading, *dictionary_, &engine());
        const QScopedValueRollback quiet(quiet_, true);
        candidateList_.clear();
        candidateList_.addItems(candidates);
        // A sentence is wider than the list: pointing at it shows it whole.
        for (int row = 0; row < candidateList_.count(); ++row)
            candidateList_.item(row)->setToolTip(candidateList_.item(row)->text());
    }
    if (candidateList_.count() == 0) {
        platform_.beep();
        inputTarget_.focus();
        return;
    }
    if (!inputTarget_.isDocument())
        fileNameSelection_ = {fileNameBox_.text(), fileNameBox_.selectionStart(),
                              int(fileNameBox_.selectedText().size())};
    candidateList_.show();
    candidateList_.raise();
    candidateList_.setFocus(Qt::OtherFocusReason);
}

void ConversionController::convertFromKey() {
    const QPoint frame = placement_.keyFrame.pos();
    const QPoint key = placement_.backspaceKey.pos();
    const QPointF at = listAtBsKey(pixelsToTwips(documentView_.height()), pixelsToTwips(key.x()),
                                   pixelsToTwips(key.y()), pixelsToTwips(frame.x()));
    candidateList_.move(twipsToPixels(at.x()), twipsToPixels(at.y()));
    convert();
}

void ConversionController::placeAtPointer(double x, double y) {
    const QSize list = candidateList_.size();
    const QSize area = placement_.clientArea.size();
    const QPointF at = listAtPointer(
        QPointF(x, y), QSizeF(pixelsToTwips(list.width()), pixelsToTwips(list.height())),
        QSizeF(pixelsToTwips(area.width()), pixelsToTwips(area.height())));
    candidateList_.move(twipsToPixels(at.x()), twipsToPixels(at.y()));
}

void ConversionController::commit(int row) {
    if (quiet_ || candidateList_.isHidden() || row < 0 || row >= candidateList_.count())
        return;
    const QString text = candidateList_.item(row)->text();
    restoreFileNameSelection();
    inputTarget_.replaceSelection(text);
    // The target takes the focus before the list goes, so the focus never passes through a
    // third control on the way.
    inputTarget_.focus();
    candidateList_.hide();
}

bool ConversionController::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* list = &candidateList_;
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
            list->hide();
        return false;
    }
    if (watched == list->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                        event->type() == QEvent::MouseButtonDblClick)) {
        // Swallowed when it hides the list: a right-click must not choose an item.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            return false;
        list->hide();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ConversionController::restoreFileNameSelection() {
    // The file-name box drops its selection when the list takes the focus; while the list is
    // shown, the selection it was converted from is still the one to replace.
    if (inputTarget_.isDocument() || candidateList_.isHidden() || fileNameSelection_.start < 0)
        return;
    if (fileNameBox_.hasSelectedText() || fileNameBox_.text() != fileNameSelection_.text)
        return;
    fileNameBox_.setSelection(fileNameSelection_.start, fileNameSelection_.length);
}

} // namespace pukana
