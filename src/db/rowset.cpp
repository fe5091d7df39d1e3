#include "db/rowset.h"

void RowSet::reset(const QStringList &columns)
{
    m_columns = columns;
    m_index.clear();
    for (int i = 0; i < columns.size(); ++i)
        if (!m_index.contains(columns[i].toLower()))
            m_index.insert(columns[i].toLower(), i);
    m_cells.clear();
    m_text.clear();
}

void RowSet::appendInteger(qint64 v)
{
    Cell c;
    c.type = Field::Type::Integer;
    c.v.i = v;
    m_cells.push_back(c);
}

void RowSet::appendReal(double v)
{
    Cell c;
    c.type = Field::Type::Real;
    c.v.d = v;
    m_cells.push_back(c);
}

void RowSet::appendText(const char *utf8, int bytes)
{
    Cell c;
    c.type = Field::Type::Text;
    c.length = quint32(bytes);
    c.v.offset = m_text.size();
    m_text.insert(m_text.end(), utf8, utf8 + bytes);
    m_cells.push_back(c);
}

Field RowSet::field(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return Field();
    const Cell &c = cell(row, column);
    switch (c.type) {
    case Field::Type::Null: return Field();
    case Field::Type::Integer: return Field::integer(c.v.i);
    case Field::Type::Real: return Field::real(c.v.d);
    case Field::Type::Text:
        return Field::text(QString::fromUtf8(m_text.data() + c.v.offset, qsizetype(c.length)));
    }
    return Field();
}
