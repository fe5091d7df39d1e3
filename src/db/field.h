// One value read from a result row, with the conversions the windows read it by.
#pragma once
#include <QDate>
#include <QString>

class Field
{
public:
    enum class Type { Null, Integer, Real, Text };

    Field() = default;
    static Field integer(qint64 v);
    static Field real(double v);
    static Field text(const QString &v);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    // Null reads as the empty text; numbers read in their shortest decimal form.
    QString asString() const;
    // Null and text that is no number read as 0.
    double asFloat() const;
    qint64 asInteger() const;
    // Dates are stored as ISO text; an empty or unreadable value is an invalid date.
    QDate asDate() const;

private:
    Type m_type = Type::Null;
    qint64 m_int = 0;
    double m_real = 0;
    QString m_text;
};
