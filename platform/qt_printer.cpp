#include "platform/qt_printer.h"

#include "platform/error.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace pukana {

namespace {
constexpr double TwipsPerPoint = 20.0;

QPageLayout defaultLayout() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return QPageLayout(info.defaultPageSize(), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}
} // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

bool QtPrinter::installed() const {
    return !pdfPath_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

int QtPrinter::pageWidthTwips() const {
    // The printable width: the page less the usual 1-inch margins a printer driver leaves
    // is not known here, so the full page width is used, like a driver with no margins.
    return static_cast<int>(pageWidthTwipsReal());
}

double QtPrinter::pageWidthTwipsReal() const {
    return defaultLayout().pageSize().size(QPageSize::Point).width() * TwipsPerPoint;
}

void QtPrinter::setPdfOutput(const QString& path) { pdfPath_ = path; }

void QtPrinter::printDocument(const QTextDocument& doc) {
    if (!installed())
        throw PukanaError(err::PathFileAccess,
                          QStringLiteral("プリンタがインストールされていません。"));
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdfPath_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfPath_);
    }
    printer_->setDocName(QStringLiteral("PUKANA"));
    // QTextDocument::print lays out a copy at the page width and paints page by page.
    doc.print(printer_.get());
    if (printer_->printerState() == QPrinter::Error) {
        printer_.reset();
        throw PukanaError(err::PathFileAccess,
                          QStringLiteral("印刷ジョブを開始できませんでした。"));
    }
}

void QtPrinter::endDoc() {
    // QTextDocument::print has already finished the job when it returns.
    printer_.reset();
}

} // namespace pukana
