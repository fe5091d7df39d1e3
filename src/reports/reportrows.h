// The detail rows a report prints: how many there are and the value of a named field in row i.
#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>

class ReportRows
{
public:
    using Getter = std::function<QVariant(int row, const QString &field)>;

    ReportRows() = default;
    // The getter lets any row holder (an open statement, a list) feed the report without copying.
    ReportRows(int count, Getter getter);
    // Field names match without regard to case, as the database's column names do.
    static ReportRows fromMaps(const QList<QVariantMap> &rows);

    int count() const { return m_count; }
    QVariant value(int row, const QString &field) const;

private:
    int m_count = 0;
    Getter m_getter;
};
