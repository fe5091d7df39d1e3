#include "reports/bandreport.h"

double BandReport::millimetresPerUnit() const
{
    return unit == ReportUnit::Millimetre ? 1.0 : 25.4 / 96.0;
}

QVariant BandReport::value(const QString &name) const
{
    auto it = values.constFind(name);
    if (it != values.constEnd())
        return *it;
    for (it = values.constBegin(); it != values.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return *it;
    }
    return QVariant();
}
