#include "samplereports.h"

using E = ReportElement;

BandReport chargeReport()
{
    BandReport r;
    r.title = QStringLiteral("收费汇总报表");
    r.pageSize = QPageSize(QPageSize::A4);
    r.margins = QMarginsF(8, 10, 8, 10);
    r.pageHeader = ReportBand(19.3)
                       .add(E::label(82.6, 1.6, QStringLiteral("收费汇总报表")).withPointSize(15))
                       .add(E::hline(0, 10.3))
                       .add(E::label(2.4, 12.4, QStringLiteral("房间编号")))
                       .add(E::label(31.8, 12.4, QStringLiteral("房间名称")))
                       .add(E::label(129.1, 12.4, QStringLiteral("实收金额")))
                       .add(E::hline(0, 18.0));
    r.detail = ReportBand(7.7)
                   .add(E::field(2.6, 1.1, QStringLiteral("fjbh")))
                   .add(E::field(32.3, 1.1, QStringLiteral("fjmc")))
                   .add(E::field(129.1, 1.1, QStringLiteral("ssje"), E::Format::Fixed00))
                   .add(E::hline(0, 6.3));
    r.summary = ReportBand(8.2)
                    .add(E::label(110.1, 1.0, QStringLiteral("合计栏：")))
                    .add(E::sum(129.1, 1.0, QStringLiteral("ssje")))
                    .add(E::sum(145.0, 1.0, QStringLiteral("SSJE"), E::Format::Fixed00))
                    .add(E::pageNumber(163.0, 1.0, QStringLiteral("第%1页")));
    return r;
}

ReportRows chargeRows(int n)
{
    QList<QVariantMap> rows;
    for (int i = 0; i < n; ++i) {
        rows.append({{QStringLiteral("fjbh"), QStringLiteral("R%1").arg(i, 3, 10, QChar('0'))},
                     {QStringLiteral("Fjmc"), QStringLiteral("房间%1").arg(i)},
                     {QStringLiteral("ssje"), 0.1}});
    }
    return ReportRows::fromMaps(rows);
}

BandReport ticketReport()
{
    BandReport r;
    r.pageSize = QPageSize(QPageSize::B5);
    r.unit = ReportUnit::LayoutPixel;
    r.margins = QMarginsF(2, 0, 0, 0);
    r.pointSize = 9;
    r.pageHeaderOnEveryPage = false;
    r.pageHeader = ReportBand(152)
                       .add(E::field(16, 5, QStringLiteral("gsmc")).inBox(154, Qt::AlignHCenter).withPixelSize(19))
                       .add(E::label(43, 28, QStringLiteral("收费凭证表")).withPixelSize(19))
                       .add(E::hline(4, 59, 174))
                       .add(E::label(9, 65, QStringLiteral("房间编号:")))
                       .add(E::field(73, 65, QStringLiteral("fjbh")))
                       .add(E::hline(0, 150));
    r.detail = ReportBand(24)
                   .add(E::field(8, 5, QStringLiteral("fymc")).inBox(81, Qt::AlignLeft, true))
                   .add(E::field(143, 5, QStringLiteral("ssje"), E::Format::Fixed00).inBox(40, Qt::AlignRight))
                   .add(E::vline(1, 0, 24));
    r.summary = ReportBand(243).add(E::label(8, 6, QStringLiteral("应收金额:"))).add(E::field(69, 6, QStringLiteral("ysje")));
    r.values = {{QStringLiteral("gsmc"), QStringLiteral("东城物业")},
                {QStringLiteral("fjbh"), QStringLiteral("101")},
                {QStringLiteral("ysje"), QStringLiteral("3500")}};
    return r;
}
