#include "reports/tformdjdyk.h"

namespace {
using E = ReportElement;
constexpr double TitlePixels = 19;
// The vertical rules between the table's columns, the same in the head and in every line.
constexpr double ColumnRules[] = {1, 101, 131, 163, 215, 294, 374, 455, 540};

void addColumnRules(ReportBand &band, double top, double length)
{
    for (double left : ColumnRules)
        band.add(E::vline(left, top, length));
}
} // namespace

void TFormdjdyk::addBands(BandReport &r) const
{
    r.pageHeader = ReportBand(106)
                       .add(E::field(224, 5, QStringLiteral("gsmc")).inBox(154, Qt::AlignHCenter).withPixelSize(TitlePixels))
                       .add(E::label(251, 28, QStringLiteral("收费凭证表")).withPixelSize(TitlePixels))
                       .add(E::label(9, 61, QStringLiteral("房间编号:")))
                       .add(E::field(73, 61, QStringLiteral("fjbh")))
                       .add(E::label(153, 61, QStringLiteral("房间名称:")))
                       .add(E::field(217, 61, QStringLiteral("fjmc")))
                       .add(E::label(297, 61, QStringLiteral("房客姓名:")))
                       .add(E::field(361, 61, QStringLiteral("fkxm")))
                       .add(E::hline(1, 80, 539))
                       .add(E::hline(1, 103, 539))
                       .add(E::label(33, 84, QStringLiteral("名称")))
                       .add(E::label(104, 84, QStringLiteral("单价")))
                       .add(E::label(133, 84, QStringLiteral("数量")))
                       .add(E::label(181, 84, QStringLiteral("金额")))
                       .add(E::label(218, 84, QStringLiteral("上月水表度数")))
                       .add(E::label(297, 84, QStringLiteral("本月水表度数")))
                       .add(E::label(380, 84, QStringLiteral("上月电表度数")))
                       .add(E::label(458, 84, QStringLiteral("本月电表度数")));
    addColumnRules(r.pageHeader, 80, 23);

    r.detail = ReportBand(22)
                   .add(E::field(5, 2, QStringLiteral("fymc")).inBox(93, Qt::AlignLeft, true))
                   .add(E::field(105, 2, QStringLiteral("dj")))
                   .add(E::field(135, 2, QStringLiteral("sl")))
                   .add(E::field(166, 2, QStringLiteral("ssje"), E::Format::Fixed00))
                   .add(E::field(237, 2, QStringLiteral("scsbsl")))
                   .add(E::field(309, 2, QStringLiteral("bcsbsl")))
                   .add(E::field(387, 2, QStringLiteral("scdbsl")))
                   .add(E::field(459, 2, QStringLiteral("bcdbsl")))
                   .add(E::hline(1, 18, 543));
    addColumnRules(r.detail, 0, 22);

    r.summary = ReportBand(157)
                    .add(E::label(8, 6, QStringLiteral("应收金额:")))
                    .add(E::field(69, 6, QStringLiteral("ysfje")))
                    .add(E::label(144, 6, QStringLiteral("折扣金额:")))
                    .add(E::field(205, 6, QStringLiteral("zkje")))
                    .add(E::label(280, 7, QStringLiteral("实收金额:")))
                    .add(E::field(341, 7, QStringLiteral("ssje")))
                    .add(E::label(9, 29, QStringLiteral("手工单号:")))
                    .add(E::field(70, 29, QStringLiteral("sgdh")))
                    .add(E::label(147, 29, QStringLiteral("操作员:")))
                    .add(E::field(195, 29, QStringLiteral("czy")))
                    .add(E::label(241, 29, QStringLiteral("打印时间:")))
                    .add(E::field(301, 30, QStringLiteral("dysj")))
                    .add(E::field(8, 52, QStringLiteral("zlrq")).inBox(569, Qt::AlignLeft, true))
                    .add(E::field(8, 74, QStringLiteral("bz")).inBox(190, Qt::AlignLeft, true))
                    .add(E::field(8, 94, QStringLiteral("gsdh")).inBox(190, Qt::AlignLeft, true))
                    .add(E::field(8, 112, QStringLiteral("gsdz")).inBox(190, Qt::AlignLeft, true))
                    .add(E::field(8, 131, QStringLiteral("gsqt")).inBox(190, Qt::AlignLeft, true));
}
