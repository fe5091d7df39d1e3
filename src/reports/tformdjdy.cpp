#include "reports/tformdjdy.h"

namespace {
using E = ReportElement;
constexpr double TitlePixels = 19;
// The price, quantity and amount columns of the narrow ticket are close together; a slightly
// smaller figure keeps a four-digit price from running into its quantity ("1200" "3", not "12003").
constexpr double DetailPixels = 11;
} // namespace

void TFormdjdy::addBands(BandReport &r) const
{
    r.pageHeader = ReportBand(152)
                       .add(E::field(16, 5, QStringLiteral("gsmc")).inBox(154, Qt::AlignHCenter).withPixelSize(TitlePixels))
                       .add(E::label(43, 28, QStringLiteral("收费凭证表")).withPixelSize(TitlePixels))
                       .add(E::hline(4, 59, 174))
                       .add(E::label(9, 65, QStringLiteral("房间编号:")))
                       .add(E::field(73, 65, QStringLiteral("fjbh")))
                       .add(E::label(9, 87, QStringLiteral("房间名称:")))
                       .add(E::field(73, 87, QStringLiteral("fjmc")))
                       .add(E::label(9, 108, QStringLiteral("房客姓名:")))
                       .add(E::field(73, 108, QStringLiteral("fkxm")))
                       .add(E::label(9, 130, QStringLiteral("名称")))
                       .add(E::label(85, 130, QStringLiteral("单价")))
                       .add(E::label(118, 130, QStringLiteral("数量")))
                       .add(E::label(147, 130, QStringLiteral("金额")));
    r.detail = ReportBand(24)
                   .add(E::field(8, 5, QStringLiteral("fymc")).inBox(81, Qt::AlignLeft, true))
                   .add(E::field(92, 5, QStringLiteral("dj")).withPixelSize(DetailPixels))
                   .add(E::field(120, 5, QStringLiteral("sl")).withPixelSize(DetailPixels))
                   .add(E::field(143, 5, QStringLiteral("ssje"), E::Format::Fixed00).withPixelSize(DetailPixels));
    r.summary = ReportBand(243)
                    .add(E::label(8, 6, QStringLiteral("应收金额:")))
                    .add(E::field(69, 6, QStringLiteral("ysfje")))
                    .add(E::label(8, 27, QStringLiteral("折扣金额:")))
                    .add(E::field(69, 27, QStringLiteral("zkje")))
                    .add(E::label(8, 47, QStringLiteral("实收金额:")))
                    .add(E::field(69, 47, QStringLiteral("ssje")))
                    .add(E::label(9, 68, QStringLiteral("手工单号:")))
                    .add(E::field(70, 68, QStringLiteral("sgdh")))
                    .add(E::label(19, 89, QStringLiteral("操作员:")))
                    .add(E::field(67, 89, QStringLiteral("czy")))
                    .add(E::field(8, 111, QStringLiteral("zlrq")))
                    .add(E::label(8, 131, QStringLiteral("打印时间:")))
                    .add(E::field(68, 132, QStringLiteral("dysj")))
                    .add(E::field(8, 151, QStringLiteral("bz")).inBox(190, Qt::AlignLeft, true))
                    .add(E::field(8, 175, QStringLiteral("gsdh")).inBox(190, Qt::AlignLeft, true))
                    .add(E::field(8, 195, QStringLiteral("gsdz")).inBox(190, Qt::AlignLeft, true))
                    .add(E::field(8, 220, QStringLiteral("gsqt")).inBox(190, Qt::AlignLeft, true));
}
