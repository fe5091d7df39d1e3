#include "leasing/metercarryover.h"
#include "support/roomlettest.h"

// Settled meter lines of several rooms, meters and years; the clock says 2024.
class MeterCarryOverTest : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        exec("insert into zf_fjb(fjbh,fjmc,dbds,sbds) values('101','东101',1200,35.5),('102','东102',0,0)");
        // In settlement order (iid): room 101's electricity of 2024, then a late 2023 line, a
        // 2025 line; its water lines; another room's electricity after all of them.
        settle("101", "电费", 2024, 1500, 0, 0.6);
        settle("101", "电费", 2023, 1400, 0, 0.55);
        settle("101", "电费", 2025, 9999, 0, 0.7);
        settle("101", "水费", 2023, 0, 40, 3);
        settle("101", "水费", 2024, 0, 52.5, 3.5);
        settle("102", "电费", 2024, 7777, 0, 0.8);
        settle("103", "水费", 2025, 0, 88, 4);
    }

    void settle(const char *fjbh, const char *sflx, int nf, double bcdbsl, double bcsbsl, double dj)
    {
        exec(QString("insert into zf_fjsfmxb(fjbh,sflx,fymc,nf,yf,scdbsl,bcdbsl,scsbsl,bcsbsl,dj,sfrq) "
                     "values('%1','%2','%2',%3,1,0,%4,0,%5,%6,'%3-01-31')")
                 .arg(fjbh, sflx).arg(nf).arg(bcdbsl).arg(bcsbsl).arg(dj));
    }
};

TEST_F(MeterCarryOverTest, LeaseStartsFromTheLastSettledLineOfThisYearOrBefore)
{
    struct Case { const char *fjbh; Meter meter; const char *reading; };
    const Case cases[] = {
        {"101", Meter::Electricity, "1400"}, // highest iid of 2023 and 2024; 2025 left out
        {"101", Meter::Water, "52.5"},
        {"102", Meter::Electricity, "7777"},
        {"102", Meter::Water, "0"},         // never settled: 0, not the room's sbds
        {"104", Meter::Electricity, "0"},
        {"103", Meter::Water, ""},          // every line of a later year: left empty
    };
    for (const Case &c : cases)
        EXPECT_EQ(leaseStartReading(c.fjbh, c.meter), c.reading) << c.fjbh << " " << meterFeeType(c.meter).toStdString();
}

TEST_F(MeterCarryOverTest, NextChargeStartsFromTheTypedYearOrTheRoomRow)
{
    struct Case { const char *fjbh; Meter meter; int year; const char *reading; std::optional<QString> unitPrice; };
    const Case cases[] = {
        {"101", Meter::Electricity, 2025, "9999", QString("0.7")},
        {"101", Meter::Electricity, 2024, "1400", QString("0.55")},
        {"101", Meter::Electricity, 2023, "1400", QString("0.55")},
        {"101", Meter::Electricity, 2022, "", QString("")}, // lines only of later years
        {"101", Meter::Water, 2023, "40", QString("3")},
        {"102", Meter::Water, 2024, "0", std::nullopt},
        {"101", Meter::Water, 2024, "52.5", QString("3.5")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.fjbh) + " " + meterFeeType(c.meter).toStdString() + " " + std::to_string(c.year));
        const PreviousMeterReading previous = previousMeterReading(c.fjbh, c.meter, c.year);
        EXPECT_EQ(previous.reading, c.reading);
        EXPECT_EQ(previous.unitPrice, c.unitPrice);
    }
}

TEST_F(MeterCarryOverTest, RoomNeverSettledStartsFromTheReadingRecordedAtLetting)
{
    exec("delete from zf_fjsfmxb where fjbh='101'");
    const auto electricity = previousMeterReading("101", Meter::Electricity, 2024, db->qd);
    EXPECT_EQ(electricity.reading, "1200");
    EXPECT_FALSE(electricity.unitPrice) << "the unit price box keeps its text";
    EXPECT_EQ(previousMeterReading("101", Meter::Water, 2024).reading, "35.5");
    EXPECT_EQ(previousMeterReading("999", Meter::Water, 2024).reading, "") << "no such room";
}
