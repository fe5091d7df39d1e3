// What the lease arithmetic reads from a room's row: its prices and its alarm days.
#pragma once
#include "db/tdbhouse.h"

#include <QString>

struct LeaseRoom {
    bool found = false;
    double monthlyPrice = 0; // yzjg
    double dailyPrice = 0;   // rzjg
    int alarmDays = 0;       // bjts
};

// The room's prices and alarm days ("select * from zf_fjb where fjbh= :fjbh " on q); a missing
// room, price or alarm days counts as 0.
LeaseRoom readLeaseRoom(const QString &fjbh, Statement &q = dbhouse().qs);
