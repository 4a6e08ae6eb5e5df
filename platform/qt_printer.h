// The default printer through Qt PrintSupport.
#pragma once

#include "platform/page_width_cache.h"
#include "platform/platform.h"

#include <QPageLayout>
#include <QString>
#include <future>
#include <memory>
#include <optional>

class QObject;
class QPainter;
class QPrinter;

namespace pukana {

class QtPrinter : public Printer {
public:
    /// `pageWidthCache` remembers the printable width between runs (empty: nothing is kept).
    explicit QtPrinter(QString pageWidthCache = defaultPageWidthCachePath());
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
    /// so the window's first layout need not wait as long for it; with a width remembered from
    /// the last run, the window lays out with that one and the question waits for
    /// lookUpPageSoon(), so that loading the printing system does not slow the start down.
    void lookUpPageAtStart();
    void lookUpPageSoon() override;
    /// True while a remembered width stands in for the printing system's answer.
    bool usesRememberedWidth() const { return !layout_ && rememberedWidthPt_.has_value(); }

private:
    QPageLayout pageLayout() const;
    /// Asks the printing system on a background thread, unless it has been asked already.
    void startLookUp() const;
    /// Waits for a lookup started in the background and keeps its answer.
    void settleLookUp() const;
    /// Takes the lookup's answer on this object's thread; tells the window when the widths
    /// it laid out with were remembered ones that turned out wrong.
    void takeAnswer() const;
    std::unique_ptr<QPrinter> makePrinter() const;

    const QString cachePath_;
    mutable std::optional<double> rememberedWidthPt_; // the last run's printable width, in points
    std::unique_ptr<QObject> answers_;                // the lookup's answer is delivered through it
    mutable bool lookUpStarted_ = false;
    mutable std::optional<QPageLayout> layout_; // measures of the default printer, read once
    mutable std::future<QPageLayout> pendingLayout_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfPath_;
    bool endFailed_ = false;
};

} // namespace pukana
