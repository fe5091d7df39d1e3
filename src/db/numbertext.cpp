#include "db/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {
QString withoutTrailingZeros(QString text)
{
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}
} // namespace

QString formatNumber(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);
    // 15 significant digits drop the binary noise of sums such as 0.1 + 0.2.
    QString text = QString::number(value, 'g', 15);
    if (text.contains('e')) {
        // Very large or very small values in plain decimals, never in exponent form.
        const int digitsBeforePoint = std::max(1, int(std::floor(std::log10(std::fabs(value)))) + 1);
        text = QString::number(value, 'f', std::clamp(15 - digitsBeforePoint, 0, 15));
    }
    text = withoutTrailingZeros(text);
    // A difference of close values (100.1 - 100.3) keeps noise in its 15 digits; no amount,
    // reading or area has more than ten decimals, so the shorter form rounded there wins.
    const QString tenDecimals = withoutTrailingZeros(QString::number(value, 'f', 10));
    return tenDecimals.size() < text.size() ? tenDecimals : text;
}

double cleanAmount(double value)
{
    return formatNumber(value).toDouble();
}

QString format00(double value)
{
    // Round the cents of the decimal value the person typed, not of its binary neighbour:
    // 1350.505 is held as 1350.50499..., and must still print as 1350.51.
    const double cents = QString::number(value * 100.0, 'g', 15).toDouble();
    const double rounded = std::round(cents) / 100.0;
    QString text = QString::number(std::fabs(rounded), 'f', 2);
    if (text.indexOf('.') < 2)
        text.prepend('0');
    if (rounded < 0)
        text.prepend('-');
    return text;
}
