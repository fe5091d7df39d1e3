#include "leasing/leaseterms.h"
#include "common/values.h"

QString leaseUnitLabel(LeaseUnit unit)
{
    return unit == LeaseUnit::Months ? QStringLiteral("月") : QStringLiteral("天");
}

QStringList leaseCountItems(LeaseUnit unit)
{
    const int last = unit == LeaseUnit::Months ? 24 : 90;
    QStringList items;
    for (int n = 1; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QString defaultLeaseCount(LeaseUnit unit)
{
    return unit == LeaseUnit::Months ? QStringLiteral("1") : QStringLiteral("30");
}

QDate monthTermEnd(const QDate &start, int months)
{
    // QDate::addMonths keeps the day of the month and clamps it to the target month's last day.
    return start.addMonths(months).addDays(-1);
}

QDate dayTermEnd(const QDate &start, int days)
{
    return start.addDays(qint64(days) - 1);
}

QDate termEnd(const QDate &start, int count, LeaseUnit unit)
{
    return unit == LeaseUnit::Months ? monthTermEnd(start, count) : dayTermEnd(start, count);
}

qint64 leaseDays(const QDate &start, const QDate &end)
{
    return start.daysTo(end) + 1;
}

qint64 daysFromStartToEnd(const QDate &start, const QDate &end)
{
    return start.daysTo(end);
}

QDate warningDate(const QDate &end, int alarmDays)
{
    return end.addDays(-qint64(alarmDays));
}

bool isLeaseCount(const QString &text)
{
    // Zero or a negative count would give a lease that ends before it starts.
    return isInteger(text) && toInteger(text) >= 1;
}

std::optional<LeaseTermTexts> leaseTermFromCount(const QString &startText, const QString &countText,
                                                 LeaseUnit unit)
{
    if (startText.isEmpty() || countText.isEmpty())
        return std::nullopt;
    LeaseTermTexts term;
    if (!isLeaseCount(countText)) {
        term.message = QStringLiteral("数据格式不对！");
        return term;
    }
    const QDate start = toDate(startText);
    const QDate end = termEnd(start, toInteger(countText), unit);
    term.endDate = dateText(end);
    term.leaseDays = QString::number(leaseDays(start, end));
    return term;
}

std::optional<QString> leaseDaysText(const QString &startText, const QString &endText)
{
    if (startText.isEmpty() || endText.isEmpty())
        return std::nullopt;
    return QString::number(leaseDays(toDate(startText), toDate(endText)));
}
