// The rows of one open statement, kept compactly: typed cells, text in one UTF-8 arena.
#pragma once
#include "db/field.h"

#include <QHash>
#include <QStringList>

#include <vector>

class RowSet
{
public:
    void reset(const QStringList &columns);
    void appendNull() { m_cells.push_back(Cell{}); }
    void appendInteger(qint64 v);
    void appendReal(double v);
    // UTF-8 as the engine hands it over; turned into QString only when a field is read.
    void appendText(const char *utf8, int bytes);

    int rowCount() const { return m_columns.isEmpty() ? 0 : int(m_cells.size() / m_columns.size()); }
    int columnCount() const { return int(m_columns.size()); }
    const QStringList &columns() const { return m_columns; }
    // Column names match without regard to case; -1 when absent.
    int columnIndex(const QString &name) const { return m_index.value(name.toLower(), -1); }
    Field field(int row, int column) const;
    bool isNull(int row, int column) const { return cell(row, column).type == Field::Type::Null; }

private:
    struct Cell {
        Field::Type type = Field::Type::Null;
        quint32 length = 0;
        union {
            qint64 i;
            double d;
            quint64 offset;
        } v{0};
    };
    const Cell &cell(int row, int column) const { return m_cells[size_t(row) * m_columns.size() + column]; }

    QStringList m_columns;
    QHash<QString, int> m_index;
    std::vector<Cell> m_cells;
    std::vector<char> m_text;
};
