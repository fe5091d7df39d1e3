// Conversions of typed text to numbers and dates, and the texts values are shown in.
#pragma once
#include "common/conversionerror.h"
#include "db/numbertext.h"

#include <QDate>
#include <QString>

// Decimal number with "." as the point; leading and trailing blanks are allowed.
// Anything else throws ConversionError naming the text.
double toFloat(const QString &text);
// Whole number in the 32-bit range, optional sign. Throws ConversionError.
int toInteger(const QString &text);
// True when text is a whole number in the 32-bit range (what a password must be).
bool isInteger(const QString &text);
// yyyy-mm-dd (one-digit month and day allowed; a two-digit year falls in the hundred years
// starting 70 years before the current year). Throws ConversionError.
QDate toDate(const QString &text);
// The date as the program shows it: yyyy-mm-dd.
QString dateText(const QDate &date);
