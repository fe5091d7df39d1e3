#include "reports/reportband.h"

ReportBand &ReportBand::add(const ReportElement &element)
{
    elements.append(element);
    return *this;
}
