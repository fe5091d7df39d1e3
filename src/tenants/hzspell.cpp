#include "tenants/hzspell.h"

#include <QStringEncoder>

#include <array>

namespace {

// GBK row 0xA2: runs of numbered symbols, each run counting from 1.
struct NumberedRun
{
    uchar first;
    uchar last;
};
constexpr std::array<NumberedRun, 6> numberedRuns{{
    {0xA1, 0xAA}, // ⅰ..ⅹ
    {0xB1, 0xC4}, // ⒈..⒛
    {0xC5, 0xD8}, // ⑴..⒇
    {0xD9, 0xE2}, // ①..⑩
    {0xE5, 0xEE}, // ㈠..㈩
    {0xF1, 0xFC}, // Ⅰ..Ⅻ
}};

// GBK row 0xA6: the Greek alphabet, capitals and small letters alike.
constexpr std::array<const char *, 24> greekLetters{
    "a", "b", "g", "d", "e", "z", "e", "th", "i", "k", "l", "m",
    "n", "x", "o", "p", "r", "s", "t", "u", "ph", "kh", "ps", "o"};

bool inRange(int c, int first, int last)
{
    return c >= first && c <= last;
}

// Single bytes that stand for themselves: most printable ASCII, but not the blank,
// ' , / ; = \ _ ` { | } ~, so that names like O'Neil or a_b give ONeil and ab.
bool passesThrough(uchar c)
{
    return inRange(c, 0x21, 0x26) || inRange(c, 0x28, 0x2B) || inRange(c, 0x2D, 0x2E)
        || inRange(c, 0x30, 0x3A) || c == 0x3C || inRange(c, 0x3E, 0x5B)
        || inRange(c, 0x5D, 0x5E) || inRange(c, 0x61, 0x7A);
}

} // namespace

QString HzSpell::romanise(const char *bytes, int count)
{
    if (count <= 0 || !bytes)
        return {};
    const uchar b0 = uchar(bytes[0]);
    const uchar b1 = count >= 2 ? uchar(bytes[1]) : 0;
    if (count >= 2 && b0 >= 0x81 && b1 >= 0x40) {
        switch (b0) {
        case 0xA2:
            return numberedSymbol(b1);
        case 0xA3:
            return fullWidth(b1);
        case 0xA6:
            return greek(b1);
        default:
            return syllable(quint16(b0 << 8 | b1));
        }
    }
    // Also a lead byte with a trail byte below 0x40: the pair gives what the lead alone gives.
    return single(b0);
}

QString HzSpell::initial(const char *bytes, int count)
{
    return romanise(bytes, count).left(1);
}

QString HzSpell::initials(const QByteArray &gbk)
{
    QString result;
    const qsizetype length = gbk.size();
    qsizetype i = 0;
    while (i < length) {
        // A byte from 0x81 up leads a pair unless it is the last byte of the text.
        const int taken = uchar(gbk[i]) >= 0x81 && i + 1 < length ? 2 : 1;
        result += initial(gbk.constData() + i, taken);
        i += taken;
    }
    return result;
}

QString HzSpell::initials(const QString &text)
{
    return initials(toGbk(text));
}

QByteArray HzSpell::toGbk(const QString &text)
{
    // Without the flag the encoder writes '?' for such a character, which would pass
    // through into the initials.
    QStringEncoder encoder("GBK", QStringConverter::Flag::ConvertInvalidToNull);
    return encoder.encode(text);
}

int HzSpell::syllableNumber(quint16 code)
{
    const int lead = code >> 8;
    const int trail = code & 0xFF;
    if (!inRange(lead, leadFirst, leadLast) || !inRange(trail, trailFirst, trailLast))
        return 0;
    return readingTable[(lead - leadFirst) * columns + (trail - trailFirst)];
}

QString HzSpell::syllable(quint16 code)
{
    return syllableText(syllableNumber(code));
}

QString HzSpell::syllableText(int number)
{
    if (!inRange(number, 1, syllableListSize))
        return {};
    return QString::fromLatin1(syllableList[number]);
}

int HzSpell::syllableCount()
{
    return syllableListSize;
}

QString HzSpell::numberedSymbol(uchar trail)
{
    for (const NumberedRun &run : numberedRuns) {
        if (inRange(trail, run.first, run.last))
            return QString::number(trail - run.first + 1);
    }
    return {};
}

// Full-width parentheses, digits, letters and square brackets read as their ASCII twins.
QString HzSpell::fullWidth(uchar trail)
{
    const int c = trail - 0x80;
    const bool kept = c == 0x28 || c == 0x29 || inRange(c, 0x30, 0x39) || inRange(c, 0x41, 0x5B)
        || c == 0x5D || inRange(c, 0x61, 0x7A);
    return kept ? QString(QChar(c)) : QString();
}

QString HzSpell::greek(uchar trail)
{
    if (inRange(trail, 0xA1, 0xB8))
        return QString::fromLatin1(greekLetters[trail - 0xA1]);
    if (inRange(trail, 0xC1, 0xD8))
        return QString::fromLatin1(greekLetters[trail - 0xC1]);
    return {};
}

QString HzSpell::single(uchar byte)
{
    return passesThrough(byte) ? QString(QChar(byte)) : QString();
}
