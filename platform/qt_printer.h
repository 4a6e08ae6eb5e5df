// The default printer through Qt PrintSupport.
#pragma once

#include "platform/platform.h"

#include <memory>

class QPrinter;

namespace pukana {

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool installed() const override;
    int pageWidthTwips() const override;
    double pageWidthTwipsReal() const override;
    void printDocument(const QTextDocument& doc) override;
    void endDoc() override;

    /// Prints to a PDF file instead of the default printer (used to check rendering).
    void setPdfOutput(const QString& path);

private:
    std::unique_ptr<QPrinter> printer_;
    QString pdfPath_;
};

} // namespace pukana
