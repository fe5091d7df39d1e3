#include "reports/reportrenderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// A rule without its own width is drawn 0.2 mm thick.
constexpr double ThinRuleMm = 0.2;

// A plain running sum of sixty 0.1 lines drifts to 5.999999999999995, which prints as
// 5.99999999999999; carrying the lost low-order part (Neumaier) keeps the total at the
// double nearest the true sum, so it prints as the lines add up: 6.
double exactSum(const QList<double> &values)
{
    double sum = 0;
    double carry = 0;
    for (double v : values) {
        const double t = sum + v;
        carry += std::fabs(sum) >= std::fabs(v) ? (sum - t) + v : (v - t) + sum;
        sum = t;
    }
    return sum + carry;
}

} // namespace

// Walks down the pages, placing bands and breaking to a new page where a band no longer fits.
class ReportRenderer::Pager
{
public:
    Pager(const ReportRenderer &renderer, QPrinter &printer)
        : r(renderer), report(renderer.m_report), device(printer), sums(renderer.columnSums())
    {
        const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
        const double mmPerUnit = report.millimetresPerUnit();
        devicePerUnit = printer.resolution() / 25.4 * mmPerUnit;
        bandWidth = paper.width() / mmPerUnit - report.margins.left() - report.margins.right();
        bottom = paper.height() / mmPerUnit - report.margins.bottom();
    }

    QList<PlacedItem> run()
    {
        startPage();
        for (int row = 0; row < r.m_rows.count(); ++row)
            placeBand(report.detail, PlacedItem::Band::Detail, row);
        placeBand(report.summary, PlacedItem::Band::Summary, -1);
        resolvePageNumbers();
        return placed;
    }

    double devicePerUnit = 1;

private:
    bool headerOn(int pageNo) const
    {
        return !report.pageHeader.isAbsent() && (pageNo == 1 || report.pageHeaderOnEveryPage);
    }

    double contentTop(int pageNo) const
    {
        return report.margins.top() + (headerOn(pageNo) ? report.pageHeader.height : 0);
    }

    void startPage()
    {
        y = report.margins.top();
        if (headerOn(page))
            place(report.pageHeader, PlacedItem::Band::PageHeader, -1);
    }

    void placeBand(const ReportBand &band, PlacedItem::Band kind, int row)
    {
        if (band.isAbsent())
            return;
        // A band taller than a whole page stays where it is: a new page would not hold it either.
        if (y + band.height > bottom && y > contentTop(page + 1)) {
            ++page;
            startPage();
        }
        place(band, kind, row);
    }

    void place(const ReportBand &band, PlacedItem::Band kind, int row)
    {
        for (const ReportElement &e : band.elements)
            placed.append(item(e, kind, row));
        y += band.height;
    }

    PlacedItem item(const ReportElement &e, PlacedItem::Band kind, int row) const
    {
        PlacedItem it;
        it.page = page;
        it.band = kind;
        it.row = row;
        it.element = e;
        const QPointF at(report.margins.left() + e.left, y + e.top);
        if (e.kind == ReportElement::Kind::Line) {
            const double length = e.width == ReportElement::BandWidth ? bandWidth - e.left : e.width;
            it.rect = QRectF(at, QSizeF(length, e.height));
            it.box = it.rect;
            return it;
        }
        it.text = textOf(e, row);
        it.box = QRectF(at, QSizeF(e.width, 0));
        measure(it);
        return it;
    }

    QString textOf(const ReportElement &e, int row) const
    {
        switch (e.kind) {
        case ReportElement::Kind::Text:
            return e.text;
        case ReportElement::Kind::Field:
            return e.display(row >= 0 ? r.m_rows.value(row, e.name) : report.value(e.name));
        case ReportElement::Kind::Sum:
            return e.display(sums.value(e.name.toLower(), 0.0));
        default:
            return QString();  // page numbers are known once every page is laid out
        }
    }

    // The text's own rectangle: its measured size, moved inside its box by the alignment.
    void measure(PlacedItem &it) const
    {
        const QFontMetricsF metrics(r.fontOf(it.element), &device);
        const QRectF bounds = metrics.boundingRect(QRectF(0, 0, 1e9, 1e9), Qt::AlignLeft | Qt::AlignTop, it.text);
        const double w = bounds.width() / devicePerUnit;
        const double h = std::max(bounds.height(), metrics.height()) / devicePerUnit;
        double x = it.box.left();
        const double room = it.box.width() - w;
        if (it.box.width() > 0 && (it.element.alignment & Qt::AlignHCenter))
            x += room / 2;
        else if (it.box.width() > 0 && (it.element.alignment & Qt::AlignRight))
            x += room;
        it.box.setHeight(h);
        it.rect = QRectF(x, it.box.top(), w, h);
    }

    void resolvePageNumbers()
    {
        for (PlacedItem &it : placed) {
            if (it.element.kind != ReportElement::Kind::PageNumber)
                continue;
            it.text = it.element.text;
            it.text.replace(QStringLiteral("%1"), QString::number(it.page)).replace(QStringLiteral("%2"), QString::number(page));
            measure(it);
        }
    }

    const ReportRenderer &r;
    const BandReport &report;
    QPaintDevice &device;
    const QHash<QString, double> sums;
    double bandWidth = 0;
    double bottom = 0;
    double y = 0;
    int page = 1;
    QList<PlacedItem> placed;
};

ReportRenderer::ReportRenderer(const BandReport &report, const ReportRows &rows) : m_report(report), m_rows(rows) {}

void ReportRenderer::setUpPrinter(QPrinter &printer) const
{
    printer.setPageSize(m_report.pageSize);
    printer.setPageOrientation(m_report.orientation);
    printer.setFullPage(true);
    printer.setDocName(m_report.title);
}

QList<PlacedItem> ReportRenderer::layout(QPrinter &printer) const
{
    return Pager(*this, printer).run();
}

QList<PlacedItem> ReportRenderer::layout() const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    setUpPrinter(printer);
    return layout(printer);
}

bool ReportRenderer::print(QPrinter &printer, QList<PlacedItem> *placed) const
{
    Pager pager(*this, printer);
    const QList<PlacedItem> items = pager.run();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    int page = 1;
    for (const PlacedItem &item : items) {
        for (; page < item.page; ++page)
            printer.newPage();
        paintItem(painter, item, pager.devicePerUnit);
    }
    painter.end();
    if (placed)
        *placed = items;
    return true;
}

bool ReportRenderer::writePdf(const QString &path, QList<PlacedItem> *placed) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUpPrinter(printer);
    return print(printer, placed);
}

int ReportRenderer::pageCount(const QList<PlacedItem> &placed)
{
    int pages = 1;
    for (const PlacedItem &item : placed)
        pages = std::max(pages, item.page);
    return pages;
}

QFont ReportRenderer::fontOf(const ReportElement &element) const
{
    QFont font(element.family.isEmpty() ? m_report.fontFamily : element.family);
    font.setPointSizeF(element.pointSize > 0 ? element.pointSize : m_report.pointSize);
    font.setBold(element.bold);
    return font;
}

QHash<QString, double> ReportRenderer::columnSums() const
{
    QHash<QString, double> sums;
    for (const ReportBand *band : {&m_report.pageHeader, &m_report.detail, &m_report.summary}) {
        for (const ReportElement &e : band->elements) {
            if (e.kind != ReportElement::Kind::Sum || sums.contains(e.name.toLower()))
                continue;
            QList<double> values;
            values.reserve(m_rows.count());
            for (int row = 0; row < m_rows.count(); ++row)
                values.append(ReportElement::numberOf(m_rows.value(row, e.name)));
            sums.insert(e.name.toLower(), exactSum(values));
        }
    }
    return sums;
}

void ReportRenderer::paintItem(QPainter &painter, const PlacedItem &item, double devicePerUnit) const
{
    const auto device = [devicePerUnit](const QRectF &r) {
        return QRectF(r.topLeft() * devicePerUnit, r.size() * devicePerUnit);
    };
    if (item.element.kind == ReportElement::Kind::Line) {
        const double width = item.element.penWidth > 0 ? item.element.penWidth : ThinRuleMm / m_report.millimetresPerUnit();
        painter.setPen(QPen(Qt::black, width * devicePerUnit));
        const QRectF r = device(item.rect);
        painter.drawLine(r.topLeft(), r.bottomRight());
        return;
    }
    painter.save();
    if (item.element.clip && item.box.width() > 0)
        painter.setClipRect(device(item.box));
    painter.setFont(fontOf(item.element));
    painter.setPen(Qt::black);
    painter.drawText(device(item.rect), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, item.text);
    painter.restore();
}
