#include "common/values.h"
#include "common/clock.h"

#include <QRegularExpression>

#include <cmath>

namespace {
ConversionError notNumber(const QString &text)
{
    return ConversionError(QStringLiteral("“%1”不是有效的数值").arg(text));
}
} // namespace

double toFloat(const QString &text)
{
    static const QRegularExpression number(R"(^\s*[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?\s*$)");
    if (!number.match(text).hasMatch())
        throw notNumber(text);
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw notNumber(text);
    return v;
}

bool isInteger(const QString &text)
{
    static const QRegularExpression whole(R"(^\s*[-+]?\d+\s*$)");
    if (!whole.match(text).hasMatch())
        return false;
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

int toInteger(const QString &text)
{
    if (!isInteger(text))
        throw ConversionError(QStringLiteral("“%1”不是有效的整数").arg(text));
    return text.trimmed().toInt();
}

QDate toDate(const QString &text)
{
    static const QRegularExpression form(R"(^\s*(\d{1,4})-(\d{1,2})-(\d{1,2})\s*$)");
    const auto m = form.match(text);
    QDate d;
    if (m.hasMatch()) {
        int year = m.captured(1).toInt();
        if (m.captured(1).size() <= 2) {
            // The hundred-year window starting 70 years back: with 2024, 53 is 2053 and 54 is 1954.
            const int first = today().year() - 70;
            year += (first / 100) * 100;
            if (year < first)
                year += 100;
        }
        d = QDate(year, m.captured(2).toInt(), m.captured(3).toInt());
    }
    if (!d.isValid())
        throw ConversionError(QStringLiteral("“%1”不是有效的日期").arg(text));
    return d;
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}
