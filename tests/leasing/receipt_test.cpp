// The two receipt layouts on the report engine: what they place where, the "00.00" amounts, the
// readings only on the wide table, the left margin of the print settings, and the same words in
// the PDF that pdftotext reads back.
#include "chargetest.h"

#include "leasing/settlementreceipt.h"
#include "reports/reportrenderer.h"
#include "reports/tformdjdy.h"
#include "reports/tformdjdyk.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The first placed item with this text, or a default one (page 0) when there is none.
PlacedItem placed(const QList<PlacedItem> &items, const QString &text)
{
    for (const PlacedItem &i : items)
        if (i.text == text)
            return i;
    return {0};
}

} // namespace

class ReceiptTest : public ChargeTest
{
protected:
    void SetUp() override
    {
        ChargeTest::SetUp();
        exec("update zf_dyszb set gsmc='东城公寓',gsdh='电话：0571-8888',gsdz='地址：河坊街1号',gsqt='谢谢惠顾',zleft=12");
        exec("insert into zf_fjsfmxlsb(zdlsh,sgdh,fjbh,fymc,sflx,scdbsl,bcdbsl,scsbsl,bcsbsl,sl,dj,ysfje,zkje,ssje) values"
             "('XZ24030500100001','M-1','101','卫生费','',0,0,0,0,1,5,5,0,5),"
             "('XZ24030500100001','M-1','101','房租租金','房租租金',0,0,0,0,1.5,1000,1500,0,1500),"
             "('XZ24030500100001','M-9','101','电费','电费',1200,1350.5,0,0,150.5,0.6,90.3,0,90.3),"
             "('XZ24030500100001','M-9','101','押金','押金',0,0,30,42,-1,300,-300,0,-300)");
    }
    ReceiptContent content() const
    {
        return readReceiptContent("101", {"1295.3", "0", "1295.3", "月底前付清"});
    }
};

TEST_F(ReceiptTest, ContentComesFromTheRoomThePrintSettingsAndThePendingLines)
{
    const ReceiptContent c = content();
    EXPECT_EQ(c.gsmc, "东城公寓");
    EXPECT_EQ(c.leftMargin, 12);
    EXPECT_EQ(c.fjbh, "101");
    EXPECT_EQ(c.fjmc, "东101");
    EXPECT_EQ(c.fkxm, "张三");
    EXPECT_EQ(c.sgdh, "M-9");
    EXPECT_EQ(c.czy, "admin");
    EXPECT_EQ(c.leasePeriod, "租赁日期从：2024-03-01到2024-05-31");
    EXPECT_EQ(c.printTime, pinnedNow());
    ASSERT_EQ(c.lines.size(), 4);
    EXPECT_EQ(c.lines[2].value("bcdbsl").toDouble(), 1350.5);

    settings->strdysd = "0";
    EXPECT_NE(dynamic_cast<TFormdjdy *>(receiptLayout(c).get()), nullptr);
    settings->strdysd = "1";
    EXPECT_NE(dynamic_cast<TFormdjdyk *>(receiptLayout(c).get()), nullptr);
}

TEST_F(ReceiptTest, LayoutsPlaceTheirTextsWithTheMarginAndAmountsInTheFixedFormat)
{
    const TFormdjdy narrow(content());
    const TFormdjdyk wide(content());
    struct Expect { QString text; double left, top; };
    struct Case { const ReceiptLayout *layout; double detailTop, amountLeft, summaryTop; QList<Expect> at; };
    // Detail rows follow the page header (152 / 106 high), 24 / 22 apart.
    const Case cases[] = {
        {&narrow, 152, 143, 152 + 4 * 24,
         {{"收费凭证表", 43, 28}, {"房间编号:", 9, 65}, {"101", 73, 65}, {"东101", 73, 87}, {"张三", 73, 108},
          {"名称", 9, 130}, {"金额", 147, 130}}},
        {&wide, 106, 166, 106 + 4 * 22,
         {{"收费凭证表", 251, 28}, {"房间编号:", 9, 61}, {"101", 73, 61}, {"东101", 217, 61}, {"张三", 361, 61},
          {"上月水表度数", 218, 84}, {"本月电表度数", 458, 84}}},
    };
    for (const Case &c : cases) {
        const QList<PlacedItem> items = ReportRenderer(c.layout->report(), c.layout->rows()).layout();
        const bool isWide = c.layout == &wide;
        EXPECT_EQ(ReportRenderer::pageCount(items), 1);
        for (const Expect &e : c.at) {
            const PlacedItem i = placed(items, e.text);
            EXPECT_EQ(i.page, 1) << e.text.toStdString();
            EXPECT_NEAR(i.rect.left(), 12 + e.left, 0.01) << e.text.toStdString();
            EXPECT_NEAR(i.rect.top(), e.top, 0.01) << e.text.toStdString();
        }
        const QStringList amounts = {"05.00", "1500.00", "90.30", "-300.00"};
        for (int row = 0; row < amounts.size(); ++row) {
            const PlacedItem i = placed(items, amounts[row]);
            EXPECT_EQ(i.row, row) << amounts[row].toStdString();
            EXPECT_NEAR(i.rect.left(), 12 + c.amountLeft, 0.01);
            EXPECT_NEAR(i.rect.top(), c.detailTop + row * (isWide ? 22 : 24) + (isWide ? 2 : 5), 0.01);
        }
        // Prices and quantities in the general form; the typed totals as they stand.
        EXPECT_EQ(placed(items, "150.5").row, 2);
        EXPECT_EQ(placed(items, "-1").row, 3);
        EXPECT_EQ(placed(items, "1295.3").band, PlacedItem::Band::Summary);
        EXPECT_NEAR(placed(items, "应收金额:").rect.top(), c.summaryTop + 6, 0.01);
        for (const QString &t : {"东城公寓", "M-9", "admin", "租赁日期从：2024-03-01到2024-05-31", "月底前付清",
                                 "电话：0571-8888", "地址：河坊街1号", "谢谢惠顾", "2024-03-05 10:00:00"})
            EXPECT_EQ(placed(items, t).page, 1) << t.toStdString();
        // Only the wide table prints the readings.
        EXPECT_EQ(placed(items, "1350.5").page, isWide ? 1 : 0);
        EXPECT_EQ(placed(items, "42").page, isWide ? 1 : 0);
    }
}

TEST_F(ReceiptTest, PdfShowsTheReceiptText)
{
    QTemporaryDir dir;
    const QString narrowPdf = dir.filePath("narrow.pdf"), widePdf = dir.filePath("wide.pdf");
    const TFormdjdy narrow(content());
    const TFormdjdyk wide(content());
    ASSERT_TRUE(ReportRenderer(narrow.report(), narrow.rows()).writePdf(narrowPdf));
    ASSERT_TRUE(ReportRenderer(wide.report(), wide.rows()).writePdf(widePdf));
    for (const QString &pdf : {narrowPdf, widePdf}) {
        const QString text = pdfText(pdf);
        for (const QString &t : {"东城公寓", "收费凭证表", "房间编号:", "房客姓名:", "张三", "卫生费", "05.00", "1500.00",
                                 "-300.00", "应收金额:", "1295.3", "租赁日期从：2024-03-01到2024-05-31", "谢谢惠顾"})
            EXPECT_TRUE(text.contains(t)) << pdf.toStdString() << " lacks " << t.toStdString();
        EXPECT_EQ(text.contains("上月电表度数"), pdf == widePdf);
    }
}

// A receipt of no lines still prints its header and summary.
TEST_F(ReceiptTest, ReceiptWithoutLinesPrintsHeaderAndSummary)
{
    exec("delete from zf_fjsfmxlsb");
    const TFormdjdy narrow(content());
    const QList<PlacedItem> items = ReportRenderer(narrow.report(), narrow.rows()).layout();
    EXPECT_EQ(placed(items, "收费凭证表").page, 1);
    EXPECT_NEAR(placed(items, "应收金额:").rect.top(), 152 + 6, 0.01);
}
