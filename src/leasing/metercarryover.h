// Meter carry-over: the water or electricity reading a lease or the next meter charge of a room
// starts from, taken from the room's settled meter lines.
#pragma once
#include "db/tdbhouse.h"

#include <QString>

#include <optional>

enum class Meter { Electricity, Water };

// The fee type of the meter's charge lines: "电费" or "水费".
QString meterFeeType(Meter meter);

// The column of a charge line that holds the meter's current reading: bcdbsl or bcsbsl.
QString meterReadingColumn(Meter meter);

// The reading a new lease period starts from (renting out, renewal): the current reading of the
// room's most recently settled line of this meter (highest iid) among the lines of this year and
// earlier; "0" when the room has never settled this meter; empty when all its lines belong to
// later years.
QString leaseStartReading(const QString &fjbh, Meter meter, Statement &q = dbhouse().qs);

struct PreviousMeterReading {
    QString reading;
    // The unit price of that settled line; nullopt when the reading came from the room row, and
    // the unit price box keeps what it has.
    std::optional<QString> unitPrice;
};

// The previous reading of the room's next meter charge (the charging window, for the year typed
// there): the current reading and unit price of the most recently settled line of this meter of
// that year or earlier; when the room has never settled this meter, the reading recorded on the
// room when it was let (dbds / sbds).
PreviousMeterReading previousMeterReading(const QString &fjbh, Meter meter, int year,
                                          Statement &q = dbhouse().qs);
