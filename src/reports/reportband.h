// A horizontal strip of a report page: its height and what is printed in it, positioned from its top-left corner.
#pragma once
#include "reports/reportelement.h"

#include <QList>

class ReportBand
{
public:
    ReportBand() = default;
    explicit ReportBand(double bandHeight) : height(bandHeight) {}

    ReportBand &add(const ReportElement &element);
    // A band of no height with nothing in it is left out of the page.
    bool isAbsent() const { return height <= 0 && elements.isEmpty(); }

    double height = 0;
    QList<ReportElement> elements;
};
