#include "reports/reportelement.h"

#include "db/numbertext.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace {

bool isNumeric(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// Numbers given as text ("1500.5") are read with the C locale, as the database stores them.
bool readNumber(const QVariant &value, double &number)
{
    if (isNumeric(value)) {
        number = value.toDouble();
        return true;
    }
    bool ok = false;
    number = QLocale::c().toDouble(value.toString().trimmed(), &ok);
    return ok;
}

ReportElement make(ReportElement::Kind kind, double left, double top)
{
    ReportElement e;
    e.kind = kind;
    e.left = left;
    e.top = top;
    return e;
}

} // namespace

ReportElement ReportElement::label(double left, double top, const QString &text)
{
    ReportElement e = make(Kind::Text, left, top);
    e.text = text;
    return e;
}

ReportElement ReportElement::field(double left, double top, const QString &name, Format format)
{
    ReportElement e = make(Kind::Field, left, top);
    e.name = name;
    e.format = format;
    return e;
}

ReportElement ReportElement::sum(double left, double top, const QString &name, Format format)
{
    ReportElement e = make(Kind::Sum, left, top);
    e.name = name;
    e.format = format;
    return e;
}

ReportElement ReportElement::pageNumber(double left, double top, const QString &pattern)
{
    ReportElement e = make(Kind::PageNumber, left, top);
    e.text = pattern;
    return e;
}

ReportElement ReportElement::hline(double left, double top, double length)
{
    ReportElement e = make(Kind::Line, left, top);
    e.width = length;
    return e;
}

ReportElement ReportElement::vline(double left, double top, double length)
{
    ReportElement e = make(Kind::Line, left, top);
    e.height = length;
    return e;
}

ReportElement ReportElement::inBox(double boxWidth, Qt::Alignment align, bool clipped) const
{
    ReportElement e = *this;
    e.width = boxWidth;
    e.alignment = align;
    e.clip = clipped;
    return e;
}

ReportElement ReportElement::withPointSize(double points) const
{
    ReportElement e = *this;
    e.pointSize = points;
    return e;
}

ReportElement ReportElement::withPixelSize(double pixels) const
{
    // A layout pixel is 1/96 inch, a point 1/72 inch.
    return withPointSize(pixels * 72.0 / 96.0);
}

ReportElement ReportElement::withBold(bool on) const
{
    ReportElement e = *this;
    e.bold = on;
    return e;
}

ReportElement ReportElement::withFamily(const QString &fontFamily) const
{
    ReportElement e = *this;
    e.family = fontFamily;
    return e;
}

ReportElement ReportElement::withPenWidth(double width) const
{
    ReportElement e = *this;
    e.penWidth = width;
    return e;
}

QString ReportElement::display(const QVariant &value) const
{
    if (value.isNull() || !value.isValid())
        return QString();
    if (format == Format::Fixed00) {
        double number = 0;
        return readNumber(value, number) ? format00(number) : value.toString();
    }
    if (isNumeric(value))
        return formatNumber(value.toDouble());
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return value.toString();
}

double ReportElement::numberOf(const QVariant &value)
{
    double number = 0;
    return readNumber(value, number) ? number : 0.0;
}
