#include "access/grants.h"
#include "app/tformfjbjxx.h"
#include "common/gridexport.h"
#include "common/resultgrid.h"
#include "common/statementmodel.h"
#include "mainwindowtest.h"
#include "support/ui.h"

#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QStandardPaths>

namespace {
// The rooms of the pinned day 2024-03-05.
enum Room { LetUntilToday, WarnedTomorrow, VacantWithPastWarning };

QString roomSql(Room r)
{
    switch (r) {
    case LetUntilToday:
        return "('101','一号','已租','2024-02-05','2024-03-05',0,'2024-03-05')";
    case WarnedTomorrow:
        return "('102','二号','已租','2024-02-10','2024-03-10',4,'2024-03-06')";
    case VacantWithPastWarning:
        return "('103','三号','空闲','2024-01-01','2024-02-01',0,'2024-02-01')";
    }
    return {};
}
} // namespace

class AlarmTest : public MainWindowTest
{
protected:
    TFormmain *withRooms(const QList<Room> &rooms)
    {
        for (Room r : rooms)
            exec("insert into zf_fjb(fjbh,fjmc,fjzt,ksrq,dqrq,bjts,yjrq) values" + roomSql(r));
        TFormmain *w = makeMain({"s_fjxxgl"});
        applyGrants(*w->menuBar(), "admin");
        return w;
    }
    // The room numbers the open alarm window lists, or "closed".
    static QStringList listed(TFormmain *w)
    {
        TFormfjbjxx *alarm = w->alarmWindow();
        if (!alarm)
            return {"closed"};
        QStringList out;
        StatementModel *m = alarm->grid()->statementModel();
        for (int r = 0; r < m->rowCount(); ++r) {
            EXPECT_EQ(m->cellText(r, 0), QString::number(r + 1)) << "序号 counts from 1";
            out << m->cellText(r, 1);
        }
        return out;
    }
};

TEST_F(AlarmTest, TheThreeWaysOfAskingListTheirRooms)
{
    const QString nothing = "没有查到有报警或预警信息！";
    struct Case {
        const char *what;
        QList<Room> rooms;
        QString way; // "timer", "button", "menu"
        QStringList expected;
        QStringList notices;
    };
    const QList<Case> cases = {
        {"let until today, bjts 0", {LetUntilToday, WarnedTomorrow, VacantWithPastWarning}, "timer", {"101"}, {}},
        {"timer: nothing due", {WarnedTomorrow, VacantWithPastWarning}, "timer", {"closed"}, {}},
        {"button: let rooms only", {LetUntilToday, VacantWithPastWarning}, "button", {"101"}, {}},
        {"button: nothing due", {WarnedTomorrow, VacantWithPastWarning}, "button", {"closed"}, {nothing}},
        {"menu: vacant rooms too", {LetUntilToday, WarnedTomorrow, VacantWithPastWarning}, "menu", {"101", "103"}, {}},
        {"menu: vacant only", {WarnedTomorrow, VacantWithPastWarning}, "menu", {"103"}, {}},
        {"menu: nothing due", {WarnedTomorrow}, "menu", {"closed"}, {nothing}},
    };
    for (const Case &c : cases) {
        exec("delete from zf_fjb");
        prompts.clear();
        TFormmain *w = withRooms(c.rooms);
        w->startAlarmTimer();
        if (c.way == "timer")
            w->Timer1Timer();
        else if (c.way == "button")
            ui::click(w, "spSkinButton11");
        else
            w->entry("s_bjxx")->trigger();
        EXPECT_EQ(listed(w), c.expected) << c.what;
        EXPECT_EQ(prompts.notices(), c.notices) << c.what;
        EXPECT_FALSE(w->Timer1.isActive()) << c.what << ": the timed check runs at most once";
        delete w;
        settle();
    }
}

TEST_F(AlarmTest, AlarmJoinsTheOpenWindowAndClosesWithTheNextFunction)
{
    TFormmain *w = withRooms({LetUntilToday});
    EXPECT_EQ(w->Timer1.interval(), 1500);
    EXPECT_TRUE(w->Timer1.isSingleShot());
    EXPECT_FALSE(w->Timer1.isActive()) << "stopped until a login starts it";

    w->entry("s_fjxxgl")->trigger();
    QPointer<QWidget> rooms = w->functionWindow("s_fjxxgl");
    w->Timer1Timer();
    ASSERT_TRUE(w->alarmWindow());
    EXPECT_TRUE(rooms && rooms->isVisible()) << "the alarm does not close other windows";
    EXPECT_EQ(w->alarmWindow()->windowTitle(), "房间到期预警/报警信息");

    // Asking again while it is open reuses it.
    QPointer<TFormfjbjxx> alarm = w->alarmWindow();
    w->entry("s_bjxx")->trigger();
    EXPECT_EQ(w->alarmWindow(), alarm.data());
    EXPECT_TRUE(db->qydq.isOpen());

    w->entry("s_fjxxgl")->trigger();
    EXPECT_FALSE(w->alarmWindow());
    EXPECT_FALSE(db->qyj.isOpen());
    EXPECT_FALSE(db->qydq.isOpen());
    settle();
    EXPECT_FALSE(alarm);
}

TEST_F(AlarmTest, AlarmListColumnsAndExport)
{
    setOpenExportedFiles(false);
    TFormmain *w = withRooms({LetUntilToday, VacantWithPastWarning});
    w->entry("s_bjxx")->trigger();
    TFormfjbjxx *alarm = w->alarmWindow();
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(ui::find<QGroupBox>(alarm, "GroupBox1")->title(), "预警房间");
    QStringList captions;
    for (const GridColumn &c : alarm->grid()->gridColumns())
        captions << c.caption + (c.field.isEmpty() ? QString() : "=" + c.field);
    EXPECT_EQ(captions, (QStringList{"序号", "房间编号=fjbh", "房间名称=fjmc", "房间类型=fjlx", "房间面积=fjmj",
                                     "装修情况=fjzxqk", "房间设施=fjsb", "房间用途=fjyt", "合同开始日期=ksrq",
                                     "合同到期日期=dqrq", "日租价格=rzjg", "月租价格=yzjg", "电表度数=dbds",
                                     "水表度数=sbds", "出租类型=czlx", "房间状态=fjzt", "备注说明=bzsm",
                                     "月份数量=yfsl", "租期天数=zqts"}));

    const QString file = folder() + "alarm.xls";
    prompts.answerFile(file);
    ui::click(alarm, "导出Excel");
    ASSERT_TRUE(QFile::exists(file));
    const QString xls2csv = QStandardPaths::findExecutable("xls2csv");
    if (!xls2csv.isEmpty()) {
        QProcess p;
        p.start(xls2csv, {"-d", "utf-8", file});
        ASSERT_TRUE(p.waitForFinished());
        QStringList lines;
        for (const QString &l : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
            if (!l.trimmed().isEmpty()) // catdoc ends a sheet with a form feed
                lines << l;
        ASSERT_EQ(lines.size(), 3) << "the header and the two rooms";
        EXPECT_TRUE(lines[0].startsWith("\"房间编号\",\"房间名称\"")) << "no 序号 column: " << lines[0].toStdString();
    }

    // An empty or closed list exports nothing and asks nothing.
    prompts.clear();
    exec("delete from zf_fjb");
    db->qyj.reopen();
    ui::click(alarm, "导出Excel");
    db->qyj.close();
    ui::click(alarm, "导出Excel");
    EXPECT_TRUE(prompts.records.isEmpty());
}
