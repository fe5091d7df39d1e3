// Opening the room list over a large register: the time from creating the window to its first
// painted grid, against the raw cost of the list's statement in the engine.
//
//   bench_roomlist [rooms]      (default 5000 rooms; QT_QPA_PLATFORM=offscreen unless set)
#include "benchsupport.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "rooms/tformfjxx.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void insertRooms(Tdbhouse &db, int rooms)
{
    db.adoacccon.exec(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
        "insert into zf_fjb(fjbh,fjmc,fjlx,fjmj,fjzxqk,fjsb,fjyt,bjts,rzjg,yzjg,dbds,sbds,czlx,fjzt,bzsm,"
        "ksrq,dqrq,yfsl,sffj,zqts) "
        "select printf('%05d', i), '阳光公寓' || i, '单间', 20 + i % 30, '简装', '空调 热水器', '住宅', 3, 50, 1200, "
        "i * 1.5, i * 0.5, '是', case when i % 3 = 0 then '已租' else '空闲' end, '朝南', "
        "case when i % 3 = 0 then '2024-01-01' end, case when i % 3 = 0 then '2024-12-31' end, "
        "case when i % 3 = 0 then 12 else 0 end, '是', case when i % 3 = 0 then 366 else 0 end from n")
                          .arg(rooms));
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int rooms = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;

    bench::FreshDatabase fresh;
    Tdbhouse &db = fresh.db;
    insertRooms(db, rooms);

    std::vector<double> raw, window;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer t;
        t.start();
        Statement q(db.adoacccon, "bench");
        q.add(" select * from zf_fjb order by iid ");
        q.open();
        raw.push_back(t.nsecsElapsed() / 1e6);

        bench::PaintWatch watch;
        t.restart();
        auto *w = new TFormfjxx;
        w->resize(1280, 760);
        w->grid()->viewport()->installEventFilter(&watch);
        w->show();
        while (!watch.painted && t.elapsed() < 5000)
            QApplication::processEvents();
        window.push_back(t.nsecsElapsed() / 1e6);
        if (w->grid()->model()->rowCount() != rooms)
            std::fprintf(stderr, "the list shows %d rows, not %d\n", w->grid()->model()->rowCount(), rooms);
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("rooms: %d\n", rooms);
    std::printf("statement alone:         median %.1f ms (min %.1f)\n", bench::median(raw),
                *std::min_element(raw.begin(), raw.end()));
    std::printf("room list to first paint: median %.1f ms (min %.1f, first run %.1f)\n", bench::median(window),
                *std::min_element(window.begin(), window.end()), window.front());
    return 0;
}
