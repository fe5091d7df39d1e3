#include "leasing/chargearithmetic.h"
#include "common/values.h"

namespace {
std::optional<double> number(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    try {
        return toFloat(text);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}
} // namespace

std::optional<QString> productText(const QString &a, const QString &b)
{
    const auto x = number(a), y = number(b);
    if (!x || !y)
        return std::nullopt;
    return formatNumber(cleanAmount(*x * *y));
}

std::optional<QString> differenceText(const QString &a, const QString &b)
{
    const auto x = number(a), y = number(b);
    if (!x || !y)
        return std::nullopt;
    return formatNumber(cleanAmount(*x - *y));
}
