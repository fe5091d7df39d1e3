// Workbooks written by XlsWriter, read back with xls2csv and compared cell by cell.
#include "common/xlswriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

// Readable QStrings in failure messages.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

using Row = std::vector<std::optional<QString>>;

// xls2csv prints a row up to its last cell, cells joined by commas, empty ones as nothing.
QString csvLine(const Row &row)
{
    QStringList cells;
    for (const auto &cell : row)
        cells << cell.value_or(QString());
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(QLatin1Char(','));
}

QStringList csvLines(const std::vector<Row> &rows)
{
    QStringList lines;
    for (const Row &row : rows)
        lines << csvLine(row);
    return lines;
}

// The sheet as xls2csv sees it, one line per row; a failed read is a test failure.
QStringList readBack(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("xls2csv"), {QStringLiteral("-d"), QStringLiteral("utf-8"), QStringLiteral("-q"),
                                        QStringLiteral("0"), QStringLiteral("-c"), QStringLiteral(","), path});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    // Each sheet ends with a form feed on a line of its own.
    if (out.endsWith(QLatin1Char('\f')))
        out.chop(1);
    QStringList lines = out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

struct Record
{
    uint16_t type;
    QByteArray data;
};

uint16_t u16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(data.constData() + at));
}

// The records of a workbook stream in order (each is type, size, data).
std::vector<Record> records(const QByteArray &stream)
{
    std::vector<Record> out;
    for (qsizetype pos = 0; pos + 4 <= stream.size();) {
        const uint16_t type = u16(stream, pos);
        const uint16_t size = u16(stream, pos + 2);
        if (type == 0 && size == 0)
            break; // padding after the last record
        out.push_back({type, stream.mid(pos + 4, size)});
        pos += 4 + size;
    }
    return out;
}

// The shared string table read the way the format defines it: SST data goes on in CONTINUE
// records, and a string cut at a record end goes on after a new flags byte that says whether
// its remaining characters are one or two bytes wide. xls2csv guesses those flags bytes
// instead of reading them at the record ends, so it cannot check them.
QStringList sharedStrings(const QByteArray &stream)
{
    std::vector<QByteArray> parts;
    for (const Record &r : records(stream)) {
        if (r.type == 0x00FC || (!parts.empty() && r.type == 0x003C))
            parts.push_back(r.data);
        else if (!parts.empty())
            break;
    }
    QStringList out;
    if (parts.empty())
        return out;
    const uint32_t unique = qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(parts[0].constData() + 4));
    size_t part = 0;
    qsizetype pos = 8;
    for (uint32_t i = 0; i < unique; ++i) {
        if (pos == parts[part].size() && ++part < parts.size())
            pos = 0;
        if (part == parts.size() || pos + 3 > parts[part].size()) {
            ADD_FAILURE() << "string header of string " << i << " missing or cut";
            return out;
        }
        const uint16_t length = u16(parts[part], pos);
        bool wide = parts[part].at(pos + 2) & 1;
        pos += 3;
        QString text;
        while (text.size() < length) {
            if (pos == parts[part].size()) {
                if (++part == parts.size()) {
                    ADD_FAILURE() << "string " << i << " runs past the table";
                    return out;
                }
                wide = parts[part].at(0) & 1;
                pos = 1;
            }
            text += wide ? QChar(u16(parts[part], pos)) : QChar(uchar(parts[part].at(pos)));
            pos += wide ? 2 : 1;
        }
        out << text;
    }
    EXPECT_EQ(part + 1, parts.size());
    EXPECT_EQ(pos, parts[part].size());
    return out;
}

class XlsWriterTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QStringList writeAndRead(const std::vector<Row> &rows)
    {
        XlsWriter writer;
        for (const Row &row : rows)
            writer.addRow(row);
        const QString file = path(QStringLiteral("out.xls"));
        QString error;
        EXPECT_TRUE(writer.save(file, &error)) << error.toStdString();
        return readBack(file);
    }

    QTemporaryDir dir;
};

// xls2csv (catdoc 0.95) misreads every UTF-16 character whose low byte is 0x00 or 0x01, such as
// 一 (U+4E00) or the ideographic space, in any workbook, so the texts read back here avoid them.
TEST_F(XlsWriterTest, CellsReadBackExactly)
{
    const std::vector<Row> rows = {
        {QStringLiteral("房间编号"), QStringLiteral("租户姓名"), QStringLiteral("月租金"), QStringLiteral("备注")},
        // Numbers stay text with their exact digits; empty cells keep their places.
        {QStringLiteral("001"), std::nullopt, QStringLiteral("1200.50"), QStringLiteral("押二付三")},
        {std::nullopt, QStringLiteral("张三"), std::nullopt, QStringLiteral("1E5")},
        {QStringLiteral("0012"), QStringLiteral("café"), QStringLiteral("-0"), std::nullopt},
        {QStringLiteral("αβγ"), QStringLiteral("€5"), QStringLiteral("½"), QStringLiteral("№3")},
        {QString(), QStringLiteral("李四 Li Si"), QStringLiteral("3.14159265358979323846")},
        {QStringLiteral("101"), QStringLiteral("101"), QStringLiteral("101"), QStringLiteral("101")},
    };
    EXPECT_EQ(writeAndRead(rows), csvLines(rows));
}

TEST_F(XlsWriterTest, EmptyWorkbookIsReadable)
{
    EXPECT_EQ(writeAndRead({}), QStringList());
}

TEST_F(XlsWriterTest, ManyStringsGoOnInContinueRecords)
{
    // Distinct strings of changing lengths and both encodings, so strings are cut at many
    // different points of the record limit, plus strings longer than one whole record.
    std::vector<Row> rows;
    for (int r = 0; r < 3000; ++r) {
        rows.push_back({QStringLiteral("第%1行%2").arg(r).arg(QString(r % 37, QChar(0x623F))),
                        QStringLiteral("line%1-%2").arg(r).arg(QString(r % 53, QLatin1Char('x'))),
                        QStringLiteral("mixé%1%2").arg(r).arg(QString(r % 29, QChar(0xE9)))});
    }
    rows.push_back({QString(20000, QChar(0x79DF)), QString(20000, QLatin1Char('a')),
                    QStringLiteral("尾") + QString(9000, QLatin1Char('b'))});

    XlsWriter writer;
    QStringList texts;
    for (const Row &row : rows) {
        writer.addRow(row);
        for (const auto &cell : row)
            texts << *cell;
    }
    const QByteArray stream = writer.workbookStream();
    int continues = 0;
    for (const Record &r : records(stream))
        continues += r.type == 0x003C;
    EXPECT_GT(continues, 10);
    EXPECT_EQ(sharedStrings(stream), texts);

    EXPECT_EQ(writeAndRead(rows), csvLines(rows));
}

TEST_F(XlsWriterTest, StringHeadersAreNeverCutAtRecordEnds)
{
    // Equal strings after a first one of changing length make the first record end at every
    // possible point of a string, from its 3-byte header to its last character.
    for (const QString &pattern : {QStringLiteral("s%1"), QStringLiteral("房%1")}) {
        for (int shift = 0; shift < 11; ++shift) {
            XlsWriter writer;
            QStringList texts = {QString(shift + 1, QLatin1Char('p'))};
            for (int i = 0; i < 1100; ++i)
                texts << pattern.arg(i, 4, 10, QLatin1Char('0'));
            for (const QString &text : texts)
                writer.addRow({text});
            EXPECT_EQ(sharedStrings(writer.workbookStream()), texts) << pattern.toStdString() << shift;
        }
    }
}

TEST_F(XlsWriterTest, WorkbookOverSevenMegabytesIsReadable)
{
    // Header plus 65535 rows of distinct texts: far more sectors than the 109 FAT sectors the
    // compound file header can list. The row after sheet row 65536 is dropped.
    std::vector<Row> rows;
    rows.reserve(65537);
    for (int r = 0; r < 65537; ++r) {
        Row row;
        for (int c = 0; c < 9; ++c)
            row.push_back(QStringLiteral("r%1c%2").arg(r).arg(c));
        row.push_back(QStringLiteral("第%1行").arg(r));
        rows.push_back(std::move(row));
    }
    XlsWriter writer;
    for (const Row &row : rows)
        writer.addRow(row);
    EXPECT_EQ(writer.rowCount(), XlsWriter::MaxRows);

    const QString file = path(QStringLiteral("big.xls"));
    QString error;
    ASSERT_TRUE(writer.save(file, &error)) << error.toStdString();
    EXPECT_GT(QFileInfo(file).size(), 7 * 1024 * 1024);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray header = f.read(512);
    const auto *h = reinterpret_cast<const uchar *>(header.constData());
    EXPECT_GT(qFromLittleEndian<quint32>(h + 44), 109u) << "FAT sectors";
    EXPECT_GT(qFromLittleEndian<quint32>(h + 72), 0u) << "DIFAT sectors";

    rows.pop_back();
    const QStringList lines = readBack(file);
    ASSERT_EQ(lines.size(), 65536);
    EXPECT_EQ(lines.last(), QStringLiteral("r65535c0,r65535c1,r65535c2,r65535c3,r65535c4,r65535c5,"
                                           "r65535c6,r65535c7,r65535c8,第65535行"));
    EXPECT_EQ(lines, csvLines(rows));
}

TEST_F(XlsWriterTest, CellsBeyondFormatLimitsAreCut)
{
    Row wide;
    for (int c = 0; c < 300; ++c)
        wide.push_back(QString::number(c));
    const QStringList lines = writeAndRead({wide, {QString(40000, QChar(0x5BA2))}});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], csvLine(Row(wide.begin(), wide.begin() + XlsWriter::MaxColumns)));
    EXPECT_EQ(lines[1], QString(XlsWriter::MaxTextLength, QChar(0x5BA2)));
}

TEST_F(XlsWriterTest, SaveReplacesAnExistingFile)
{
    const QString file = path(QStringLiteral("again.xls"));
    XlsWriter first;
    for (int r = 0; r < 2000; ++r)
        first.addRow({QStringLiteral("旧%1").arg(r)});
    ASSERT_TRUE(first.save(file));
    XlsWriter second;
    second.addRow({QStringLiteral("新")});
    ASSERT_TRUE(second.save(file));
    EXPECT_EQ(readBack(file), QStringList{QStringLiteral("新")});
}

TEST_F(XlsWriterTest, UnwritablePathFailsWithReason)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QStringList paths = {path(QStringLiteral("missing/out.xls")), path(QStringLiteral("folder"))};
    for (const QString &target : paths) {
        XlsWriter writer;
        writer.addRow({QStringLiteral("a")});
        QString error;
        EXPECT_FALSE(writer.save(target, &error)) << target.toStdString();
        EXPECT_FALSE(error.isEmpty()) << target.toStdString();
        EXPECT_FALSE(writer.save(target)) << "no error text wanted";
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder"))).isDir());
    EXPECT_EQ(QDir(path(QStringLiteral("folder"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

} // namespace
