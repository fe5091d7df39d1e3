// Number text shared by field reading, grids, receipts and reports.
#pragma once
#include <QString>

// Shortest general decimal form with at most 15 significant digits and no
// thousands separator: 1500, 1500.5, 0.3 for 0.1 + 0.2.
QString formatNumber(double value);

// The value as the person would have typed it: the double nearest its shortest decimal form,
// so a computed amount (150 * 0.6) is stored without binary noise.
double cleanAmount(double value);

// At least two integer digits and two decimals: 05.00, 1350.50, -300.00.
QString format00(double value);
