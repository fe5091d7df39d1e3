#include "access/grants.h"

#include "db/tdbhouse.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// The top-level menus the grants govern: all but the last one.
QList<QMenu *> governedMenus(QMenuBar &bar)
{
    QList<QMenu *> menus;
    for (QAction *a : bar.actions())
        if (a->menu())
            menus << a->menu();
    if (!menus.isEmpty())
        menus.removeLast();
    return menus;
}
} // namespace

void applyGrantNames(QMenuBar &bar, const QStringList &granted)
{
    if (granted.isEmpty())
        return;
    const QList<QMenu *> menus = governedMenus(bar);
    for (QMenu *m : menus) {
        for (QAction *entry : m->actions())
            entry->setEnabled(false);
        // A top-level menu stays usable whether or not its group key was granted.
        m->menuAction()->setEnabled(true);
    }
    // Names are compared exactly: a grant written in another letter case opens nothing.
    for (QMenu *m : menus)
        for (QAction *entry : m->actions())
            if (!entry->isSeparator() && granted.contains(entry->objectName()))
                entry->setEnabled(true);
}

void applyGrants(QMenuBar &bar, const QString &operatorCode)
{
    auto &q = dbhouse().pub;
    q.close();
    q.clear();
    q.add("select * from yhqxb where loginuser=:tjq1");
    q.param("tjq1") = operatorCode;
    q.open();
    QStringList granted;
    for (int r = 0; r < q.recordCount(); ++r)
        granted << q.fieldAt(r, "funcename").asString();
    q.close();
    applyGrantNames(bar, granted);
}
