#include "xlswriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <new>

namespace {

// BIFF8 record types.
constexpr uint16_t RecBof = 0x0809;
constexpr uint16_t RecEof = 0x000A;
constexpr uint16_t RecCodepage = 0x0042;
constexpr uint16_t RecWindow1 = 0x003D;
constexpr uint16_t RecFont = 0x0031;
constexpr uint16_t RecXf = 0x00E0;
constexpr uint16_t RecStyle = 0x0293;
constexpr uint16_t RecBoundSheet = 0x0085;
constexpr uint16_t RecSst = 0x00FC;
constexpr uint16_t RecContinue = 0x003C;
constexpr uint16_t RecExtSst = 0x00FF;
constexpr uint16_t RecDimensions = 0x0200;
constexpr uint16_t RecWindow2 = 0x023E;
constexpr uint16_t RecLabelSst = 0x00FD;
constexpr uint16_t RecLabel = 0x0204;

// Largest data part of one record; longer data goes on in CONTINUE records.
constexpr int MaxRecordData = 8224;

// Readers expect the 16 fixed XFs: 15 style XFs, then the default cell XF, which all our
// cells use.
constexpr uint16_t StyleXfCount = 15;
constexpr uint16_t CellXf = 15;

// Marks a place in a row that holds no cell.
constexpr uint32_t NoCell = 0xFFFFFFFF;

// xls2csv reads a shared string index as 16 bits, so only the first 65536 distinct strings
// go in the shared string table; later ones are written inline in LABEL cells, which every
// reader takes as well.
constexpr uint32_t SharedStringLimit = 65536;
constexpr uint32_t Inline = 0xFFFFFFFF;

// Compound file constants.
constexpr int SectorSize = 512;
constexpr int IdsPerSector = SectorSize / 4;
constexpr int HeaderDifatSlots = 109;
constexpr int DifatSlotsPerSector = IdsPerSector - 1;
constexpr uint32_t FreeSect = 0xFFFFFFFF;
constexpr uint32_t EndOfChain = 0xFFFFFFFE;
constexpr uint32_t FatSect = 0xFFFFFFFD;
constexpr uint32_t DifSect = 0xFFFFFFFC;
constexpr uint32_t NoStream = 0xFFFFFFFF;
// Streams below this size would belong in the mini stream; the workbook is padded up to it
// so that it can always live in regular sectors.
constexpr int MiniStreamCutoff = 4096;

void putU8(QByteArray &out, uint8_t v) { out.append(char(v)); }

void putU16(QByteArray &out, uint16_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void putU32(QByteArray &out, uint32_t v)
{
    putU16(out, uint16_t(v & 0xFFFF));
    putU16(out, uint16_t(v >> 16));
}

void setU32(QByteArray &out, qsizetype at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((v >> (8 * i)) & 0xFF);
}

void putRecord(QByteArray &out, uint16_t type, const QByteArray &data)
{
    putU16(out, type);
    putU16(out, uint16_t(data.size()));
    out.append(data);
}

bool fitsInOneByte(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

// Characters [from, from + count) as one byte each (all below 0x100) or as UTF-16LE.
void putChars(QByteArray &out, const QString &text, qsizetype from, qsizetype count, bool wide)
{
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (wide)
            putU16(out, c);
        else
            putU8(out, uint8_t(c));
    }
}

// A short string as in FONT and BOUNDSHEET: 8-bit length, flags, characters.
void putShortString(QByteArray &out, const QString &text)
{
    const bool wide = !fitsInOneByte(text);
    putU8(out, uint8_t(text.size()));
    putU8(out, wide ? 1 : 0);
    putChars(out, text, 0, text.size(), wide);
}

QByteArray bof(uint16_t substreamType)
{
    QByteArray d;
    putU16(d, 0x0600); // BIFF8
    putU16(d, substreamType);
    putU16(d, 0x0DBB); // build
    putU16(d, 0x07CC); // year
    putU32(d, 0x000040C1); // file history
    putU32(d, 0x00000106); // lowest version that can read the file
    return d;
}

QByteArray window1()
{
    QByteArray d;
    putU16(d, 0x0000);
    putU16(d, 0x0000);
    putU16(d, 0x4000); // width
    putU16(d, 0x2000); // height
    putU16(d, 0x0038); // horizontal and vertical scroll bars, sheet tabs
    putU16(d, 0); // active sheet
    putU16(d, 0); // first visible tab
    putU16(d, 1); // selected sheets
    putU16(d, 600); // tab bar width ratio
    return d;
}

QByteArray font()
{
    QByteArray d;
    putU16(d, 200); // height in twips: 10 pt
    putU16(d, 0); // attributes
    putU16(d, 0x7FFF); // automatic colour
    putU16(d, 400); // normal weight
    putU16(d, 0); // no super/subscript
    putU8(d, 0); // no underline
    putU8(d, 0); // family
    putU8(d, 134); // GB2312 character set
    putU8(d, 0);
    putShortString(d, QStringLiteral("宋体"));
    return d;
}

QByteArray xf(bool style)
{
    QByteArray d;
    putU16(d, 0); // font
    putU16(d, 0); // number format: General
    putU16(d, style ? 0xFFF5 : 0x0001); // locked; a style XF has no parent, a cell XF has style 0
    putU8(d, 0x20); // bottom aligned
    putU8(d, 0); // no rotation
    putU8(d, 0); // no indent
    putU8(d, style ? 0xF4 : 0x00); // which attributes the XF carries
    putU32(d, 0); // no borders
    putU32(d, 0);
    putU16(d, 0x20C0); // pattern colours: system foreground and background
    return d;
}

QByteArray normalStyle()
{
    QByteArray d;
    putU16(d, 0x8000); // built-in style on XF 0
    putU8(d, 0); // "Normal"
    putU8(d, 0xFF);
    return d;
}

// Writes the shared string table as SST and CONTINUE records into out (whose size is the
// stream position) and returns the EXTSST data that indexes it. Where a string does not fit
// in the rest of a record, its characters go on in a CONTINUE record that starts with the
// flags byte again; the 3-byte string header and a character are never split.
QByteArray putSharedStrings(QByteArray &out, const std::vector<const QString *> &strings,
                            uint32_t cellCount)
{
    const uint16_t perBucket = uint16_t(std::max<size_t>(8, (strings.size() + 127) / 128));
    QByteArray ext;
    putU16(ext, perBucket);

    QByteArray rec;
    uint16_t recType = RecSst;
    auto flush = [&] {
        putRecord(out, recType, rec);
        recType = RecContinue;
        rec.clear();
    };
    putU32(rec, cellCount);
    putU32(rec, uint32_t(strings.size()));

    for (size_t i = 0; i < strings.size(); ++i) {
        const QString &s = *strings[i];
        const bool wide = !fitsInOneByte(s);
        const int unit = wide ? 2 : 1;
        if (MaxRecordData - rec.size() < 3 + unit)
            flush();
        if (i % perBucket == 0) {
            putU32(ext, uint32_t(out.size() + 4 + rec.size()));
            putU16(ext, uint16_t(4 + rec.size()));
            putU16(ext, 0);
        }
        putU16(rec, uint16_t(s.size()));
        putU8(rec, wide ? 1 : 0);
        qsizetype done = 0;
        while (true) {
            const qsizetype n = std::min<qsizetype>(s.size() - done, (MaxRecordData - rec.size()) / unit);
            putChars(rec, s, done, n, wide);
            done += n;
            if (done == s.size())
                break;
            flush();
            putU8(rec, wide ? 1 : 0);
        }
    }
    flush();
    return ext;
}

struct StringTable
{
    std::vector<const QString *> shared; // in table order
    std::vector<uint32_t> slot; // per distinct string: its table index, or Inline
    uint32_t references = 0; // cells that refer to the table
};

// A LABEL record holds row, column, XF and the string in one record, so it cannot continue.
bool fitsInLabel(const QString &text)
{
    return 6 + 3 + text.size() * (fitsInOneByte(text) ? 1 : 2) <= MaxRecordData;
}

StringTable stringTable(const std::vector<QString> &strings,
                        const std::vector<std::vector<uint32_t>> &rows)
{
    StringTable t;
    t.slot.reserve(strings.size());
    for (size_t i = 0; i < strings.size(); ++i) {
        // A string too long for a LABEL stays shared even past the limit (Excel reads it).
        if (i < SharedStringLimit || !fitsInLabel(strings[i])) {
            t.slot.push_back(uint32_t(t.shared.size()));
            t.shared.push_back(&strings[i]);
        } else {
            t.slot.push_back(Inline);
        }
    }
    for (const auto &row : rows)
        for (uint32_t index : row)
            if (index != NoCell && t.slot[index] != Inline)
                ++t.references;
    return t;
}

QByteArray globals(const StringTable &table, uint32_t *sheetPosAt)
{
    QByteArray out;
    putRecord(out, RecBof, bof(0x0005));
    QByteArray codepage;
    putU16(codepage, 1200); // UTF-16
    putRecord(out, RecCodepage, codepage);
    putRecord(out, RecWindow1, window1());
    // Readers skip font index 4, so the usual first four fonts are written, all alike.
    for (int i = 0; i < 4; ++i)
        putRecord(out, RecFont, font());
    for (int i = 0; i < StyleXfCount; ++i)
        putRecord(out, RecXf, xf(true));
    putRecord(out, RecXf, xf(false));
    putRecord(out, RecStyle, normalStyle());

    QByteArray sheet;
    putU32(sheet, 0); // stream position of the sheet's BOF, set once known
    putU8(sheet, 0); // visible
    putU8(sheet, 0); // worksheet
    putShortString(sheet, QStringLiteral("Sheet1"));
    *sheetPosAt = uint32_t(out.size() + 4);
    putRecord(out, RecBoundSheet, sheet);

    const QByteArray ext = putSharedStrings(out, table.shared, table.references);
    putRecord(out, RecExtSst, ext);
    putRecord(out, RecEof, {});
    return out;
}

QByteArray dimensions(const std::vector<std::vector<uint32_t>> &rows)
{
    uint32_t firstRow = 0, lastRow = 0;
    uint16_t firstCol = 0, lastCol = 0;
    bool any = false;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] == NoCell)
                continue;
            if (!any) {
                firstRow = uint32_t(r);
                firstCol = uint16_t(c);
                any = true;
            }
            lastRow = uint32_t(r) + 1;
            firstCol = std::min(firstCol, uint16_t(c));
            lastCol = std::max(lastCol, uint16_t(c + 1));
        }
    }
    QByteArray d;
    putU32(d, firstRow);
    putU32(d, lastRow);
    putU16(d, firstCol);
    putU16(d, lastCol);
    putU16(d, 0);
    return d;
}

QByteArray window2()
{
    QByteArray d;
    putU16(d, 0x06B6); // grid, headers, zeros, default header colour, outline, selected, shown
    putU16(d, 0); // top row
    putU16(d, 0); // left column
    putU32(d, 64); // header colour: automatic
    putU16(d, 0); // zoom in page break preview: default
    putU16(d, 0); // zoom in normal view: default
    putU32(d, 0);
    return d;
}

void putCell(QByteArray &out, uint16_t row, uint16_t col, uint32_t index,
             const std::vector<QString> &strings, const StringTable &table)
{
    QByteArray cell;
    putU16(cell, row);
    putU16(cell, col);
    putU16(cell, CellXf);
    if (table.slot[index] != Inline) {
        putU32(cell, table.slot[index]);
        putRecord(out, RecLabelSst, cell);
        return;
    }
    const QString &s = strings[index];
    const bool wide = !fitsInOneByte(s);
    putU16(cell, uint16_t(s.size()));
    putU8(cell, wide ? 1 : 0);
    putChars(cell, s, 0, s.size(), wide);
    putRecord(out, RecLabel, cell);
}

QByteArray worksheet(const std::vector<std::vector<uint32_t>> &rows,
                     const std::vector<QString> &strings, const StringTable &table)
{
    QByteArray out;
    putRecord(out, RecBof, bof(0x0010));
    putRecord(out, RecDimensions, dimensions(rows));
    putRecord(out, RecWindow2, window2());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] != NoCell)
                putCell(out, uint16_t(r), uint16_t(c), rows[r][c], strings, table);
    putRecord(out, RecEof, {});
    return out;
}

struct SectorPlan
{
    uint32_t fat = 0;
    uint32_t difat = 0;
    uint32_t streamSectors = 0;
};

// FAT sectors must map every sector, themselves and the DIFAT sectors included; the DIFAT
// sectors list the FAT sectors the header's 109 slots cannot hold.
SectorPlan planSectors(qsizetype streamSize)
{
    SectorPlan p;
    p.streamSectors = uint32_t((streamSize + SectorSize - 1) / SectorSize);
    while (true) {
        const uint64_t sectors = uint64_t(p.streamSectors) + 1 + p.fat + p.difat;
        const uint32_t fat = uint32_t((sectors + IdsPerSector - 1) / IdsPerSector);
        const uint32_t difat = fat > HeaderDifatSlots
            ? (fat - HeaderDifatSlots + DifatSlotsPerSector - 1) / DifatSlotsPerSector
            : 0;
        if (fat == p.fat && difat == p.difat)
            return p;
        p.fat = fat;
        p.difat = difat;
    }
}

void putDirectoryEntry(QByteArray &out, const QString &name, uint8_t type, uint32_t child,
                       uint32_t start, uint32_t size)
{
    QByteArray e;
    for (QChar c : name)
        putU16(e, c.unicode());
    putU16(e, 0);
    e.append(64 - e.size(), '\0');
    putU16(e, name.isEmpty() ? 0 : uint16_t((name.size() + 1) * 2));
    putU8(e, type);
    putU8(e, 1); // black
    putU32(e, NoStream); // left sibling
    putU32(e, NoStream); // right sibling
    putU32(e, child);
    e.append(16 + 4 + 8 + 8, '\0'); // class id, state bits, creation and modification times
    putU32(e, start);
    putU32(e, size);
    putU32(e, 0);
    out.append(e);
}

} // namespace

void XlsWriter::addRow(const std::vector<std::optional<QString>> &cells)
{
    if (m_rows.size() >= size_t(MaxRows))
        return;
    std::vector<uint32_t> row;
    const size_t columns = std::min(cells.size(), size_t(MaxColumns));
    row.reserve(columns);
    for (size_t c = 0; c < columns; ++c) {
        if (!cells[c] || cells[c]->isEmpty()) {
            row.push_back(NoCell);
            continue;
        }
        QString text = *cells[c];
        if (text.size() > MaxTextLength) {
            // Cut before a surrogate pair rather than through it.
            const bool splitsPair = text.at(MaxTextLength - 1).isHighSurrogate();
            text.truncate(MaxTextLength - (splitsPair ? 1 : 0));
        }
        row.push_back(internString(text));
    }
    while (!row.empty() && row.back() == NoCell)
        row.pop_back();
    m_rows.push_back(std::move(row));
}

uint32_t XlsWriter::internString(const QString &text)
{
    const auto found = m_stringIndex.constFind(text);
    if (found != m_stringIndex.constEnd())
        return *found;
    const uint32_t index = uint32_t(m_strings.size());
    m_strings.push_back(text);
    m_stringIndex.insert(text, index);
    return index;
}

QByteArray XlsWriter::workbookStream() const
{
    const StringTable table = stringTable(m_strings, m_rows);
    uint32_t sheetPosAt = 0;
    QByteArray stream = globals(table, &sheetPosAt);
    setU32(stream, sheetPosAt, uint32_t(stream.size()));
    stream.append(worksheet(m_rows, m_strings, table));
    return stream;
}

// Layout: header, FAT sectors, DIFAT sectors, one directory sector, then the workbook stream
// in consecutive sectors.
QByteArray XlsWriter::compoundFile(const QByteArray &workbookStream)
{
    QByteArray stream = workbookStream;
    if (stream.size() < MiniStreamCutoff)
        stream.append(MiniStreamCutoff - stream.size(), '\0');
    const SectorPlan plan = planSectors(stream.size());
    const uint32_t firstDifat = plan.fat;
    const uint32_t dirSector = plan.fat + plan.difat;
    const uint32_t firstStream = dirSector + 1;

    QByteArray out;
    out.reserve(qsizetype(SectorSize) * (1 + firstStream + plan.streamSectors));
    out.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    out.append(16, '\0'); // class id
    putU16(out, 0x003E); // minor version
    putU16(out, 0x0003); // major version 3: 512-byte sectors
    putU16(out, 0xFFFE); // little-endian
    putU16(out, 9); // sector size 2^9
    putU16(out, 6); // mini sector size 2^6
    out.append(6, '\0');
    putU32(out, 0); // directory sectors (always 0 in version 3)
    putU32(out, plan.fat);
    putU32(out, dirSector);
    putU32(out, 0); // transactions
    putU32(out, MiniStreamCutoff);
    putU32(out, EndOfChain); // no mini FAT
    putU32(out, 0);
    putU32(out, plan.difat ? firstDifat : EndOfChain);
    putU32(out, plan.difat);
    for (uint32_t i = 0; i < HeaderDifatSlots; ++i)
        putU32(out, i < plan.fat ? i : FreeSect);

    const uint64_t fatEntries = uint64_t(plan.fat) * IdsPerSector;
    for (uint64_t s = 0; s < fatEntries; ++s) {
        uint32_t next = FreeSect;
        if (s < plan.fat)
            next = FatSect;
        else if (s < dirSector)
            next = DifSect;
        else if (s == dirSector)
            next = EndOfChain;
        else if (s < uint64_t(firstStream) + plan.streamSectors)
            next = s + 1 == uint64_t(firstStream) + plan.streamSectors ? EndOfChain : uint32_t(s + 1);
        putU32(out, next);
    }

    for (uint32_t d = 0; d < plan.difat; ++d) {
        for (uint32_t k = 0; k < DifatSlotsPerSector; ++k) {
            const uint64_t fatIndex = HeaderDifatSlots + uint64_t(d) * DifatSlotsPerSector + k;
            putU32(out, fatIndex < plan.fat ? uint32_t(fatIndex) : FreeSect);
        }
        putU32(out, d + 1 < plan.difat ? firstDifat + d + 1 : EndOfChain);
    }

    putDirectoryEntry(out, QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0);
    putDirectoryEntry(out, QStringLiteral("Workbook"), 2, NoStream, firstStream, uint32_t(stream.size()));
    putDirectoryEntry(out, QString(), 0, NoStream, 0, 0);
    putDirectoryEntry(out, QString(), 0, NoStream, 0, 0);

    out.append(stream);
    out.append(qsizetype(plan.streamSectors) * SectorSize - stream.size(), '\0');
    return out;
}

bool XlsWriter::save(const QString &path, QString *errorText) const
{
    auto fail = [&](const QString &reason) {
        if (errorText)
            *errorText = QStringLiteral("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    try {
        const QByteArray stream = workbookStream();
        // Stream positions inside the workbook are 32-bit.
        if (uint64_t(stream.size()) > 0xFFFFFFFFull)
            return fail(QStringLiteral("工作簿过大"));
        const QByteArray file = compoundFile(stream);

        if (!QFileInfo(path).absoluteDir().exists())
            return fail(QStringLiteral("文件夹不存在"));
        // QSaveFile writes to a temporary file and renames it only when all was written, so
        // a failed save never leaves a partial workbook under the name.
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return fail(out.errorString());
        if (out.write(file) != file.size()) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return fail(reason);
        }
        if (!out.commit())
            return fail(out.errorString());
        return true;
    } catch (const std::bad_alloc &) {
        return fail(QStringLiteral("内存不足"));
    }
}
