// A typed value bound to a named parameter of a statement.
#pragma once
#include <QDate>
#include <QString>

#include <variant>

class Param
{
public:
    using Value = std::variant<std::monostate, QString, double, qint64, QDate>;

    Param &operator=(const QString &v) { m_value = v; m_set = true; return *this; }
    Param &operator=(const char *v) { return *this = QString::fromUtf8(v); }
    Param &operator=(double v) { m_value = v; m_set = true; return *this; }
    Param &operator=(int v) { m_value = qint64(v); m_set = true; return *this; }
    Param &operator=(qint64 v) { m_value = v; m_set = true; return *this; }
    // An invalid date binds null: a date that is absent.
    Param &operator=(const QDate &v)
    {
        if (v.isValid())
            m_value = v;
        else
            m_value = std::monostate{};
        m_set = true;
        return *this;
    }
    void setNull() { m_value = std::monostate{}; m_set = true; }

    bool isSet() const { return m_set; }
    const Value &value() const { return m_value; }

private:
    Value m_value;
    bool m_set = false;
};
