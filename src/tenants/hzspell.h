// Pinyin initials of a text: every Chinese character gives the first letter of its reading.
#pragma once

#include <QByteArray>
#include <QString>

// Works on GBK bytes, the encoding of all text in the program. Stateless; the tenant
// register stores initials(name) so that tenants can be found by typing them.
class HzSpell
{
public:
    // Bounds of the reading table: lead bytes 0x81..0xFE by trail bytes 0x40..0xFE.
    static constexpr int leadFirst = 0x81;
    static constexpr int leadLast = 0xFE;
    static constexpr int trailFirst = 0x40;
    static constexpr int trailLast = 0xFE;
    static constexpr int columns = trailLast - trailFirst + 1;
    static constexpr int rows = leadLast - leadFirst + 1;
    static constexpr int tableSize = rows * columns;

    // Romanisation of one character of one or two bytes (count says how many are given);
    // empty when the character has none.
    static QString romanise(const char *bytes, int count);
    // The first letter of romanise(), or empty.
    static QString initial(const char *bytes, int count);
    // The initials of every character of a GBK text, concatenated.
    static QString initials(const QByteArray &gbk);
    // The initials of a text; characters outside GBK give nothing.
    static QString initials(const QString &text);
    // The text in GBK; a character outside GBK becomes a NUL byte, which romanises to nothing.
    static QByteArray toGbk(const QString &text);

    // Number of the syllable the reading table gives a double-byte code (lead << 8 | trail);
    // 0 for no reading and for a code outside the table.
    static int syllableNumber(quint16 code);
    // The syllable of a double-byte code, empty for no reading.
    static QString syllable(quint16 code);
    // The syllable with that number (1..syllableCount()), empty otherwise.
    static QString syllableText(int number);
    static int syllableCount();

private:
    static QString numberedSymbol(uchar trail);
    static QString fullWidth(uchar trail);
    static QString greek(uchar trail);
    static QString single(uchar byte);

    // Generated into hzspelltable.cpp by tools/gen_hzspelltable.py.
    static const int syllableListSize;
    static const char *const syllableList[];
    static const quint16 readingTable[];
};
