#include "leasing/leaseroom.h"

LeaseRoom readLeaseRoom(const QString &fjbh, Statement &q)
{
    q.close();
    q.clear();
    q.add(QStringLiteral("select * from zf_fjb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    LeaseRoom room;
    if (q.isEmpty())
        return room;
    room.found = true;
    room.monthlyPrice = q.field(QStringLiteral("yzjg")).asFloat();
    room.dailyPrice = q.field(QStringLiteral("rzjg")).asFloat();
    room.alarmDays = int(q.field(QStringLiteral("bjts")).asInteger());
    return room;
}
