// Raised when a box's text is not the number or date a window converts it to.
#pragma once
#include <QString>
#include <stdexcept>

class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
