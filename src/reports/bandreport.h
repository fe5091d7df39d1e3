// A report layout as data: paper, margins, the page-header, detail and summary bands, and the values its fields show.
#pragma once
#include "reports/reportband.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QVariantMap>

// Positions, sizes and margins of one report are all in one unit.
enum class ReportUnit {
    Millimetre,
    LayoutPixel,  // 1/96 inch, the unit of layouts drawn on a screen
};

class BandReport
{
public:
    // The family that carries the Chinese glyphs on every machine we install.
    static QString defaultFontFamily() { return QStringLiteral("WenQuanYi Zen Hei"); }

    double millimetresPerUnit() const;
    // A value of the values map, its name matched without regard to case; invalid when absent.
    QVariant value(const QString &name) const;

    QString title;  // document name given to the printer
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    ReportUnit unit = ReportUnit::Millimetre;
    QMarginsF margins;  // left, top, right, bottom
    QString fontFamily = defaultFontFamily();
    double pointSize = 9;
    // Some layouts print the page header on the first page only.
    bool pageHeaderOnEveryPage = true;

    ReportBand pageHeader;
    ReportBand detail;    // printed once per row
    ReportBand summary;   // printed once after the last row, also when there are no rows

    // What fields outside the detail band show (company name, amounts typed in a dialog, ...).
    QVariantMap values;
};
