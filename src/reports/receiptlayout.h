// What the narrow and the wide receipt layouts share: B5 paper, the left margin, the header on the
// first page only, the values their fields show, and showing or printing the report.
#pragma once
#include "reports/bandreport.h"
#include "reports/receiptcontent.h"
#include "reports/reportrows.h"

class QWidget;

class ReceiptLayout
{
public:
    explicit ReceiptLayout(ReceiptContent content);
    virtual ~ReceiptLayout() = default;

    // The layout as a band report, with the values of the receipt filled in.
    BandReport report() const;
    // The charge lines the detail band prints.
    ReportRows rows() const;
    const ReceiptContent &content() const { return m_content; }

    // Shows the receipt in the print preview.
    void preview(QWidget *parent = nullptr) const;
    // Prints through the print dialog; false when the person cancels.
    bool print(QWidget *parent = nullptr) const;

protected:
    // The bands of the concrete layout.
    virtual void addBands(BandReport &report) const = 0;

private:
    ReceiptContent m_content;
};
