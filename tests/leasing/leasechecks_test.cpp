#include "common/conversionerror.h"
#include "leasing/leasechecks.h"

#include <gtest/gtest.h>

namespace {
struct Step {
    QString LeaseFormTexts::*box; // filled after the check
    const char *text;
    const char *message;          // what the save says while this box is still empty
    LeaseBox focus;
};

// The order of the checks: each step's message shows until its box is filled.
std::vector<Step> checkOrder(LeaseWindow window)
{
    const bool checkOut = window == LeaseWindow::CheckOut;
    std::vector<Step> steps = {
        {&LeaseFormTexts::roomNumber, "101", "房间编号不能为空！", LeaseBox::None},
        {&LeaseFormTexts::tenantName, "张三", "房客姓名不能为空！", LeaseBox::TenantName},
        {&LeaseFormTexts::count, "3", "月份数量不能为空！", LeaseBox::Count},
        {&LeaseFormTexts::startDate, "2024-03-05", "合同起始日期不能为空！", LeaseBox::StartDate},
        {&LeaseFormTexts::endDate, "2024-06-04", "合同起始日期不能为空！", LeaseBox::EndDate},
    };
    if (!checkOut) {
        steps.push_back({&LeaseFormTexts::electricity, "1200.5", "开租时电表度数不能为空！您也可以填写0", LeaseBox::Electricity});
        steps.push_back({&LeaseFormTexts::water, "35", "开租时水表度数不能为空！您也可以填写0", LeaseBox::Water});
    }
    steps.push_back({&LeaseFormTexts::rentDue, "3000",
                     checkOut ? "应收金额不能为空,可以填0！" : "应收金额不能为空！", LeaseBox::RentDue});
    steps.push_back({&LeaseFormTexts::received, "2900",
                     checkOut ? "实收金额不能为空,可以填0！" : "实收金额不能为空！", LeaseBox::Received});
    return steps;
}

const char *windowName(LeaseWindow w)
{
    return w == LeaseWindow::RentingOut ? "renting out" : w == LeaseWindow::Renewal ? "renewal" : "check-out";
}

LeaseFormTexts completeForm()
{
    LeaseFormTexts f;
    f.roomNumber = "101";
    f.tenantName = "张三";
    f.tenantId = "7";
    f.occupants = "2";
    f.startDate = "2024-03-05";
    f.count = "3";
    f.endDate = "2024-06-04";
    f.price = "1000";
    f.leaseDays = "92";
    f.rentDue = "3000";
    f.discount = "100";
    f.received = "2900";
    f.electricity = "1200.5";
    f.water = "35";
    return f;
}
} // namespace

TEST(LeaseChecks, ChecksRunInOrderAndFillDefaultsOnTheWay)
{
    for (LeaseWindow window : {LeaseWindow::RentingOut, LeaseWindow::Renewal, LeaseWindow::CheckOut}) {
        SCOPED_TRACE(windowName(window));
        LeaseFormTexts form;
        form.tenantId = "7";
        for (const Step &step : checkOrder(window)) {
            const LeaseCheck check = checkLeaseForm(form, window);
            EXPECT_EQ(check.message, step.message);
            EXPECT_EQ(check.focus, step.focus) << step.message;
            EXPECT_EQ(check.closeWindow, step.box == &LeaseFormTexts::roomNumber) << step.message;
            form.*step.box = step.text;
        }
        const LeaseCheck check = checkLeaseForm(form, window);
        EXPECT_TRUE(check.passed()) << check.message.toStdString();
        // Defaults: occupants 1 after the room number, discount 0 after the rent due, price 1 and
        // lease days 0 at the end.
        EXPECT_EQ(form.occupants, "1");
        EXPECT_EQ(form.discount, "0");
        EXPECT_EQ(form.price, "1");
        EXPECT_EQ(form.leaseDays, "0");
        EXPECT_EQ(check.values.occupants, 1);
        EXPECT_EQ(check.values.discount, 0);
    }
}

TEST(LeaseChecks, DefaultsBeforeAFailedCheckStayFilled)
{
    LeaseFormTexts form = completeForm();
    form.occupants.clear();
    form.discount.clear();
    form.received.clear();
    form.price.clear();
    EXPECT_EQ(checkLeaseForm(form, LeaseWindow::RentingOut).message, "实收金额不能为空！");
    EXPECT_EQ(form.occupants, "1");
    EXPECT_EQ(form.discount, "0");
    EXPECT_EQ(form.price, "") << "the price default comes after the received check";

    LeaseFormTexts noRoom;
    EXPECT_TRUE(checkLeaseForm(noRoom, LeaseWindow::Renewal).closeWindow);
    EXPECT_EQ(noRoom.occupants, "") << "nothing is filled when the room number is missing";
}

TEST(LeaseChecks, PassedFormIsConverted)
{
    LeaseFormTexts form = completeForm();
    const LeaseCheck check = checkLeaseForm(form, LeaseWindow::RentingOut);
    ASSERT_TRUE(check.passed());
    const LeaseValues &v = check.values;
    EXPECT_EQ(v.startDate, QDate(2024, 3, 5));
    EXPECT_EQ(v.endDate, QDate(2024, 6, 4));
    EXPECT_EQ(v.count, 3);
    EXPECT_EQ(v.leaseDays, 92);
    EXPECT_EQ(v.occupants, 2);
    EXPECT_EQ(v.tenantId, 7);
    EXPECT_EQ(v.rentDue, 3000);
    EXPECT_EQ(v.discount, 100);
    EXPECT_EQ(v.received, 2900);
    EXPECT_EQ(v.electricity, 1200.5);
    EXPECT_EQ(v.water, 35);
}

TEST(LeaseChecks, CheckOutHasNoReadingsAndTakesNegativeAmounts)
{
    LeaseFormTexts form = completeForm();
    form.electricity.clear();
    form.water = "not a reading box on check-out";
    form.rentDue = "-100";
    form.received = "-100";
    const LeaseCheck check = checkLeaseForm(form, LeaseWindow::CheckOut);
    ASSERT_TRUE(check.passed()) << check.message.toStdString();
    EXPECT_EQ(check.values.received, -100);
}

TEST(LeaseChecks, TextsThatAreNoNumberOrDateStopTheSave)
{
    struct Case { QString LeaseFormTexts::*box; const char *text; };
    const Case cases[] = {
        {&LeaseFormTexts::startDate, "2024-02-30"},
        {&LeaseFormTexts::endDate, "明天"},
        {&LeaseFormTexts::count, "三"},
        {&LeaseFormTexts::occupants, "2.5"},
        {&LeaseFormTexts::leaseDays, "x"},
        {&LeaseFormTexts::rentDue, "3,000"},
        {&LeaseFormTexts::discount, "abc"},
        {&LeaseFormTexts::received, "-"},
        {&LeaseFormTexts::electricity, "12a"},
        {&LeaseFormTexts::water, "."},
        {&LeaseFormTexts::tenantId, ""},
    };
    for (const Case &c : cases) {
        LeaseFormTexts form = completeForm();
        form.*c.box = c.text;
        EXPECT_THROW(checkLeaseForm(form, LeaseWindow::Renewal), ConversionError) << c.text;
    }
}

TEST(LeaseChecks, LeaseMustNotEndBeforeItStarts)
{
    LeaseFormTexts form = completeForm();
    form.endDate = "2024-03-04";
    const LeaseCheck check = checkLeaseForm(form, LeaseWindow::RentingOut);
    EXPECT_EQ(check.message, "合同到期日期不能早于合同起始日期！");
    EXPECT_EQ(check.focus, LeaseBox::EndDate);
    EXPECT_FALSE(check.closeWindow);

    form.endDate = "2024-03-05";
    EXPECT_TRUE(checkLeaseForm(form, LeaseWindow::CheckOut).passed()) << "a one-day lease";
}
