// The program's one clock: today's date and the time, which tests pin.
#pragma once
#include <QDate>
#include <QDateTime>

QDate today();
QDateTime now();
// Pins the clock (tests); an invalid value returns to the system clock.
void setClock(const QDateTime &pinned);
