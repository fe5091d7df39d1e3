#include "rooms/renewalreadings.h"

QString lastSettledReading(const QString &fjbh, Meter meter, Statement &q)
{
    q.close();
    q.clear();
    // iid last: of two lines of the same month the later one is the latest reading.
    q.add(QStringLiteral("select * from zf_fjsfmxb where fjbh= :fjbh and Sflx= :Sflx order by nf,yf,iid "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.param(QStringLiteral("Sflx")) = meterFeeType(meter);
    q.open();
    if (q.isEmpty())
        return QString();
    q.last();
    return q.field(meterReadingColumn(meter)).asString();
}
