// Receipt serial numbers: kind ("XZ" lease windows, "SF" charging), today as yymmdd, the
// operator number and a running number of at least five digits.
#pragma once
#include <QString>

// The next "XZ" number: running numbers count across all rooms.
QString nextSerialXZ();
// The next "SF" number for a room: running numbers count per room.
QString nextSerialSF(const QString &fjbh);
