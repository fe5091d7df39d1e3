// Writes a one-sheet .xls workbook (BIFF8 inside an OLE compound file) whose cells are all text.
#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Collects rows in memory and writes them as the worksheet "Sheet1" of a classic workbook.
//
// Row 0 is the first sheet row (the header row of an export). Every value is written as a
// text cell, so numbers keep their exact digits: through the shared string table for the
// first 65536 distinct texts, inline for further ones. A
// std::nullopt cell, and an empty text, leave the cell empty but keep its place.
//
// Limits of the format: rows after the 65536th are dropped (addRow ignores them; the caller
// is expected to stop at 65536 sheet rows), cells after the 256th of a row are dropped, and a
// text longer than 32767 characters is cut to 32767 characters.
class XlsWriter
{
public:
    static constexpr int MaxRows = 65536;
    static constexpr int MaxColumns = 256;
    static constexpr int MaxTextLength = 32767;

    void addRow(const std::vector<std::optional<QString>> &cells);

    // Rows kept so far (at most MaxRows).
    int rowCount() const { return int(m_rows.size()); }

    // Writes the workbook to path, replacing an existing file only once the new one is
    // complete. On failure returns false, leaves no file behind and, when errorText is given,
    // puts a readable reason there.
    bool save(const QString &path, QString *errorText = nullptr) const;

    // The BIFF8 "Workbook" stream, and the compound file holding it as its only stream.
    QByteArray workbookStream() const;
    static QByteArray compoundFile(const QByteArray &workbookStream);

private:
    uint32_t internString(const QString &text);

    // Per row, per column: index into m_strings, or 0xFFFFFFFF for no cell.
    std::vector<std::vector<uint32_t>> m_rows;
    std::vector<QString> m_strings;
    QHash<QString, uint32_t> m_stringIndex;
};
