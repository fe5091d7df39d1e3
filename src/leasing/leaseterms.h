// Lease terms: the last day of a lease of some months or days, the lease days and the day the
// expiry warning starts, shared by the renting-out, renewal and check-out windows.
#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// How a lease is counted: the radio "按月" (months) or "按天" (days).
enum class LeaseUnit { Months, Days };

// The word beside the count: "月" or "天".
QString leaseUnitLabel(LeaseUnit unit);
// The counts offered in the list: "1" to "24" months or "1" to "90" days.
QStringList leaseCountItems(LeaseUnit unit);
// The count a switch to this unit starts with: one month or thirty days.
QString defaultLeaseCount(LeaseUnit unit);

// The last day of a lease of `months` months: the same day of the month that many months on
// (the last day of that month when it is shorter), less one day. 2024-01-31 + 1 → 2024-02-28.
QDate monthTermEnd(const QDate &start, int months);
// The last day of a lease of `days` days: the start plus days less one.
QDate dayTermEnd(const QDate &start, int days);
QDate termEnd(const QDate &start, int count, LeaseUnit unit);

// The days of a lease, first and last day both counted: end − start + 1.
qint64 leaseDays(const QDate &start, const QDate &end);
// The days from the start to the end, the end not counted: end − start (what check-out shows
// when the end date is left or either date is picked).
qint64 daysFromStartToEnd(const QDate &start, const QDate &end);

// The day the expiry warning starts: the end date less the room's alarm days.
QDate warningDate(const QDate &end, int alarmDays);

// A count of months or days as the operator may type it: a whole number of at least 1.
bool isLeaseCount(const QString &text);

// The end date and lease days that follow from the start date and the count.
struct LeaseTermTexts {
    QString message; // "数据格式不对！" when the count is no whole number of at least 1
    QString endDate;
    QString leaseDays;
    bool ok() const { return message.isEmpty(); }
};
// Count changed: the end date and lease days from the start date and the count texts; nothing
// (nullopt) while either box is empty. A start date that is no date throws ConversionError.
std::optional<LeaseTermTexts> leaseTermFromCount(const QString &startText, const QString &countText,
                                                 LeaseUnit unit);
// Leaving a date box: end − start + 1 as text; nothing (nullopt) while either box is empty.
// A text that is no date throws ConversionError.
std::optional<QString> leaseDaysText(const QString &startText, const QString &endText);
