#include "leasing/leasechecks.h"
#include "common/values.h"

namespace {
LeaseCheck failed(const QString &message, LeaseBox focus)
{
    LeaseCheck check;
    check.message = message;
    check.focus = focus;
    return check;
}

void defaultIfEmpty(QString &text, const char *value)
{
    if (text.isEmpty())
        text = QString::fromUtf8(value);
}

bool hasReadings(LeaseWindow window)
{
    return window != LeaseWindow::CheckOut;
}

// The checks of the texts alone, with their defaults; an empty message when all pass.
LeaseCheck checkTexts(LeaseFormTexts &f, LeaseWindow window)
{
    const bool checkOut = window == LeaseWindow::CheckOut;
    if (f.roomNumber.isEmpty()) {
        LeaseCheck check = failed(QStringLiteral("房间编号不能为空！"), LeaseBox::None);
        check.closeWindow = true;
        return check;
    }
    defaultIfEmpty(f.occupants, "1");
    if (f.tenantName.isEmpty())
        return failed(QStringLiteral("房客姓名不能为空！"), LeaseBox::TenantName);
    if (f.count.isEmpty())
        return failed(QStringLiteral("月份数量不能为空！"), LeaseBox::Count);
    if (f.startDate.isEmpty())
        return failed(QStringLiteral("合同起始日期不能为空！"), LeaseBox::StartDate);
    // The end date's message is the start date's: the focus shows which box is meant.
    if (f.endDate.isEmpty())
        return failed(QStringLiteral("合同起始日期不能为空！"), LeaseBox::EndDate);
    if (hasReadings(window) && f.electricity.isEmpty())
        return failed(QStringLiteral("开租时电表度数不能为空！您也可以填写0"), LeaseBox::Electricity);
    if (hasReadings(window) && f.water.isEmpty())
        return failed(QStringLiteral("开租时水表度数不能为空！您也可以填写0"), LeaseBox::Water);
    if (f.rentDue.isEmpty())
        return failed(checkOut ? QStringLiteral("应收金额不能为空,可以填0！") : QStringLiteral("应收金额不能为空！"),
                      LeaseBox::RentDue);
    defaultIfEmpty(f.discount, "0");
    if (f.received.isEmpty())
        return failed(checkOut ? QStringLiteral("实收金额不能为空,可以填0！") : QStringLiteral("实收金额不能为空！"),
                      LeaseBox::Received);
    defaultIfEmpty(f.price, "1");
    defaultIfEmpty(f.leaseDays, "0");
    return LeaseCheck{};
}

LeaseValues convert(const LeaseFormTexts &f, LeaseWindow window)
{
    LeaseValues v;
    v.occupants = toInteger(f.occupants);
    v.startDate = toDate(f.startDate);
    v.count = toInteger(f.count);
    v.endDate = toDate(f.endDate);
    v.leaseDays = toInteger(f.leaseDays);
    v.rentDue = toFloat(f.rentDue);
    v.discount = toFloat(f.discount);
    v.received = toFloat(f.received);
    if (hasReadings(window)) {
        v.electricity = toFloat(f.electricity);
        v.water = toFloat(f.water);
    }
    v.tenantId = toInteger(f.tenantId);
    return v;
}
} // namespace

LeaseCheck checkLeaseForm(LeaseFormTexts &form, LeaseWindow window)
{
    LeaseCheck check = checkTexts(form, window);
    if (!check.passed())
        return check;
    check.values = convert(form, window);
    // A lease that ends before it starts would store negative lease days and a negative rent.
    if (check.values.endDate < check.values.startDate)
        return failed(QStringLiteral("合同到期日期不能早于合同起始日期！"), LeaseBox::EndDate);
    return check;
}
