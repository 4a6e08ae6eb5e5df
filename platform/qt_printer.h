// The default printer through Qt PrintSupport.
#pragma once

#include "platform/platform.h"

#include <QPageLayout>
#include <QString>
#include <future>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace pukana {

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool installed() const override;
    /// The printable width (the page less its margins): printed lines break there.
    int pageWidthTwips() const override;
    double pageWidthTwipsReal() const override;
    /// Lays the document out at the printable width, exactly as the editor shows it at that
    /// width, and paints it page by page. The job stays open until endDoc().
    void printDocument(const QTextDocument& doc) override;
    /// Finishes the job and hands it over. A failed ending keeps failing on retries.
    void endDoc() override;

    /// Prints to a PDF file instead of the default printer (used to check rendering).
    void setPdfOutput(const QString& path);

    /// Starts asking the printing system for the default printer's page in the background,
    /// so the window's first layout need not wait as long for it.
    void lookUpPageInBackground();

private:
    QPageLayout pageLayout() const;
    /// Waits for a lookup started in the background and keeps its answer.
    void settleLookUp() const;
    std::unique_ptr<QPrinter> makePrinter() const;

    mutable std::optional<QPageLayout> layout_; // measures of the default printer, read once
    mutable std::future<QPageLayout> pendingLayout_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfPath_;
    bool endFailed_ = false;
};

} // namespace pukana
