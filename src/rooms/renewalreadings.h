// The meter readings the status board hands to the renewal window: the current reading of the
// room's latest settled electricity or water line.
#pragma once
#include "db/tdbhouse.h"
#include "leasing/metercarryover.h"

#include <QString>

// The current reading (bcdbsl for electricity, bcsbsl for water) of the room's settled line of
// this meter that is latest by year, then month; the empty text when there is none.
QString lastSettledReading(const QString &fjbh, Meter meter, Statement &q = dbhouse().qs);
