#include "platform/qt_printer.h"

#include "core/background_work.h"
#include "core/error.h"
#include "core/twips.h"

#include <QAbstractTextDocumentLayout>
#include <QMetaObject>
#include <QObject>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <utility>

namespace pukana {

namespace {

constexpr double TwipsPerPoint = 20.0;
// Layout happens in the editor's pixels (15 twips each): 96 of them to the inch.
constexpr double LayoutDpi = 1440.0 / TwipsPerPixel;
// Without a printer's own margins, text keeps this distance from the paper's edges.
constexpr double StandInMarginMm = 15.0;

double paintWidthPoints(const QPageLayout& layout) {
    return layout.paintRect(QPageLayout::Point).width();
}

QString jobNotStarted() {
    return QStringLiteral(
        "いんさつをはじめられませんでした。プリンタのせっていをたしかめてください。");
}

QString jobNotEnded() {
    return QStringLiteral(
        "いんさつをおえられませんでした。プリンタのせっていをたしかめてください。");
}

} // namespace

QtPrinter::QtPrinter(QString pageWidthCache)
    : cachePath_(std::move(pageWidthCache)), rememberedWidthPt_(readCachedPageWidth(cachePath_)),
      answers_(std::make_unique<QObject>()) {}

QtPrinter::~QtPrinter() {
    // The lookup hands its answer to answers_ before it ends: once it has ended, deleting
    // answers_ drops the answer undelivered.
    settleLookUp();
    if (painter_ && painter_->isActive())
        painter_->end();
}

void QtPrinter::lookUpPageAtStart() {
    if (!rememberedWidthPt_)
        startLookUp();
}

void QtPrinter::lookUpPageSoon() {
    startLookUp();
}

void QtPrinter::startLookUp() const {
    if (lookUpStarted_ || layout_)
        return;
    lookUpStarted_ = true;
    // Loading the printing system (and asking CUPS) takes longer than building the window;
    // every other use of the printer waits for this answer first.
    QObject* answers = answers_.get();
    const std::optional<double> remembered = rememberedWidthPt_;
    pendingLayout_ = inBackground([this, answers, remembered] {
        const QPageLayout looked = makePrinter()->pageLayout();
        const double width = paintWidthPoints(looked);
        if (remembered != width)
            writeCachedPageWidth(cachePath_, width);
        QMetaObject::invokeMethod(
            answers, [this] { takeAnswer(); }, Qt::QueuedConnection);
        return looked;
    });
}

void QtPrinter::settleLookUp() const {
    if (!pendingLayout_.valid())
        return;
    QPageLayout looked = pendingLayout_.get();
    if (!layout_)
        layout_ = looked;
}

void QtPrinter::takeAnswer() const {
    settleLookUp();
    const std::optional<double> remembered = std::exchange(rememberedWidthPt_, std::nullopt);
    if (remembered && layout_ && paintWidthPoints(*layout_) != *remembered)
        notifyPageWidthChanged();
}

bool QtPrinter::installed() const {
    startLookUp();
    settleLookUp();
    return !pdfPath_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<QPrinter> QtPrinter::makePrinter() const {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    auto printer = info.isNull() || !pdfPath_.isEmpty()
                       ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                       : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (info.isNull() || !pdfPath_.isEmpty()) {
        // A4 with moderate margins stands in for a printer that is not there.
        const QPageSize size = info.isNull() ? QPageSize(QPageSize::A4) : info.defaultPageSize();
        const QMarginsF margins(StandInMarginMm, StandInMarginMm, StandInMarginMm, StandInMarginMm);
        printer->setPageLayout(
            QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    }
    return printer;
}

QPageLayout QtPrinter::pageLayout() const {
    // Asking the printing system is slow and the window asks at every resize.
    startLookUp();
    settleLookUp();
    if (!layout_)
        layout_ = makePrinter()->pageLayout();
    return *layout_;
}

int QtPrinter::pageWidthTwips() const {
    return static_cast<int>(pageWidthTwipsReal());
}

double QtPrinter::pageWidthTwipsReal() const {
    // Until the printing system answers, the width remembered from the last run stands in.
    if (usesRememberedWidth())
        return *rememberedWidthPt_ * TwipsPerPoint;
    return paintWidthPoints(pageLayout()) * TwipsPerPoint;
}

void QtPrinter::setPdfOutput(const QString& path) {
    settleLookUp();
    lookUpStarted_ = true; // the page is now the PDF's: the default printer's is not needed
    rememberedWidthPt_.reset();
    pdfPath_ = path;
    layout_.reset();
}

void QtPrinter::printDocument(const QTextDocument& doc) {
    if (!installed())
        throw PukanaError(err::PathFileAccess,
                          QStringLiteral("プリンタがインストールされていません。"));
    if (painter_ && painter_->isActive())
        painter_->end(); // a job left open by an earlier failure
    painter_.reset();
    endFailed_ = false;

    settleLookUp();
    layout_.reset(); // the default printer may have changed since the last job
    printer_ = makePrinter();
    layout_ = printer_->pageLayout();
    if (!pdfPath_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfPath_);
    }
    printer_->setDocName(QStringLiteral("PUKANA"));

    // The width the editor wraps at in its page-width mode, in the editor's pixels, so the
    // printed lines break where the screen shows them breaking.
    const QRectF paint = layout_->paintRect(QPageLayout::Point);
    const double widthPx = qMax(1, twipsToPixels(pageWidthTwips()));
    const double heightPx = paint.height() * TwipsPerPoint / TwipsPerPixel;
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->setPageSize(QSizeF(widthPx, heightPx));
    const int pages = copy->pageCount();

    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        throw PukanaError(err::PathFileAccess, jobNotStarted());
    }
    const double scale = printer_->resolution() / LayoutDpi;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer_->newPage()) {
            printer_->abort();
            painter_.reset();
            printer_.reset();
            throw PukanaError(err::PathFileAccess, jobNotStarted());
        }
        painter_->save();
        painter_->scale(scale, scale);
        const QRectF view(0, page * heightPx, widthPx, heightPx);
        painter_->translate(0, -view.top());
        painter_->setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(painter_.get(), context);
        painter_->restore();
    }
}

void QtPrinter::endDoc() {
    if (painter_ && painter_->isActive()) {
        const bool ended = painter_->end();
        painter_.reset();
        printer_.reset();
        endFailed_ = !ended;
    }
    if (endFailed_)
        throw PukanaError(err::PathFileAccess, jobNotEnded());
}

} // namespace pukana
