// Where the renderer places bands and elements: pages, positions, page breaks, sums and page numbers.
#include "samplereports.h"

#include "reports/reportrenderer.h"

#include <gtest/gtest.h>

namespace {

using Band = PlacedItem::Band;

QList<PlacedItem> placed(const BandReport &report, const ReportRows &rows)
{
    return ReportRenderer(report, rows).layout();
}

QList<PlacedItem> withText(const QList<PlacedItem> &items, const QString &text)
{
    QList<PlacedItem> found;
    for (const PlacedItem &it : items) {
        if (it.text == text)
            found.append(it);
    }
    return found;
}

const PlacedItem *cell(const QList<PlacedItem> &items, int row, const QString &field)
{
    for (const PlacedItem &it : items) {
        if (it.row == row && it.element.name == field)
            return &it;
    }
    return nullptr;
}

QList<int> pagesOf(const QList<PlacedItem> &items)
{
    QList<int> pages;
    for (const PlacedItem &it : items)
        pages.append(it.page);
    return pages;
}

// A4 is 297 mm high: 10 mm margins and a 19.3 mm header leave room for 33 rows of 7.7 mm.
TEST(ReportRendererTest, BreaksPagesAndRepeatsTheHeaderOverALongDetail)
{
    const ReportRows rows = chargeRows(60);
    const QList<PlacedItem> items = placed(chargeReport(), rows);
    ASSERT_EQ(ReportRenderer::pageCount(items), 2);

    const QList<PlacedItem> titles = withText(items, QStringLiteral("收费汇总报表"));
    ASSERT_EQ(pagesOf(titles), (QList<int>{1, 2}));
    for (const PlacedItem &t : titles) {
        EXPECT_EQ(t.band, Band::PageHeader);
        EXPECT_NEAR(t.rect.left(), 8 + 82.6, 1e-9);
        EXPECT_NEAR(t.rect.top(), 10 + 1.6, 1e-9);
    }

    const double firstRowTop = 10 + 19.3 + 1.1;
    struct { int row; int page; double top; } expected[] = {
        {0, 1, firstRowTop}, {32, 1, firstRowTop + 32 * 7.7}, {33, 2, firstRowTop}, {59, 2, firstRowTop + 26 * 7.7},
    };
    for (const auto &e : expected) {
        const PlacedItem *it = cell(items, e.row, QStringLiteral("fjbh"));
        ASSERT_NE(it, nullptr) << e.row;
        EXPECT_EQ(it->page, e.page) << e.row;
        EXPECT_NEAR(it->rect.top(), e.top, 1e-9) << e.row;
        EXPECT_NEAR(it->rect.left(), 8 + 2.6, 1e-9);
        EXPECT_EQ(it->text, QStringLiteral("R%1").arg(e.row, 3, 10, QChar('0')));
    }
    // Field names of the rows match without regard to case (the row holds "Fjmc").
    EXPECT_EQ(cell(items, 7, QStringLiteral("fjmc"))->text, QStringLiteral("房间7"));
    EXPECT_EQ(cell(items, 7, QStringLiteral("ssje"))->text, QStringLiteral("00.10"));

    // The summary follows the last row on page 2; 60 times 0.1 is summed exactly as 6.
    const PlacedItem &total = withText(items, QStringLiteral("合计栏："))[0];
    EXPECT_EQ(total.page, 2);
    EXPECT_EQ(total.band, Band::Summary);
    EXPECT_NEAR(total.rect.top(), 10 + 19.3 + 27 * 7.7 + 1.0, 1e-9);
    EXPECT_EQ(withText(items, QStringLiteral("6")).size(), 1);
    EXPECT_EQ(withText(items, QStringLiteral("06.00")).size(), 1);
    EXPECT_EQ(pagesOf(withText(items, QStringLiteral("第2页"))), (QList<int>{2}));
}

TEST(ReportRendererTest, SumsNumbersGivenAsTextAndCountsNullAsZero)
{
    const QList<QVariantMap> lines = {
        {{QStringLiteral("ssje"), 0.1}},
        {{QStringLiteral("ssje"), 0.2}},
        {{QStringLiteral("ssje"), QStringLiteral("12.5")}},
        {{QStringLiteral("ssje"), QVariant()}},
        {{QStringLiteral("fjbh"), QStringLiteral("no amount")}},
    };
    const QList<PlacedItem> items = placed(chargeReport(), ReportRows::fromMaps(lines));
    EXPECT_EQ(withText(items, QStringLiteral("12.8")).size(), 1);
    EXPECT_EQ(withText(items, QStringLiteral("12.80")).size(), 1);
}

TEST(ReportRendererTest, RulesAcrossTheBandSpanThePageBetweenItsMargins)
{
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        BandReport report = chargeReport();
        report.orientation = orientation;
        const double paperWidth = orientation == QPageLayout::Portrait ? 210 : 297;
        const QList<PlacedItem> items = placed(report, chargeRows(1));
        int rules = 0;
        for (const PlacedItem &it : items) {
            if (it.element.kind != ReportElement::Kind::Line)
                continue;
            ++rules;
            EXPECT_NEAR(it.rect.left(), 8, 1e-9);
            EXPECT_NEAR(it.rect.width(), paperWidth - 16, 1e-6);
            EXPECT_EQ(it.rect.height(), 0);
        }
        EXPECT_EQ(rules, 3);  // two under the header, one under the row
    }
}

struct BreakCase {
    const char *what;
    int rows;
    bool headerOnEveryPage;
    int pages;
    int summaryPage;
    double summaryTop;  // top of the summary band
};

TEST(ReportRendererTest, PlacesTheSummaryOnceAfterTheLastRow)
{
    const BreakCase cases[] = {
        {"no rows: summary under the header", 0, true, 1, 1, 10 + 19.3},
        {"full first page: summary moves to a new page under its header", 33, true, 2, 2, 10 + 19.3},
        {"header on the first page only: page 2 starts at the top margin", 40, false, 2, 2, 10 + 7 * 7.7},
    };
    for (const BreakCase &c : cases) {
        BandReport report = chargeReport();
        report.pageHeaderOnEveryPage = c.headerOnEveryPage;
        const QList<PlacedItem> items = placed(report, chargeRows(c.rows));
        EXPECT_EQ(ReportRenderer::pageCount(items), c.pages) << c.what;
        const QList<PlacedItem> totals = withText(items, QStringLiteral("合计栏："));
        ASSERT_EQ(totals.size(), 1) << c.what;
        EXPECT_EQ(totals[0].page, c.summaryPage) << c.what;
        EXPECT_NEAR(totals[0].rect.top(), c.summaryTop + 1.0, 1e-9) << c.what;
        const int titles = int(withText(items, QStringLiteral("收费汇总报表")).size());
        EXPECT_EQ(titles, c.headerOnEveryPage ? c.pages : 1) << c.what;
        if (c.rows > 33) {
            EXPECT_EQ(cell(items, 33, QStringLiteral("fjbh"))->page, 2) << c.what;
            EXPECT_NEAR(cell(items, 33, QStringLiteral("fjbh"))->rect.top(), 10 + 1.1, 1e-9) << c.what;
        }
    }
}

TEST(ReportRendererTest, EmptyReportSumsToZeroAndPageNumbersKnowTheTotal)
{
    BandReport report = chargeReport();
    report.summary.elements.last() = ReportElement::pageNumber(163.0, 1.0, QStringLiteral("第%1页/共%2页"));
    report.pageHeader.add(ReportElement::pageNumber(180, 1.6, QStringLiteral("%1/%2")));
    QList<PlacedItem> items = placed(report, chargeRows(0));
    EXPECT_EQ(withText(items, QStringLiteral("0")).size(), 1);
    EXPECT_EQ(withText(items, QStringLiteral("00.00")).size(), 1);
    EXPECT_EQ(withText(items, QStringLiteral("第1页/共1页")).size(), 1);

    items = placed(report, chargeRows(70));
    EXPECT_EQ(pagesOf(withText(items, QStringLiteral("3/3"))), (QList<int>{3}));
    EXPECT_EQ(pagesOf(withText(items, QStringLiteral("1/3"))), (QList<int>{1}));
    EXPECT_EQ(withText(items, QStringLiteral("第3页/共3页")).size(), 1);
}

TEST(ReportRendererTest, PixelLayoutUsesItsUnitBoxesAndValues)
{
    QList<QVariantMap> lines = {
        {{QStringLiteral("fymc"), QStringLiteral("房租租金")}, {QStringLiteral("ssje"), 1500.0}},
        {{QStringLiteral("fymc"), QStringLiteral("电费")}, {QStringLiteral("ssje"), 5}},
    };
    const QList<PlacedItem> items = placed(ticketReport(), ReportRows::fromMaps(lines));
    ASSERT_EQ(ReportRenderer::pageCount(items), 1);

    // Fields outside the detail band show the report's values.
    const PlacedItem &company = withText(items, QStringLiteral("东城物业"))[0];
    EXPECT_NEAR(company.rect.center().x(), 2 + 16 + 154 / 2.0, 1e-6);  // centred in its box
    EXPECT_GT(company.rect.width(), 0);
    EXPECT_LT(company.rect.width(), 154);
    const PlacedItem &room = withText(items, QStringLiteral("101"))[0];
    EXPECT_NEAR(room.rect.left(), 2 + 73, 1e-9);
    EXPECT_NEAR(room.rect.top(), 65, 1e-9);

    // Detail rows follow the 152-pixel header, 24 pixels apart; amounts are right-aligned in their box.
    const PlacedItem *amount = cell(items, 1, QStringLiteral("ssje"));
    EXPECT_EQ(amount->text, QStringLiteral("05.00"));
    EXPECT_NEAR(amount->rect.top(), 152 + 24 + 5, 1e-9);
    EXPECT_NEAR(amount->rect.right(), 2 + 143 + 40, 1e-6);
    EXPECT_EQ(cell(items, 0, QStringLiteral("ssje"))->text, QStringLiteral("1500.00"));

    const PlacedItem &due = withText(items, QStringLiteral("3500"))[0];
    EXPECT_EQ(due.band, Band::Summary);
    EXPECT_NEAR(due.rect.top(), 152 + 2 * 24 + 6, 1e-9);

    // A rule across the band: ISO B5 is 176 mm wide, at 96 layout pixels per inch.
    for (const PlacedItem &it : items) {
        if (it.element.kind == ReportElement::Kind::Line && it.element.width == ReportElement::BandWidth)
            EXPECT_NEAR(it.rect.width(), 176 / 25.4 * 96 - 2, 0.01);
    }
}

} // namespace
