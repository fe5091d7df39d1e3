#include "leasing/rent.h"
#include "common/values.h"

#include <algorithm>
#include <optional>

namespace {
// The decimals of an amount as the landlord typed it (1200.5 has one); nothing for a number that
// only an exponent form shows.
std::optional<int> decimalsOf(double amount)
{
    const QString text = formatNumber(amount);
    if (text.contains('e'))
        return std::nullopt;
    const int point = text.indexOf('.');
    return point < 0 ? 0 : int(text.size() - point - 1);
}

// A sum, difference or product of typed amounts has no more decimals than its operands give it;
// rounding to them drops the binary noise (3 × 0.1 is 0.30000000000000004, 100.1 − 100.3 is
// −0.20000000000000284, which 15 significant digits would still show).
double toDecimals(double value, std::optional<int> decimals)
{
    if (!decimals || *decimals > 15)
        return cleanAmount(value);
    // + 0.0: a difference that comes out as -0 is stored as 0.
    return QString::number(value, 'f', *decimals).toDouble() + 0.0;
}

std::optional<int> sumDecimals(double a, double b)
{
    const auto x = decimalsOf(a), y = decimalsOf(b);
    if (!x || !y)
        return std::nullopt;
    return std::max(*x, *y);
}

std::optional<int> productDecimals(double a, double b)
{
    const auto x = decimalsOf(a), y = decimalsOf(b);
    if (!x || !y)
        return std::nullopt;
    return *x + *y;
}
} // namespace

double monthRent(int months, double monthlyPrice)
{
    return toDecimals(months * monthlyPrice, productDecimals(months, monthlyPrice));
}

double dayRent(int days, double dailyPrice)
{
    return toDecimals(days * dailyPrice, productDecimals(days, dailyPrice));
}

double amountReceived(double due, double discount)
{
    return toDecimals(due - discount, sumDecimals(due, discount));
}

double checkOutTotal(double rentReceived, double depositRefund)
{
    return toDecimals(rentReceived - depositRefund, sumDecimals(rentReceived, depositRefund));
}

void computeRentDue(LeaseFormTexts &form, const LeaseRoom &room)
{
    if (form.monthlyRent) {
        form.rentDue = formatNumber(monthRent(toInteger(form.count), room.monthlyPrice));
        return;
    }
    const QString days = form.leaseDays.isEmpty() ? QStringLiteral("0") : form.leaseDays;
    const double due = dayRent(toInteger(days), room.dailyPrice);
    form.leaseDays = days;
    form.rentDue = formatNumber(due);
}

std::optional<QString> receivedText(const QString &due, const QString &discount)
{
    if (due.isEmpty() || discount.isEmpty())
        return std::nullopt;
    return formatNumber(amountReceived(toFloat(due), toFloat(discount)));
}
