// What the benchmarks share: a fresh database in a temporary program folder, the offscreen
// platform for the window benchmarks, a watch for a widget's first paint, and the median of the
// timed runs.
#pragma once
#include "common/programfolder.h"
#include "db/schema.h"
#include "db/tdbhouse.h"

#include <QEvent>
#include <QObject>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace bench {

// A fresh database in a temporary program folder, open while the object lives. The folder is
// declared first so that it goes only after the database is closed.
struct FreshDatabase {
    FreshDatabase()
    {
        setProgramFolder(dir.path());
        schema::createDatabase(Tdbhouse::databasePath(programFolder()));
        db.openDatabase(programFolder());
    }

    QTemporaryDir dir;
    Tdbhouse db;
};

// The window benchmarks run without a display unless QT_QPA_PLATFORM says otherwise; call it
// before the application object is made.
inline void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Notices the first paint of a widget.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace bench
