// Small layouts and rows shared by the report tests.
#pragma once
#include "reports/bandreport.h"
#include "reports/reportrows.h"

// A4 portrait in millimetres: title and rules on every page, one line per row, a total and the page number.
BandReport chargeReport();
// n rows: fjbh "R000".., fjmc "房间n", ssje 0.1 each (their double sum is not exactly 6 for 60 rows).
ReportRows chargeRows(int n);
// B5 portrait in layout pixels with a 2-pixel left margin: header on the first page only.
BandReport ticketReport();
