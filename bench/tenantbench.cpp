// The tenant register over a large table: opening the tenant list to its first painted grid,
// the raw cost of the list's statement, the tenant picker finding a tenant by pinyin initials
// and by name through its own search, and the picker's opening on all tenants not in residence.
//
//   bench_tenants [tenants]      (default 50000 tenants; QT_QPA_PLATFORM=offscreen unless set)
#include "benchsupport.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "tenants/hzspell.h"
#include "tenants/tformdcfkxx.h"
#include "tenants/tformfkcx.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int runs = 7;

// A search that finds nothing would put up a message box and wait for a click; here the
// message is only counted and reported.
class CountingPrompter : public Prompter
{
public:
    int notices = 0;
    void notice(const QString &text, const QString &, Icon) override
    {
        ++notices;
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    }
    bool ask(const QString &, const QString &) override { return false; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    bool inputText(const QString &, const QString &, QString *) override { return false; }
};

// Names are a surname and one or two given characters from small lists, so the initials repeat
// the way real ones do (张, 赵, 周 and 郑 all give z). pyzjh is put together from the parts'
// known initials; one tenant in three is in residence. The parts are chosen by a scrambled
// number h, not by i itself, so that a name is not tied to the residence flag (with i % 20
// for the surname every 张伟 would be in residence).
void insertTenants(Tdbhouse &db, int tenants)
{
    db.adoacccon.exec(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1), "
        "m(i, h) as (select i, (((i * 48271) % 2147483647) * 48271) % 2147483647 from n), "
        "s(k, c, p) as (values (0,'张','z'),(1,'王','w'),(2,'李','l'),(3,'赵','z'),(4,'刘','l'),"
        "(5,'陈','c'),(6,'杨','y'),(7,'黄','h'),(8,'周','z'),(9,'吴','w'),(10,'徐','x'),(11,'孙','s'),"
        "(12,'马','m'),(13,'朱','z'),(14,'胡','h'),(15,'郭','g'),(16,'何','h'),(17,'高','g'),"
        "(18,'林','l'),(19,'郑','z')), "
        "g(k, c, p) as (values (0,'伟','w'),(1,'芳','f'),(2,'娜','n'),(3,'敏','m'),(4,'静','j'),"
        "(5,'丽','l'),(6,'强','q'),(7,'磊','l'),(8,'军','j'),(9,'洋','y'),(10,'勇','y'),(11,'艳','y'),"
        "(12,'杰','j'),(13,'娟','j'),(14,'涛','t'),(15,'明','m'),(16,'超','c'),(17,'秀','x'),"
        "(18,'霞','x'),(19,'平','p'),(20,'刚','g'),(21,'桂','g'),(22,'英','y'),(23,'华','h')) "
        "insert into zf_fkxxb(fkxm,mz,zjlx,zjhm,xb,fkhj,dhhm,sjhm,zy,zzdw,bzsm,djrq,pyzjh,sfrz,picpath) "
        "select s.c || g1.c || case when m.h / 11520 % 4 = 0 then '' else g2.c end, '汉', '身份证', "
        "printf('110101199%d%02d%02d%04d', m.i % 10, m.i % 12 + 1, m.i % 28 + 1, m.i % 10000), "
        "case when m.i % 2 = 0 then '男' else '女' end, '北京市朝阳区建国路' || (m.i % 300) || '号', "
        "printf('010-%08d', m.i), printf('138%08d', m.i), '职员', '某某有限公司', '', "
        "printf('2023-%02d-%02d', m.i % 12 + 1, m.i % 28 + 1), "
        "s.p || g1.p || case when m.h / 11520 % 4 = 0 then '' else g2.p end, "
        "case when m.i % 3 = 0 then '是' else '否' end, '' "
        "from m join s on s.k = m.h % 20 join g g1 on g1.k = m.h / 20 % 24 "
        "join g g2 on g2.k = m.h / 480 % 24 order by m.i")
                          .arg(tenants));
}

// The stored initials are the ones the register computes when it saves a tenant.
void checkInitials(Tdbhouse &db)
{
    Statement q(db.adoacccon, "check");
    q.add("select fkxm, pyzjh from zf_fkxxb where iid <= 2000");
    q.open();
    for (int row = 0; row < q.recordCount(); ++row) {
        const QString name = q.fieldAt(row, "fkxm").asString();
        const QString stored = q.fieldAt(row, "pyzjh").asString();
        if (HzSpell::initials(name) != stored) {
            std::fprintf(stderr, "initials of %s: stored %s, computed %s\n", name.toUtf8().constData(),
                         stored.toUtf8().constData(), HzSpell::initials(name).toUtf8().constData());
            return;
        }
    }
}

void report(const char *what, const std::vector<double> &v)
{
    std::printf("%-34s median %8.2f ms (min %.2f, first run %.2f)\n", what, bench::median(v),
                *std::min_element(v.begin(), v.end()), v.front());
}

// Runs work and waits for the next paint of the grid; the time of both.
double untilPainted(ResultGrid *grid, const std::function<void()> &work)
{
    bench::PaintWatch watch;
    grid->viewport()->installEventFilter(&watch);
    QElapsedTimer t;
    t.start();
    work();
    grid->viewport()->update();
    while (!watch.painted && t.elapsed() < 5000)
        QApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    grid->viewport()->removeEventFilter(&watch);
    return ms;
}

void benchList(Tdbhouse &db, int tenants)
{
    std::vector<double> engine, raw, window;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        // execSQL steps through the rows without keeping them: the engine's share.
        Statement steps(db.adoacccon, "bench");
        steps.add("select * from zf_fkxxb order by iid ");
        steps.execSQL();
        engine.push_back(t.nsecsElapsed() / 1e6);

        t.restart();
        Statement q(db.adoacccon, "bench");
        q.add("select * from zf_fkxxb order by iid ");
        q.open();
        raw.push_back(t.nsecsElapsed() / 1e6);

        bench::PaintWatch watch;
        t.restart();
        auto *w = new TFormfkcx;
        w->resize(1280, 760);
        auto *grid = w->findChild<ResultGrid *>("grid");
        grid->viewport()->installEventFilter(&watch);
        w->show();
        while (!watch.painted && t.elapsed() < 5000)
            QApplication::processEvents();
        window.push_back(t.nsecsElapsed() / 1e6);
        if (grid->model()->rowCount() != tenants)
            std::fprintf(stderr, "the list shows %d rows, not %d\n", grid->model()->rowCount(), tenants);
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    report("list statement, engine steps only", engine);
    report("list statement alone", raw);
    report("tenant list to first paint", window);
}

// The picker as chooseTenant() opens it, up to its first painted grid; then its own search,
// each up to the painted result.
void benchPicker()
{
    std::vector<double> opening, freeAlone, byTwoInitials, byInitials, byName;
    int free = 0, twoInitialsRows = 0, initialsRows = 0, nameRows = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        TFormdcfkxx::openFreeTenants();
        freeAlone.push_back(t.nsecsElapsed() / 1e6);
        free = dbhouse().qdcfk.recordCount();

        bench::PaintWatch watch;
        t.restart();
        TFormdcfkxx::openFreeTenants();
        auto *picker = new TFormdcfkxx;
        auto *grid = picker->findChild<ResultGrid *>("grid");
        grid->viewport()->installEventFilter(&watch);
        picker->show();
        while (!watch.painted && t.elapsed() < 5000)
            QApplication::processEvents();
        opening.push_back(t.nsecsElapsed() / 1e6);
        grid->viewport()->removeEventFilter(&watch);

        auto *box = picker->findChild<QLineEdit *>("searchBox");
        box->setText(QStringLiteral("zw"));
        byTwoInitials.push_back(untilPainted(grid, [picker] { picker->searchClick(); }));
        twoInitialsRows = dbhouse().qdcfk.recordCount();
        box->setText(QStringLiteral("zwf"));
        byInitials.push_back(untilPainted(grid, [picker] { picker->searchClick(); }));
        initialsRows = dbhouse().qdcfk.recordCount();
        box->setText(QStringLiteral("张伟"));
        byName.push_back(untilPainted(grid, [picker] { picker->searchClick(); }));
        nameRows = dbhouse().qdcfk.recordCount();

        picker->close();
        delete picker;
        dbhouse().qdcfk.close();
    }
    report("openFreeTenants() alone", freeAlone);
    report("picker opening to first paint", opening);
    report("picker search \"zw\" to paint", byTwoInitials);
    report("picker search \"zwf\" to paint", byInitials);
    report("picker search by name to paint", byName);
    std::printf("free tenants %d, found by \"zw\" %d, by \"zwf\" %d, by \"张伟\" %d\n", free,
                twoInitialsRows, initialsRows, nameRows);
}

} // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const int tenants = argc > 1 ? std::max(1, atoi(argv[1])) : 50000;
    CountingPrompter prompts;
    setPrompter(&prompts);

    bench::FreshDatabase fresh;
    Tdbhouse &db = fresh.db;
    insertTenants(db, tenants);
    checkInitials(db);

    std::printf("tenants: %d\n", tenants);
    benchList(db, tenants);
    benchPicker();
    setPrompter(nullptr);
    return prompts.notices == 0 ? 0 : 1;
}
