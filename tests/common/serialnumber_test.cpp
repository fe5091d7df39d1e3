// Receipt serial numbers drawn from the receipts already filed on the pinned day 2024-03-05.
#include "common/conversionerror.h"
#include "common/loggedinoperator.h"
#include "common/serialnumber.h"
#include "support/roomlettest.h"

namespace {

class SerialNumberTest : public RoomletTest
{
protected:
    void file(const QString &zdlsh, const QString &fjbh = "101")
    {
        exec(QString("insert into zf_fjsfhzb(zdlsh, fjbh) values ('%1', '%2')").arg(zdlsh, fjbh));
    }
};

TEST_F(SerialNumberTest, NextNumberFollowsTheFiledReceipts)
{
    struct Filed {
        QString zdlsh, fjbh;
    };
    const struct {
        const char *name;
        QString operatorNumber;
        QList<Filed> filed;
        QString room; // empty: an "XZ" number
        QString expected;
    } cases[] = {
        {"first XZ of the day", "001", {}, "", "XZ24030500100001"},
        {"XZ counts across rooms", "001", {{"XZ24030500100005", "101"}, {"XZ24030500100007", "102"}}, "", "XZ24030500100008"},
        {"XZ ignores SF numbers", "001", {{"SF24030500100008", "101"}}, "", "XZ24030500100001"},
        {"XZ ignores other operators", "001", {{"XZ24030500200009", "101"}}, "", "XZ24030500100001"},
        {"a new day starts at 00001", "001", {{"XZ24030400100009", "101"}}, "", "XZ24030500100001"},
        {"SF per room", "001", {{"SF24030500100002", "101"}, {"SF24030500100009", "102"}}, "101", "SF24030500100003"},
        {"first SF of a room", "001", {{"SF24030500100004", "102"}, {"XZ24030500100006", "101"}}, "101", "SF24030500100001"},
        // 100000 sorts below 99999 as text; the value counts.
        {"past 99999", "001", {{"XZ24030500199999", "101"}, {"XZ240305001100000", "102"}}, "", "XZ240305001100001"},
        {"short operator number", "7", {{"XZ240305700003", "101"}}, "", "XZ240305700004"},
    };
    for (const auto &c : cases) {
        exec("delete from zf_fjsfhzb");
        for (const Filed &f : c.filed)
            file(f.zdlsh, f.fjbh);
        loggedInOperator().number = c.operatorNumber;
        EXPECT_EQ(c.room.isEmpty() ? nextSerialXZ() : nextSerialSF(c.room), c.expected) << c.name;
    }
}

TEST_F(SerialNumberTest, NumberCountsAsUsedOnlyOnceFiled)
{
    file("XZ24030500100003");
    // Two letting windows opened before any settlement draw the same number.
    EXPECT_EQ(nextSerialXZ(), "XZ24030500100004");
    EXPECT_EQ(nextSerialXZ(), "XZ24030500100004");
}

TEST_F(SerialNumberTest, NonNumericRunningNumberFails)
{
    file("XZ24030500100003");
    file("XZ240305001A0004");
    try {
        nextSerialXZ();
        ADD_FAILURE() << "no ConversionError";
    } catch (const ConversionError &e) {
        EXPECT_TRUE(e.text().contains("A0004")) << e.text().toStdString();
    }
}

} // namespace
