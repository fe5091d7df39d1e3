// What fields and sums show under each number format, and how values count in sums.
#include "reports/reportelement.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    ReportElement::Format format;
    QVariant value;
    const char *shown;
};

TEST(ReportElementTest, DisplaysValuesUnderTheirFormat)
{
    using F = ReportElement::Format;
    const DisplayCase cases[] = {
        {F::Fixed00, 5, "05.00"},
        {F::Fixed00, -300.0, "-300.00"},
        {F::Fixed00, 1350.5, "1350.50"},
        {F::Fixed00, 0.1 + 0.2, "00.30"},
        {F::Fixed00, QStringLiteral(" 1500 "), "1500.00"},  // amounts stored as text still get the form
        {F::Fixed00, QStringLiteral("押金"), "押金"},        // text that is no number stays as it is
        {F::Fixed00, QVariant(), ""},
        {F::General, 1500.0, "1500"},
        {F::General, 1500.5, "1500.5"},
        {F::General, 0.1 + 0.2, "0.3"},
        {F::General, qint64(12), "12"},
        {F::General, QStringLiteral("00123"), "00123"},     // text fields are never reformatted
        {F::General, QDate(2024, 3, 5), "2024-03-05"},
        {F::General, QVariant(), ""},
    };
    for (const DisplayCase &c : cases) {
        const ReportElement e = ReportElement::field(0, 0, QStringLiteral("ssje"), c.format);
        EXPECT_EQ(e.display(c.value).toStdString(), c.shown) << c.value.toString().toStdString();
    }
}

TEST(ReportElementTest, CountsNullAndNonNumbersAsZeroInSums)
{
    EXPECT_DOUBLE_EQ(ReportElement::numberOf(QVariant()), 0.0);
    EXPECT_DOUBLE_EQ(ReportElement::numberOf(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(ReportElement::numberOf(QStringLiteral("12.5")), 12.5);
    EXPECT_DOUBLE_EQ(ReportElement::numberOf(qint64(-3)), -3.0);
}

} // namespace
