// Lays a band report out on pages and paints it with QPainter on a printer or into a PDF file.
#pragma once
#include "reports/bandreport.h"
#include "reports/placeditem.h"
#include "reports/reportrows.h"

#include <QFont>
#include <QHash>
#include <QList>

class QPainter;
class QPrinter;

class ReportRenderer
{
public:
    ReportRenderer(const BandReport &report, const ReportRows &rows);

    // Paper, orientation and document name of the report; the painter's origin is the paper's corner.
    void setUpPrinter(QPrinter &printer) const;
    // Where everything goes on the printer's paper as it is set up now; nothing is painted.
    QList<PlacedItem> layout(QPrinter &printer) const;
    // The same, measured on a PDF printer set up for the report.
    QList<PlacedItem> layout() const;
    // Paints every page on the printer as it is set up now; false when the printer cannot be opened.
    bool print(QPrinter &printer, QList<PlacedItem> *placed = nullptr) const;
    // Sets up a PDF printer for the report and writes the file.
    bool writePdf(const QString &path, QList<PlacedItem> *placed = nullptr) const;

    static int pageCount(const QList<PlacedItem> &placed);

private:
    class Pager;

    QFont fontOf(const ReportElement &element) const;
    QHash<QString, double> columnSums() const;
    void paintItem(QPainter &painter, const PlacedItem &item, double devicePerUnit) const;

    // Copies, so a renderer made from temporaries stays valid; rows share their holder.
    BandReport m_report;
    ReportRows m_rows;
};
