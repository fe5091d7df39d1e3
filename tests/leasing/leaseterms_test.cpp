#include "common/conversionerror.h"
#include "common/values.h"
#include "leasing/leaseterms.h"

#include <gtest/gtest.h>

namespace {
QDate d(const char *text) { return QDate::fromString(QString::fromLatin1(text), Qt::ISODate); }
} // namespace

TEST(LeaseTerms, EndDateAndLeaseDays)
{
    struct Case { const char *start; int count; LeaseUnit unit; const char *end; qint64 days; };
    const Case cases[] = {
        // Month ends: the target month's last day when it is shorter, then one day back.
        {"2024-01-31", 1, LeaseUnit::Months, "2024-02-28", 29},
        {"2023-01-31", 1, LeaseUnit::Months, "2023-02-27", 28},
        {"2024-01-30", 1, LeaseUnit::Months, "2024-02-28", 30},
        {"2024-08-31", 1, LeaseUnit::Months, "2024-09-29", 30},
        {"2024-12-15", 1, LeaseUnit::Months, "2025-01-14", 31},
        {"2024-07-01", 3, LeaseUnit::Months, "2024-09-30", 92},
        {"2024-03-01", 12, LeaseUnit::Months, "2025-02-28", 365},
        {"2023-03-01", 12, LeaseUnit::Months, "2024-02-29", 366},
        // Leap day: a year on has no 29 February.
        {"2024-02-29", 12, LeaseUnit::Months, "2025-02-27", 365},
        {"2024-02-29", 48, LeaseUnit::Months, "2028-02-28", 1461},
        {"2024-03-01", 30, LeaseUnit::Days, "2024-03-30", 30},
        {"2024-02-01", 29, LeaseUnit::Days, "2024-02-29", 29},
        {"2023-02-01", 29, LeaseUnit::Days, "2023-03-01", 29},
        {"2024-12-31", 1, LeaseUnit::Days, "2024-12-31", 1},
        {"2024-12-20", 90, LeaseUnit::Days, "2025-03-19", 90},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString("%1 + %2 %3").arg(c.start).arg(c.count).arg(c.unit == LeaseUnit::Months ? "months" : "days").toStdString());
        const QDate end = termEnd(d(c.start), c.count, c.unit);
        EXPECT_EQ(dateText(end), c.end);
        EXPECT_EQ(leaseDays(d(c.start), end), c.days);
        EXPECT_EQ(daysFromStartToEnd(d(c.start), end), c.days - 1);
    }
}

TEST(LeaseTerms, CountChangedGivesEndDateAndDaysOrRefusesTheCount)
{
    struct Case { const char *start; const char *count; LeaseUnit unit; const char *message; const char *end; const char *days; };
    const Case cases[] = {
        {"2024-01-31", "1", LeaseUnit::Months, "", "2024-02-28", "29"},
        {"2024-03-01", "30", LeaseUnit::Days, "", "2024-03-30", "30"},
        {"2024-3-1", " 2 ", LeaseUnit::Months, "", "2024-04-30", "61"},
        {"2024-03-01", "abc", LeaseUnit::Months, "数据格式不对！", "", ""},
        {"2024-03-01", "1.5", LeaseUnit::Months, "数据格式不对！", "", ""},
        {"2024-03-01", "0", LeaseUnit::Days, "数据格式不对！", "", ""},
        {"2024-03-01", "-3", LeaseUnit::Months, "数据格式不对！", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.start) + " / " + c.count);
        const auto term = leaseTermFromCount(c.start, c.count, c.unit);
        ASSERT_TRUE(term.has_value());
        EXPECT_EQ(term->message, c.message);
        EXPECT_EQ(term->endDate, c.end);
        EXPECT_EQ(term->leaseDays, c.days);
    }
    EXPECT_FALSE(leaseTermFromCount("", "3", LeaseUnit::Months)) << "nothing happens without a start date";
    EXPECT_FALSE(leaseTermFromCount("2024-03-01", "", LeaseUnit::Months)) << "nor without a count";
    EXPECT_THROW(leaseTermFromCount("2024-02-30", "1", LeaseUnit::Months), ConversionError);
}

TEST(LeaseTerms, LeavingADateBoxCountsBothEnds)
{
    EXPECT_EQ(leaseDaysText("2024-03-01", "2024-03-31").value(), "31");
    EXPECT_EQ(leaseDaysText("2024-02-01", "2024-03-01").value(), "30");
    EXPECT_EQ(leaseDaysText("2024-03-05", "2024-03-05").value(), "1");
    EXPECT_FALSE(leaseDaysText("", "2024-03-31"));
    EXPECT_FALSE(leaseDaysText("2024-03-01", ""));
    EXPECT_THROW(leaseDaysText("2024-03-01", "31.3.2024"), ConversionError);
}

TEST(LeaseTerms, WarningDateIsTheEndLessTheAlarmDays)
{
    EXPECT_EQ(warningDate(d("2024-06-30"), 7), d("2024-06-23"));
    EXPECT_EQ(warningDate(d("2024-06-30"), 0), d("2024-06-30"));
    EXPECT_EQ(warningDate(d("2024-03-05"), 10), d("2024-02-24"));
    EXPECT_EQ(warningDate(d("2025-03-05"), 10), d("2025-02-23"));
}

TEST(LeaseTerms, UnitsOfTheCount)
{
    EXPECT_EQ(leaseUnitLabel(LeaseUnit::Months), "月");
    EXPECT_EQ(leaseUnitLabel(LeaseUnit::Days), "天");
    EXPECT_EQ(leaseCountItems(LeaseUnit::Months).size(), 24);
    EXPECT_EQ(leaseCountItems(LeaseUnit::Days).last(), "90");
    EXPECT_EQ(leaseCountItems(LeaseUnit::Days).first(), "1");
    EXPECT_EQ(defaultLeaseCount(LeaseUnit::Months), "1");
    EXPECT_EQ(defaultLeaseCount(LeaseUnit::Days), "30");
}
