#include "app/functionwindows.h"
#include "rooms/tformftgl.h"
#include "rooms/tformfjxx.h"
#include "rooms/tformfjyd.h"
#include "leasing/tformsfmcsz.h"
#include "tenants/tformfkcx.h"
#include "app/tformzxbz.h"

#include <QHash>
#include <QWidget>

#include <functional>

namespace {
using Factory = std::function<QWidget *(QWidget *)>;

template <class W>
Factory make()
{
    return [](QWidget *parent) -> QWidget * { return new W(parent); };
}

// One line per function window: the menu entry (or navigation key) and its class.
const QHash<QString, Factory> &factories()
{
    static const QHash<QString, Factory> table = {
        {"s_czxzgl", make<TFormftgl>()},
        {"s_fjxxgl", make<TFormfjxx>()},
        {"s_fjyd", make<TFormfjyd>()},
        {"N4", make<TFormzxbz>()},
        {"s_fkxxdj", make<TFormfkcx>()},
        {"s_sfmcsz", make<TFormsfmcsz>()},
    };
    return table;
}
} // namespace

QWidget *createFunctionWindow(const QString &entryName, QWidget *parent)
{
    const auto it = factories().find(entryName);
    return it == factories().end() ? nullptr : (*it)(parent);
}

bool hasFunctionWindow(const QString &entryName)
{
    return factories().contains(entryName);
}
