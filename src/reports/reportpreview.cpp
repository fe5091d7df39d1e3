#include "reports/reportpreview.h"

#include "reports/reportrenderer.h"

#include <QPrintDialog>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QPrinter>

namespace {

ReportPreview::Sink &sink()
{
    static ReportPreview::Sink installed;
    return installed;
}

} // namespace

void ReportPreview::preview(const BandReport &report, const ReportRows &rows, QWidget *parent)
{
    if (sink()) {
        sink()(Action::Preview, report, rows);
        return;
    }
    const ReportRenderer renderer(report, rows);
    QPrinter printer(QPrinter::HighResolution);
    renderer.setUpPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("reportPreview"));
    if (!report.title.isEmpty())
        dialog.setWindowTitle(report.title);
    // The preview repaints on every zoom and on printing from its toolbar, each time on its own printer.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&renderer](QPrinter *target) { renderer.print(*target); });
    // A sensible size even where no window manager maximises the dialog.
    if (QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 0.9);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

bool ReportPreview::print(const BandReport &report, const ReportRows &rows, QWidget *parent)
{
    if (sink())
        return sink()(Action::Print, report, rows);
    const ReportRenderer renderer(report, rows);
    QPrinter printer(QPrinter::HighResolution);
    renderer.setUpPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("reportPrintDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return renderer.print(printer);
}

void ReportPreview::setSink(Sink newSink)
{
    sink() = std::move(newSink);
}
