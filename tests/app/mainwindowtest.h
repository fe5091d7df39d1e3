// Fixture of the main-window tests: a main window that does not run the start-up steps on its
// own, and small function windows that stand in for the real ones.
#pragma once
#include "app/tformmain.h"
#include "support/roomlettest.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// A function window as the real ones behave: deletes itself on close, counts its closes.
class ProbeWindow : public QWidget
{
public:
    explicit ProbeWindow(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_DeleteOnClose); }
    static inline int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

class MainWindowTest : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        ProbeWindow::closes = 0;
    }
    // The main window, shown; with probes, the given entries open probe windows and no other
    // entry has a window.
    TFormmain *makeMain(const QStringList &probes = {}, bool withProbes = false)
    {
        auto *w = new TFormmain;
        w->setStartsOnShow(false);
        if (withProbes || !probes.isEmpty())
            w->setFunctionWindowFactory({[probes](const QString &e) { return probes.contains(e); },
                                         [](const QString &e, QWidget *parent) -> QWidget * {
                                             auto *p = new ProbeWindow(parent);
                                             p->setObjectName(e);
                                             return p;
                                         }});
        w->show();
        return w;
    }
    // Runs the deletions that closed windows asked for.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};
