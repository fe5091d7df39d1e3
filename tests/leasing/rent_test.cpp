#include "common/conversionerror.h"
#include "db/numbertext.h"
#include "leasing/leaseroom.h"
#include "leasing/rent.h"
#include "support/roomlettest.h"

TEST(Rent, RentDueByMonthOrByDay)
{
    struct Case { bool monthly; const char *count; const char *days; double yzjg; double rzjg; const char *due; const char *daysAfter; };
    const Case cases[] = {
        {true, "3", "92", 1200.5, 50, "3601.5", "92"},
        {true, "3", "", 0.1, 50, "0.3", ""},          // no binary noise
        {false, "1", "10", 1000, 80, "800", "10"},
        {false, "1", "29", 1000, 33.3, "965.7", "29"}, // 965.6999999999999 in binary
        {false, "1", "", 1000, 80, "0", "0"},          // empty lease days count as 0
        {true, "2", "61", 0, 0, "0", "61"},            // a room without prices
        {false, "1", "31", 1000, 35.7, "1106.7", "31"},
        {true, "7", "", 0.7, 0, "4.9", ""},            // 4.8999999999999995 in binary
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.monthly ? "month " : "day ") + c.count + "/" + c.days);
        LeaseFormTexts form;
        form.monthlyRent = c.monthly;
        form.count = c.count;
        form.leaseDays = c.days;
        LeaseRoom room;
        room.monthlyPrice = c.yzjg;
        room.dailyPrice = c.rzjg;
        computeRentDue(form, room);
        EXPECT_EQ(form.rentDue, c.due);
        EXPECT_EQ(form.leaseDays, c.daysAfter);
    }
}

TEST(Rent, ACountOrLeaseDaysThatIsNoWholeNumberChangesNothing)
{
    LeaseFormTexts form;
    form.rentDue = "1000";
    form.count = "abc";
    EXPECT_THROW(computeRentDue(form, LeaseRoom{true, 1000, 50, 0}), ConversionError);
    form.monthlyRent = false;
    form.leaseDays = "1.5";
    EXPECT_THROW(computeRentDue(form, LeaseRoom{true, 1000, 50, 0}), ConversionError);
    EXPECT_EQ(form.rentDue, "1000");
}

TEST(Rent, AmountReceivedIsDueLessDiscount)
{
    struct Case { const char *due; const char *discount; const char *received; };
    const Case cases[] = {
        {"3601.5", "1.5", "3600"},
        {"3000", "100", "2900"},
        {"0.3", "0.1", "0.2"},
        {"1200", "0", "1200"},
        {"-100", "0", "-100"},
        {"100", "150", "-50"},
        {"100.1", "100.3", "-0.2"}, // -0.20000000000000284 in binary
        {"1350.35", "0.05", "1350.3"},
        {"0.1", "0.1", "0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(receivedText(c.due, c.discount).value(), c.received) << c.due << " - " << c.discount;
    EXPECT_FALSE(receivedText("", "0"));
    EXPECT_FALSE(receivedText("100", ""));
    EXPECT_THROW(receivedText("1oo", "0"), ConversionError);
    EXPECT_EQ(amountReceived(0.3, 0.1), 0.2);
}

TEST(Rent, CheckOutTotalIsRentReceivedLessDepositBack)
{
    EXPECT_EQ(checkOutTotal(1000, 800), 200);
    EXPECT_EQ(checkOutTotal(0, 800), -800);
    EXPECT_EQ(checkOutTotal(0.3, 0.1), 0.2);
    EXPECT_EQ(formatNumber(checkOutTotal(100.1, 100.3)), "-0.2");
    EXPECT_EQ(formatNumber(checkOutTotal(800, 800)), "0");
}

class LeaseRoomTest : public RoomletTest
{
};

TEST_F(LeaseRoomTest, PricesAndAlarmDaysOfTheRoomRow)
{
    exec("insert into zf_fjb(fjbh,fjmc,yzjg,rzjg,bjts) values('101','东101',1200.5,45.5,7)");
    exec("insert into zf_fjb(fjbh,fjmc) values('102','东102')");
    const LeaseRoom room = readLeaseRoom("101");
    EXPECT_TRUE(room.found);
    EXPECT_EQ(room.monthlyPrice, 1200.5);
    EXPECT_EQ(room.dailyPrice, 45.5);
    EXPECT_EQ(room.alarmDays, 7);

    const LeaseRoom bare = readLeaseRoom("102", db->qcx);
    EXPECT_TRUE(bare.found);
    EXPECT_EQ(bare.monthlyPrice, 0);
    EXPECT_EQ(bare.dailyPrice, 0);
    EXPECT_EQ(bare.alarmDays, 0) << "missing alarm days count 0";

    EXPECT_FALSE(readLeaseRoom("999").found);
}
