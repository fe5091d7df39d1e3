// Error raised by the data-access component, carrying the database engine's own text.
#pragma once
#include <QString>
#include <stdexcept>

class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
