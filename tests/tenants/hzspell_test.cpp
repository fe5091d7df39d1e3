// Pinyin initials: the romanisation rules on GBK bytes and the generated reading table.
#include "tenants/hzspell.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray gbk(const char *utf8)
{
    return HzSpell::toGbk(QString::fromUtf8(utf8));
}

QByteArray raw(const char *bytes)
{
    return QByteArray(bytes);
}

QByteArray codeBytes(int lead, int trail)
{
    QByteArray bytes;
    bytes.append(char(lead));
    bytes.append(char(trail));
    return bytes;
}

struct InitialsCase
{
    QByteArray input;
    const char *expected;
};

TEST(HzSpell, InitialsOfTexts)
{
    const InitialsCase cases[] = {
        {gbk("中文"), "zw"},
        {gbk("长城"), "zc"},
        {gbk("曾"), "c"},
        {gbk("长曾行重乐单朴区解丂犇屗"), "zchzldpqjybu"},
        {gbk("Ａ1中b"), "A1zb"},
        {gbk("张 三"), "zs"},
        {gbk("O'Neil"), "ONeil"},
        {gbk("a_b"), "ab"},
        {gbk("a-b"), "a-b"},
        {gbk("⒖θ"), "1t"},
        {gbk("Θⅻ"), "t"},            // the small ⅻ is not in GBK
        {gbk("ⅹ①㈤Ⅻ⑴"), "11511"},   // numbered symbols give their first digit
        {gbk("〇。、"), ""},
        {gbk("ДЁāぁア┌"), ""},        // Cyrillic, pinyin letters, kana, box drawing
        {gbk("（Ｚｚ［］）＿，"), "(Zz[])"},
        {gbk("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"), "!\"#$%&()*+-.:<>?@[]^"},
        {gbk("\t\x7f" "09AZaz"), "09AZaz"},
        {raw("\xB0\xA1\x81"), "a"},     // a lone lead byte at the end is ignored
        {raw("\xB0\xA1\xFE"), "a"},
        {raw("\x81\x30" "a"), "a"},     // lead + trail below 0x40: the pair gives nothing
        {raw("\xFF\x41" "b"), "b"},     // a pair with 0xFF is outside the table
        {raw("\xB0\xFF" "b"), "b"},
        {raw("\x80" "c"), "c"},         // 0x80 (the euro sign) has no romanisation
        {QByteArray(), ""},
    };
    for (const InitialsCase &c : cases)
        EXPECT_EQ(HzSpell::initials(c.input).toStdString(), c.expected)
            << "input bytes " << c.input.toHex(' ').constData();
}

TEST(HzSpell, TextsOutsideGbkDropThoseCharacters)
{
    EXPECT_EQ(HzSpell::initials(QString::fromUtf8("张三")).toStdString(), "zs");
    // Must not become '?', which would pass through into the initials.
    EXPECT_EQ(HzSpell::initials(QString::fromUtf8("张\U0001F600三\U00020000")).toStdString(), "zs");
    EXPECT_TRUE(HzSpell::initials(QString()).isEmpty());
}

struct RomaniseCase
{
    QByteArray bytes;
    int count;
    const char *expected;
};

TEST(HzSpell, RomanisationOfOneCharacter)
{
    const RomaniseCase cases[] = {
        {gbk("长"), 2, "zhang"},
        {gbk("⒖"), 2, "15"},
        {gbk("Ⅻ"), 2, "12"},
        {gbk("⒇"), 2, "20"},
        {raw("\xA2\xA0"), 2, ""},      // row 0xA2 below the numbered symbols
        {raw("\xA2\xE3"), 2, ""},      // between ⑩ and ㈠
        {gbk("θ"), 2, "th"},
        {gbk("Ψ"), 2, "ps"},
        {gbk("ω"), 2, "o"},
        {raw("\xA6\xB9"), 2, ""},      // between the capitals and the small letters
        {gbk("Ａ"), 2, "A"},
        {gbk("＿"), 2, ""},
        {raw("\xA3\x41"), 2, ""},      // row 0xA3 below 0x80 is no full-width character
        {gbk("中"), 1, ""},            // a lead byte alone
        {raw("a"), 1, "a"},
        {raw("ab"), 2, "a"},           // below 0x81 only the first byte counts
        {raw("a"), 0, ""},
        {raw("\xFF\xFF"), 2, ""},
    };
    for (const RomaniseCase &c : cases)
        EXPECT_EQ(HzSpell::romanise(c.bytes.constData(), c.count).toStdString(), c.expected)
            << "bytes " << c.bytes.toHex(' ').constData() << " count " << c.count;
    EXPECT_EQ(HzSpell::romanise(nullptr, 0), "");
    EXPECT_EQ(HzSpell::initial(gbk("长").constData(), 2), "z");
    EXPECT_EQ(HzSpell::initial(gbk("〇").constData(), 2), "");
}

struct SyllableCase
{
    quint16 code;
    const char *syllable;
};

TEST(HzSpell, ChosenReadingsOfTheTable)
{
    const SyllableCase cases[] = {
        {0xB0A1, "a"},     // 啊
        {0xB3A4, "zhang"}, // 长
        {0xD4F8, "ceng"},  // 曾
        {0xD0D0, "hang"},  // 行
        {0xD6D8, "zhong"}, // 重
        {0xC0D6, "le"},    // 乐
        {0xB5A5, "dan"},   // 单
        {0xC6D3, "pu"},    // 朴
        {0xC7F8, "qu"},    // 区
        {0xBDE2, "jie"},   // 解
        {0x8140, "yu"},    // 丂
        {0xA0C4, "ben"},   // 犇
        {0x8CCB, "uu"},    // 屗
        {0xA996, ""},      // 〇
        {0xC2CC, "lv"},    // 绿
        {0xFD9C, "lang"},  // compatibility ideograph of 郎
        {0xFE47, ""},      // row 0xFE has no readings
        {0x8100, ""},      // outside the table
        {0x80A1, ""},
    };
    for (const SyllableCase &c : cases)
        EXPECT_EQ(HzSpell::syllable(c.code).toStdString(), c.syllable) << std::hex << c.code;
}

TEST(HzSpell, SyllableListIsAlphabeticalPlainLetters)
{
    const int count = HzSpell::syllableCount();
    ASSERT_GT(count, 400);
    EXPECT_EQ(HzSpell::syllableText(1), "a");
    EXPECT_EQ(HzSpell::syllableText(count), "zuo");
    EXPECT_EQ(HzSpell::syllableText(0), "");
    EXPECT_EQ(HzSpell::syllableText(count + 1), "");
    for (int n = 1; n <= count; ++n) {
        const QString s = HzSpell::syllableText(n);
        EXPECT_TRUE(s.size() >= 1 && s.size() <= 6) << n;
        for (QChar ch : s)
            EXPECT_TRUE(ch >= u'a' && ch <= u'z') << s.toStdString();
        if (n > 1) {
            EXPECT_LT(HzSpell::syllableText(n - 1), s) << n;
        }
    }
}

// Every reading belongs to a real GBK character as the program's own encoder sees it,
// refers to a syllable of the list, and the symbol rows carry none.
TEST(HzSpell, ReadingTableSweep)
{
    QStringDecoder decoder("GBK");
    QStringEncoder encoder("GBK");
    int withReading = 0;
    for (int lead = HzSpell::leadFirst; lead <= HzSpell::leadLast; ++lead) {
        const bool symbolRow = (lead >= 0xA1 && lead <= 0xA9) || lead == 0xFE;
        for (int trail = HzSpell::trailFirst; trail <= HzSpell::trailLast; ++trail) {
            const int n = HzSpell::syllableNumber(quint16(lead << 8 | trail));
            if (n == 0)
                continue;
            ++withReading;
            ASSERT_LE(n, HzSpell::syllableCount()) << std::hex << lead << trail;
            EXPECT_FALSE(symbolRow) << std::hex << lead << trail;
            const QByteArray bytes = codeBytes(lead, trail);
            const QString text = decoder.decode(bytes);
            EXPECT_EQ(text.size(), 1) << std::hex << lead << trail;
            EXPECT_EQ(QByteArray(encoder.encode(text)), bytes) << std::hex << lead << trail;
        }
    }
    EXPECT_FALSE(decoder.hasError());
    EXPECT_GE(withReading, 20900);
    EXPECT_EQ(HzSpell::tableSize, 24066);
}

} // namespace
