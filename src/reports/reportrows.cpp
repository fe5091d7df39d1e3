#include "reports/reportrows.h"

ReportRows::ReportRows(int count, Getter getter) : m_count(count), m_getter(std::move(getter)) {}

ReportRows ReportRows::fromMaps(const QList<QVariantMap> &rows)
{
    return ReportRows(int(rows.size()), [rows](int row, const QString &field) -> QVariant {
        const QVariantMap &map = rows.at(row);
        auto it = map.constFind(field);
        if (it != map.constEnd())
            return *it;
        for (it = map.constBegin(); it != map.constEnd(); ++it) {
            if (it.key().compare(field, Qt::CaseInsensitive) == 0)
                return *it;
        }
        return QVariant();
    });
}

QVariant ReportRows::value(int row, const QString &field) const
{
    if (!m_getter || row < 0 || row >= m_count)
        return QVariant();
    return m_getter(row, field);
}
