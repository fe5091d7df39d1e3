#include "leasing/metercarryover.h"
#include "common/clock.h"

namespace {
// The room's settled lines of this meter, oldest first.
bool hasSettledLines(const QString &fjbh, Meter meter, Statement &q)
{
    q.close();
    q.clear();
    q.add(QStringLiteral("select * from zf_fjsfmxb where fjbh= :fjbh and Sflx= :Sflx order by iid "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.param(QStringLiteral("Sflx")) = meterFeeType(meter);
    q.open();
    return !q.isEmpty();
}

// Leaves q on the most recently settled line of this meter of the year or earlier (an empty
// result when every line belongs to a later year).
void openLastSettledLine(const QString &fjbh, Meter meter, int year, Statement &q)
{
    q.close();
    q.clear();
    if (meter == Meter::Electricity)
        q.add(QStringLiteral("select * from zf_fjsfmxb where fjbh= :fjbh and Sflx= :Sflx and nf<= :nf   order by iid "));
    else
        q.add(QStringLiteral("select * from zf_fjsfmxb where fjbh= :fjbh and Sflx= :Sflx and nf<= :nf   order by iid"));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.param(QStringLiteral("Sflx")) = meterFeeType(meter);
    q.param(QStringLiteral("nf")) = year;
    q.open();
    q.last();
}

QString roomReading(const QString &fjbh, Meter meter, Statement &q)
{
    q.close();
    q.clear();
    if (meter == Meter::Electricity)
        q.add(QStringLiteral("select dbds from zf_fjb where fjbh= :fjbh "));
    else
        q.add(QStringLiteral("select sbds from zf_fjb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    return q.field(meter == Meter::Electricity ? QStringLiteral("dbds") : QStringLiteral("sbds")).asString();
}
} // namespace

QString meterFeeType(Meter meter)
{
    return meter == Meter::Electricity ? QStringLiteral("电费") : QStringLiteral("水费");
}

QString meterReadingColumn(Meter meter)
{
    return meter == Meter::Electricity ? QStringLiteral("bcdbsl") : QStringLiteral("bcsbsl");
}

QString leaseStartReading(const QString &fjbh, Meter meter, Statement &q)
{
    if (!hasSettledLines(fjbh, meter, q))
        return QStringLiteral("0");
    openLastSettledLine(fjbh, meter, today().year(), q);
    return q.field(meterReadingColumn(meter)).asString();
}

PreviousMeterReading previousMeterReading(const QString &fjbh, Meter meter, int year, Statement &q)
{
    PreviousMeterReading previous;
    if (!hasSettledLines(fjbh, meter, q)) {
        previous.reading = roomReading(fjbh, meter, q);
        return previous;
    }
    openLastSettledLine(fjbh, meter, year, q);
    previous.reading = q.field(meterReadingColumn(meter)).asString();
    previous.unitPrice = q.field(QStringLiteral("dj")).asString();
    return previous;
}
