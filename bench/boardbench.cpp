// The status board's timed refresh over a large register: the time of one rebuild (statement,
// thumbnails, selection and scroll position, up to the painted list), against the raw cost of
// the board's statement in the engine. It runs every 8 seconds on the user-interface thread.
//
//   bench_board [rooms]      (default 2000 rooms; QT_QPA_PLATFORM=offscreen unless set)
#include "benchsupport.h"
#include "common/programfolder.h"
#include "db/tdbhouse.h"
#include "rooms/tformftgl.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A third of the rooms let, one in ten of the others booked.
void insertRooms(Tdbhouse &db, int rooms)
{
    db.adoacccon.exec(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
        "insert into zf_fjb(fjbh,fjmc,fjlx,fjmj,fjyt,bjts,rzjg,yzjg,dbds,sbds,czlx,fjzt,fjydzt,yfsl,sffj,zqts) "
        "select printf('%05d', i), '阳光公寓' || i, '单间', 20, case when i % 5 = 0 then '商铺' else '住宅' end, "
        "3, 50, 1200, 0, 0, '是', case when i % 3 = 0 then '已租' else '空闲' end, "
        "case when i % 10 = 1 then '预定' else '空闲' end, 0, '是', 0 from n")
                          .arg(rooms));
}

void copyPictures(const QString &sourceDir)
{
    QDir().mkpath(programFolder() + "pic");
    for (const char *name : {"wr.bmp", "yr.bmp", "yd.bmp"})
        QFile::copy(sourceDir + "/resources/pic/" + name, programFolder() + "pic/" + name);
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int rooms = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;

    bench::FreshDatabase fresh;
    Tdbhouse &db = fresh.db;
    copyPictures(QStringLiteral(ROOMLET_SOURCE_DIR));
    insertRooms(db, rooms);

    auto *board = new TFormftgl;
    board->resize(1200, 760);
    board->show();
    QApplication::processEvents();
    // A room selected half-way down, as the landlord leaves the board.
    board->thumbnails()->setCurrentRow(rooms / 2);
    QApplication::processEvents();

    std::vector<double> raw, rebuild, painted;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer t;
        t.start();
        Statement q(db.adoacccon, "bench");
        q.add("select * from zf_fjb order by iid");
        q.open();
        raw.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        board->Timer1Timer();
        rebuild.push_back(t.nsecsElapsed() / 1e6);
        // The deferred work: the one paint of the finished list.
        board->thumbnails()->viewport()->repaint();
        QApplication::processEvents();
        painted.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("rooms %d\n", rooms);
    std::printf("statement alone      median %8.2f ms\n", bench::median(raw));
    std::printf("board rebuild        median %8.2f ms\n", bench::median(rebuild));
    std::printf("rebuild and paint    median %8.2f ms\n", bench::median(painted));
    std::printf("thumbnails %d, selected %d\n", board->thumbnails()->count(), board->thumbnails()->currentRow());
    board->close();
    QApplication::processEvents();
    return 0;
}
