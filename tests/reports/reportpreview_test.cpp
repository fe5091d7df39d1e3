// The preview and print dialogs show the report; an installed sink takes the report instead of a dialog.
#include "samplereports.h"

#include "reports/reportpreview.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Acts on the next modal dialog once it is up, so the test never blocks.
void onNextModal(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

TEST(ReportPreviewTest, PreviewShowsEveryPage)
{
    const BandReport report = chargeReport();
    const ReportRows rows = chargeRows(60);
    int pages = -1;
    bool wasPreview = false;
    onNextModal([&](QWidget *w) {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(w);
        wasPreview = dialog != nullptr;
        if (auto *view = w->findChild<QPrintPreviewWidget *>()) {
            view->updatePreview();
            pages = view->pageCount();
        }
        w->close();
    });
    ReportPreview::preview(report, rows);
    EXPECT_TRUE(wasPreview);
    EXPECT_EQ(pages, 2);
}

TEST(ReportPreviewTest, CancellingThePrintDialogPrintsNothing)
{
    bool wasPrintDialog = false;
    onNextModal([&](QWidget *w) {
        wasPrintDialog = qobject_cast<QPrintDialog *>(w) != nullptr;
        static_cast<QDialog *>(w)->reject();
    });
    EXPECT_FALSE(ReportPreview::print(chargeReport(), chargeRows(2)));
    EXPECT_TRUE(wasPrintDialog);
}

TEST(ReportPreviewTest, SinkTakesTheReportInsteadOfADialog)
{
    QList<ReportPreview::Action> actions;
    int rowCount = -1;
    ReportPreview::setSink([&](ReportPreview::Action a, const BandReport &report, const ReportRows &rows) {
        actions.append(a);
        rowCount = rows.count();
        return report.title == QStringLiteral("收费汇总报表");
    });
    ReportPreview::preview(chargeReport(), chargeRows(4));
    const bool printed = ReportPreview::print(chargeReport(), chargeRows(5));
    ReportPreview::setSink({});
    EXPECT_EQ(actions, (QList<ReportPreview::Action>{ReportPreview::Action::Preview, ReportPreview::Action::Print}));
    EXPECT_EQ(rowCount, 5);
    EXPECT_TRUE(printed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
