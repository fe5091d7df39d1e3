#include "reports/receiptlayout.h"
#include "reports/reportpreview.h"

ReceiptLayout::ReceiptLayout(ReceiptContent content) : m_content(std::move(content)) {}

BandReport ReceiptLayout::report() const
{
    BandReport r;
    r.title = QStringLiteral("收费凭证表");
    r.pageSize = QPageSize(QPageSize::B5);
    r.orientation = QPageLayout::Portrait;
    r.unit = ReportUnit::LayoutPixel;
    r.margins = QMarginsF(m_content.leftMargin, 0, 0, 0);
    r.pointSize = 9; // body text 12 pixels high
    r.pageHeaderOnEveryPage = false;
    r.values = {
        {QStringLiteral("gsmc"), m_content.gsmc},
        {QStringLiteral("fjbh"), m_content.fjbh},
        {QStringLiteral("fjmc"), m_content.fjmc},
        {QStringLiteral("fkxm"), m_content.fkxm},
        {QStringLiteral("ysfje"), m_content.ysfje},
        {QStringLiteral("zkje"), m_content.zkje},
        {QStringLiteral("ssje"), m_content.ssje},
        {QStringLiteral("sgdh"), m_content.sgdh},
        {QStringLiteral("czy"), m_content.czy},
        {QStringLiteral("zlrq"), m_content.leasePeriod},
        {QStringLiteral("bz"), m_content.bz},
        {QStringLiteral("gsdh"), m_content.gsdh},
        {QStringLiteral("gsdz"), m_content.gsdz},
        {QStringLiteral("gsqt"), m_content.gsqt},
        {QStringLiteral("dysj"), m_content.printTime},
    };
    addBands(r);
    return r;
}

ReportRows ReceiptLayout::rows() const
{
    return ReportRows::fromMaps(m_content.lines);
}

void ReceiptLayout::preview(QWidget *parent) const
{
    ReportPreview::preview(report(), rows(), parent);
}

bool ReceiptLayout::print(QWidget *parent) const
{
    return ReportPreview::print(report(), rows(), parent);
}
