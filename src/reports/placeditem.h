// One element as the renderer put it on a page: where, on which page, with which text.
#pragma once
#include "reports/reportelement.h"

#include <QRectF>
#include <QString>

struct PlacedItem
{
    enum class Band { PageHeader, Detail, Summary };

    int page = 1;            // counted from 1
    Band band = Band::Detail;
    int row = -1;            // the detail row, -1 outside the detail band
    QRectF rect;             // the text or rule, in the report's unit from the paper's top-left corner
    QString text;            // empty for rules
    ReportElement element;   // how it is painted
    QRectF box;              // the element's box; text outside it is cut off when the element clips
};
