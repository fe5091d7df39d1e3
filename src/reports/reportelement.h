// One thing printed inside a band: a fixed text, a data field, a rule, a column sum or the page number.
#pragma once
#include <QString>
#include <QVariant>
#include <Qt>

class ReportElement
{
public:
    enum class Kind { Text, Field, Line, Sum, PageNumber };
    // General: numbers in the shortest decimal form, text as it is. Fixed00: "00.00".
    enum class Format { General, Fixed00 };

    // A rule given this length runs across the whole band (the page between its margins).
    static constexpr double BandWidth = -1;

    static ReportElement label(double left, double top, const QString &text);
    // In the detail band the value comes from the row, elsewhere from the report's values.
    static ReportElement field(double left, double top, const QString &name, Format format = Format::General);
    // The sum of a numeric field over every detail row.
    static ReportElement sum(double left, double top, const QString &name, Format format = Format::General);
    // "%1" in the pattern becomes the page number, "%2" the number of pages.
    static ReportElement pageNumber(double left, double top, const QString &pattern = QStringLiteral("%1"));
    static ReportElement hline(double left, double top, double length = BandWidth);
    static ReportElement vline(double left, double top, double length);

    // The text sits in a box of this width, placed by the alignment; clipped keeps it inside the box.
    ReportElement inBox(double boxWidth, Qt::Alignment align = Qt::AlignLeft, bool clipped = false) const;
    ReportElement withPointSize(double points) const;
    // Layouts drawn in screen pixels give font heights in pixels (12 pixels high = 9 points).
    ReportElement withPixelSize(double pixels) const;
    ReportElement withBold(bool on = true) const;
    ReportElement withFamily(const QString &fontFamily) const;
    ReportElement withPenWidth(double width) const;

    // The text a field or sum shows for a value under this element's format.
    QString display(const QVariant &value) const;
    // A value as a number for sums: null and text that is no number count as 0.
    static double numberOf(const QVariant &value);

    Kind kind = Kind::Text;
    double left = 0;
    double top = 0;
    double width = 0;   // text: box width (0 = as wide as the text); line: horizontal length
    double height = 0;  // line: vertical length
    QString text;       // fixed text, or the page-number pattern
    QString name;       // field name of a field or sum
    Format format = Format::General;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool clip = false;
    double pointSize = 0;  // 0 = the report's size
    bool bold = false;
    QString family;        // empty = the report's family
    double penWidth = 0;   // in the report's unit; 0 = a thin rule
};
