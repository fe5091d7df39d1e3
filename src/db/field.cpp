#include "db/field.h"
#include "db/numbertext.h"

#include <cmath>

Field Field::integer(qint64 v)
{
    Field f;
    f.m_type = Type::Integer;
    f.m_int = v;
    return f;
}

Field Field::real(double v)
{
    Field f;
    f.m_type = Type::Real;
    f.m_real = v;
    return f;
}

Field Field::text(const QString &v)
{
    Field f;
    f.m_type = Type::Text;
    f.m_text = v;
    return f;
}

QString Field::asString() const
{
    switch (m_type) {
    case Type::Null: return QString();
    case Type::Integer: return QString::number(m_int);
    case Type::Real: return formatNumber(m_real);
    case Type::Text: return m_text;
    }
    return QString();
}

double Field::asFloat() const
{
    switch (m_type) {
    case Type::Integer: return double(m_int);
    case Type::Real: return m_real;
    case Type::Text: return m_text.trimmed().toDouble();
    case Type::Null: break;
    }
    return 0;
}

qint64 Field::asInteger() const
{
    switch (m_type) {
    case Type::Integer: return m_int;
    case Type::Real: return qint64(std::llround(m_real));
    case Type::Text: return m_text.trimmed().toLongLong();
    case Type::Null: break;
    }
    return 0;
}

QDate Field::asDate() const
{
    if (m_type != Type::Text)
        return QDate();
    return QDate::fromString(m_text.left(10), Qt::ISODate);
}
