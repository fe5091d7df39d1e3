// The PDF a report writes, read back by pdftotext: the same Chinese words, numbers, pages and positions.
#include "samplereports.h"

#include "reports/reportrenderer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext separates pages by form feeds.
QStringList pdfPages(const QString &pdf)
{
    QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
                            .split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The left and top edge, in points, of the first word on page 1 with this text.
QPointF wordAt(const QString &pdf, const QString &word)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                          QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                    .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QPointF(-1, -1);
}

constexpr double PointsPerMm = 72 / 25.4;

TEST(ReportPdfTest, PdfShowsTheSameWordsOnTheSamePages)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("charges.pdf"));
    const ReportRows rows = chargeRows(60);
    QList<PlacedItem> items;
    ASSERT_TRUE(ReportRenderer(chargeReport(), rows).writePdf(pdf, &items));

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    for (const QString &page : pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("收费汇总报表"))) << page.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("房间编号")));
        EXPECT_TRUE(page.contains(QStringLiteral("00.10")));
    }
    EXPECT_TRUE(pages[0].contains(QStringLiteral("房间0")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("R032")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("R033")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("合计栏：")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("R059")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("合计栏：")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("06.00")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("第2页")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("0000000")));  // no binary noise in the total

    // Every placed text is in the file on its page.
    for (const PlacedItem &it : items) {
        if (!it.text.isEmpty())
            EXPECT_TRUE(pages[it.page - 1].contains(it.text)) << it.text.toStdString();
    }
}

TEST(ReportPdfTest, PdfPutsTextWhereTheLayoutSays)
{
    QTemporaryDir dir;
    const QString a4 = dir.filePath(QStringLiteral("a4.pdf"));
    ASSERT_TRUE(ReportRenderer(chargeReport(), chargeRows(3)).writePdf(a4));
    const QPointF title = wordAt(a4, QStringLiteral("收费汇总报表"));
    EXPECT_NEAR(title.x(), (8 + 82.6) * PointsPerMm, 1.5);
    EXPECT_NEAR(title.y(), (10 + 1.6) * PointsPerMm, 2.0);
    const QPointF room = wordAt(a4, QStringLiteral("R002"));
    EXPECT_NEAR(room.x(), (8 + 2.6) * PointsPerMm, 1.5);
    EXPECT_NEAR(room.y(), (10 + 19.3 + 2 * 7.7 + 1.1) * PointsPerMm, 2.0);

    // Layout pixels are 1/96 inch, 0.75 points.
    const QString b5 = dir.filePath(QStringLiteral("b5.pdf"));
    ASSERT_TRUE(ReportRenderer(ticketReport(), ReportRows()).writePdf(b5));
    const QPointF caption = wordAt(b5, QStringLiteral("房间编号:"));
    EXPECT_NEAR(caption.x(), (2 + 9) * 0.75, 1.5);
    EXPECT_NEAR(caption.y(), 65 * 0.75, 2.0);
    EXPECT_TRUE(pdfPages(b5).value(0).contains(QStringLiteral("收费凭证表")));
    // ISO B5 paper, 176 x 250 mm.
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(run(QStringLiteral("pdfinfo"), {b5}));
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble(), 176 * PointsPerMm, 0.5);
    EXPECT_NEAR(size.captured(2).toDouble(), 250 * PointsPerMm, 0.5);
}

TEST(ReportPdfTest, UnwritablePathFails)
{
    EXPECT_FALSE(ReportRenderer(chargeReport(), chargeRows(1)).writePdf(QStringLiteral("/nonexistent-dir/x.pdf")));
}

} // namespace
