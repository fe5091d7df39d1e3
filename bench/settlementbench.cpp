// Settling a room's pending lines: common number, settled lines, receipt row, release of the room
// and removal of the pending lines, over a database that already holds a long charge history.
//
//   bench_settlement [lines] [settled history]   (default 30 pending lines, 200000 settled lines)
#include "benchsupport.h"
#include "common/loggedinoperator.h"
#include "db/tdbhouse.h"
#include "leasing/settlement.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void insertHistory(Tdbhouse &db, int settled)
{
    db.adoacccon.exec(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
        "insert into zf_fjsfmxb(zdlsh,fjbh,fjmc,fjlx,sflx,fymc,sl,dj,ysfje,zkje,ssje,czy,jzrq,sfrq,nf,yf,fkiid,fkxm) "
        "select printf('SF230101001%05d', i % 99999), printf('%05d', i % 2000), '阳光公寓', '单间', '房租租金', "
        "'房租租金', 1, 1200, 1200, 0, 1200, 'admin', '2023-01-01', '2023-01-01', 2023, 1, i % 2000, '房客' from n")
                          .arg(settled));
    db.adoacccon.exec(QStringLiteral(
        "insert into zf_fjb(fjbh,fjmc,fjlx,fjzt,fkiid,fkxm,ksrq,dqrq) "
        "values('B101','阳光公寓','单间','已租',7,'张三','2024-03-01','2024-05-31')"));
}

void insertPending(Tdbhouse &db, int lines)
{
    db.adoacccon.exec(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
        "insert into zf_fjsfmxlsb(zdlsh,sgdh,fjbh,fjmc,fjlx,sflx,fymc,scdbsl,bcdbsl,scsbsl,bcsbsl,sl,dj,ysfje,zkje,"
        "ssje,czy,jzrq,nf,yf,fkiid,fkxm,tzbz) "
        "select case when i = 1 then 'XZ24030500100001' else 'SF24030500100001' end, 'M-1', 'B101', '阳光公寓', "
        "'单间', '电费', '电费', 1000 + i, 1010 + i, 0, 0, 10, 0.6, 6, 0, 6, 'admin', '2024-03-05', 2024, 3, 7, "
        "'张三', case when i = %1 then '1' end from n")
                          .arg(lines));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    const int history = argc > 2 ? std::max(0, atoi(argv[2])) : 200000;

    bench::FreshDatabase fresh;
    Tdbhouse &db = fresh.db;
    loggedInOperator() = LoggedInOperator{QStringLiteral("admin"), QStringLiteral("001"), true};
    insertHistory(db, history);

    // The step before the dialog (the common number, written at once) and the settlement itself.
    std::vector<double> starts, settles, totals, commits;
    for (int run = 0; run < 15; ++run) {
        insertPending(db, lines);
        QElapsedTimer t;
        t.start();
        const Settlement settlement(QStringLiteral("B101"));
        const auto start = settlement.start();
        starts.push_back(t.nsecsElapsed() / 1e6);
        const bool settled = start && settlement.settle({start->total, 0, start->total});
        totals.push_back(t.nsecsElapsed() / 1e6);
        settles.push_back(totals.back() - starts.back());
        if (!settled)
            std::fprintf(stderr, "run %d settled nothing\n", run);
        // The floor: one committed write of one row, which the disk's sync dominates.
        t.restart();
        db.adoacccon.exec(QStringLiteral("update zf_fjb set fjzt=fjzt where fjbh='B101'"));
        commits.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("pending lines: %d, settled history: %d\n", lines, history);
    auto report = [](const char *what, const std::vector<double> &v) {
        std::printf("%-44s median %6.1f ms (min %.1f, max %.1f)\n", what, bench::median(v), *std::min_element(v.begin(), v.end()),
                    *std::max_element(v.begin(), v.end()));
    };
    report("common number before the dialog:", starts);
    report("settlement (lines, receipt, release, delete):", settles);
    report("both:", totals);
    report("one committed one-row update (the floor):", commits);
    return 0;
}
