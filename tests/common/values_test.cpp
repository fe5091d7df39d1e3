// Conversions of typed text: good texts give the value, bad ones a ConversionError naming the text.
#include "common/values.h"
#include "support/roomlettest.h"

namespace {

class ValuesTest : public RoomletTest
{
};

enum class Kind { Float, Integer, Date };

// The converted value as text, or "error: <message>".
QString convert(Kind kind, const QString &text)
{
    try {
        switch (kind) {
        case Kind::Float: return formatNumber(toFloat(text));
        case Kind::Integer: return QString::number(toInteger(text));
        case Kind::Date: return dateText(toDate(text));
        }
    } catch (const ConversionError &e) {
        return "error: " + e.text();
    }
    return QString();
}

TEST_F(ValuesTest, GoodTextsConvertAndBadOnesFail)
{
    const QString bad; // marks a text that must fail
    const struct {
        Kind kind;
        QString text, expected;
    } cases[] = {
        {Kind::Float, "1500.5", "1500.5"},
        {Kind::Float, " 12 ", "12"},
        {Kind::Float, "-3", "-3"},
        {Kind::Float, ".5", "0.5"},
        {Kind::Float, "", bad},
        {Kind::Float, "abc", bad},
        {Kind::Float, "1-2.3.4", bad},
        {Kind::Float, "1.2.3", bad},
        {Kind::Float, "1,5", bad},
        {Kind::Float, "inf", bad},
        {Kind::Float, "nan", bad},
        {Kind::Integer, "42", "42"},
        {Kind::Integer, " -7 ", "-7"},
        {Kind::Integer, "2147483647", "2147483647"},
        {Kind::Integer, "2147483648", bad},
        {Kind::Integer, "1.5", bad},
        {Kind::Integer, "12a", bad},
        {Kind::Integer, "", bad},
        {Kind::Date, "2024-03-05", "2024-03-05"},
        {Kind::Date, "2024-3-5", "2024-03-05"},
        {Kind::Date, "53-1-2", "2053-01-02"}, // the window starts 70 years before 2024
        {Kind::Date, "54-1-2", "1954-01-02"},
        {Kind::Date, "2024-02-29", "2024-02-29"},
        {Kind::Date, "2023-02-29", bad},
        {Kind::Date, "2024-13-01", bad},
        {Kind::Date, "2024/03/05", bad},
        {Kind::Date, "20240305", bad},
        {Kind::Date, "", bad},
    };
    for (const auto &c : cases) {
        const QString got = convert(c.kind, c.text);
        if (c.expected.isEmpty())
            EXPECT_TRUE(got.startsWith("error: ") && got.contains("“" + c.text + "”")) << c.text.toStdString() << " gave " << got.toStdString();
        else
            EXPECT_EQ(got, c.expected) << c.text.toStdString();
    }
}

} // namespace
