#include "support/roomlettest.h"
#include "support/ui.h"

#include "common/processflags.h"
#include "db/dberror.h"
#include "leasing/tformczxzgl.h"
#include "leasing/tformfjsf.h"
#include "leasing/tformtzgl.h"
#include "leasing/tformxzgl.h"
#include "rooms/renewalreadings.h"
#include "rooms/roomnotice.h"
#include "rooms/roomthumbnail.h"
#include "rooms/tformftgl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

namespace {

// Fails the test and closes the window when the action it guards opens a modal window.
class NoModalWindow
{
public:
    NoModalWindow()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal window " << m->metaObject()->className();
                m->close();
            }
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

TEST(RoomThumbnail, CaptionIsNumberBlankUseAndActionsTakeTheNumberBack)
{
    struct Case { const char *fjbh, *fjyt, *caption; };
    for (const Case &c : {Case{"101", "住宅", "101 住宅"}, Case{"101", "", "101 "}, Case{" 101 ", " 住宅 ", "101 住宅"},
                          Case{"A-3", "商铺 二楼", "A-3 商铺 二楼"}}) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(thumbnailCaption(QString::fromUtf8(c.fjbh), QString::fromUtf8(c.fjyt)), QString::fromUtf8(c.caption));
        EXPECT_EQ(roomNumberOfCaption(QString::fromUtf8(c.caption)), QString::fromUtf8(c.fjbh).trimmed());
    }
}

TEST(RoomThumbnail, PictureFollowsTheLettingStateAndShowsBookingsOfVacantRooms)
{
    struct Case { const char *fjzt, *fjydzt; RoomPicture picture; const char *file; };
    for (const Case &c : {Case{"空闲", "空闲", RoomPicture::Idle, "pic/wr.bmp"},
                          Case{"空闲", "预定", RoomPicture::Booked, "pic/yd.bmp"},
                          Case{"空闲", "", RoomPicture::Booked, "pic/yd.bmp"}, // a null flag reads as booked
                          Case{"已租", "预定", RoomPicture::Let, "pic/yr.bmp"},
                          Case{"已租", "空闲", RoomPicture::Let, "pic/yr.bmp"}}) {
        SCOPED_TRACE(std::string(c.fjzt) + "/" + c.fjydzt);
        EXPECT_EQ(roomPicture(QString::fromUtf8(c.fjzt), QString::fromUtf8(c.fjydzt)), c.picture);
        EXPECT_EQ(pictureFile(c.picture), QString::fromUtf8(c.file));
    }
}

// Rooms 101 (住宅, vacant), 102 (住宅, let to 张三), 201 (商铺, vacant and booked), 301 (no use,
// vacant); the clock says 2024-03-05 10:00.
class BoardTest : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        copyPictures();
        exec("insert into zf_fjfzszb(fzbz,fznr) values('房间用途','住宅'),('房间用途','商铺'),('房间类型','单间')");
        addRoom("101", "住宅");
        addRoom("102", "住宅");
        addRoom("201", "商铺");
        addRoom("301", "");
        zhang = addTenant("张三");
        letRoom("102", zhang, "张三");
        book("201", "13900001111", "下午来看");
    }

    void copyPictures()
    {
        const QString from = qEnvironmentVariable("ROOMLET_SOURCE_DIR") + "/resources/pic/";
        QDir().mkpath(folder() + "pic");
        for (const char *name : {"wr.bmp", "yr.bmp", "yd.bmp"})
            QFile::copy(from + name, folder() + "pic/" + name);
    }
    void addRoom(const QString &fjbh, const QString &fjyt, double yzjg = 1200, double rzjg = 50)
    {
        exec(QString("insert into zf_fjb(fjbh,fjmc,fjlx,fjmj,fjsb,fjyt,bjts,rzjg,yzjg,dbds,sbds,czlx,fjzt,yfsl,sffj,zqts) "
                     "values('%1','阳光%1','单间',20.5,'空调','%2',3,%3,%4,0,0,'是','空闲',0,'是',0)")
                 .arg(fjbh, fjyt).arg(rzjg).arg(yzjg));
    }
    int addTenant(const QString &name)
    {
        exec(QString("insert into zf_fkxxb(fkxm,sfrz,djrq) values('%1','否','2024-01-01')").arg(name));
        return value("select max(iid) from zf_fkxxb").toInt();
    }
    void letRoom(const QString &fjbh, int fkiid, const QString &fkxm, const QString &ksrq = "'2024-01-01'")
    {
        exec(QString("update zf_fjb set fjzt='已租',fkiid=%1,fkxm='%2',ksrq=%3,dqrq='2024-06-30',rs=2,yfsl=6,zqts=182 "
                     "where fjbh='%4'").arg(fkiid).arg(fkxm, ksrq, fjbh));
        exec(QString("update zf_fkxxb set sfrz='是' where iid=%1").arg(fkiid));
    }
    void book(const QString &fjbh, const QString &tell, const QString &bz)
    {
        exec(QString("insert into zf_ydb(fjbh,fjmc,ksrq,jsrq,yj,djrq,czy,tell,bz) "
                     "values('%1','阳光%1','2024-04-01','2024-09-30',300,'2024-03-01','admin','%2','%3')")
                 .arg(fjbh, tell, bz));
        exec(QString("update zf_fjb set fjydzt='预定' where fjbh='%1'").arg(fjbh));
    }
    void pendingLine(const QString &fjbh, int fkiid, double ssje, const QString &tzbz = "null")
    {
        exec(QString("insert into zf_fjsfmxlsb(zdlsh,fjbh,sflx,fymc,ssje,fkiid,tzbz) values('XZ1','%1','房租租金','房租租金',%2,%3,%4)")
                 .arg(fjbh).arg(ssje).arg(fkiid).arg(tzbz));
    }
    void settledLine(const QString &fjbh, int fkiid, double ssje)
    {
        exec(QString("insert into zf_fjsfmxb(zdlsh,fjbh,sflx,fymc,ssje,fkiid,sfrq) values('SF1','%1','押金','押金',%2,%3,'2024-01-02')")
                 .arg(fjbh).arg(ssje).arg(fkiid));
    }

    TFormftgl *open()
    {
        board = new TFormftgl;
        board->resize(900, 600);
        board->show();
        return board;
    }
    QListWidget *list() const { return board->thumbnails(); }
    QStringList captions() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }
    int rowOf(const QString &fjbh) const
    {
        for (int i = 0; i < list()->count(); ++i)
            if (roomNumberOfCaption(list()->item(i)->text()) == fjbh)
                return i;
        ADD_FAILURE() << "no thumbnail of room " << fjbh.toStdString();
        return -1;
    }
    // The operator picks a room (as with the keyboard).
    void select(const QString &fjbh) { list()->setCurrentRow(rowOf(fjbh)); }
    static QString boxText(QWidget *w, const char *name) { return ui::find<QLineEdit>(w, name)->text(); }

    TFormftgl *board = nullptr;
    int zhang = 0;
};

TEST_F(BoardTest, OpensWithEveryRoomItsPictureAndCaptionAndTheRefreshRunning)
{
    open();
    EXPECT_EQ(board->windowTitle(), "房间出租续租退租管理");
    auto *filter = ui::find<QComboBox>(board, "usageFilter");
    QStringList usages;
    for (int i = 0; i < filter->count(); ++i)
        usages << filter->itemText(i);
    EXPECT_EQ(usages, (QStringList{"所有", "住宅", "商铺"}));
    EXPECT_EQ(filter->currentIndex(), 0);
    EXPECT_EQ(ui::find<QComboBox>(board, "roomNumberBox")->count(), 4);

    EXPECT_EQ(captions(), (QStringList{"101 住宅", "102 住宅", "201 商铺", "301 "}));
    QList<int> pictures;
    for (int i = 0; i < list()->count(); ++i)
        pictures << list()->item(i)->data(Qt::UserRole).toInt();
    EXPECT_EQ(pictures, (QList<int>{int(RoomPicture::Idle), int(RoomPicture::Let), int(RoomPicture::Booked),
                                     int(RoomPicture::Idle)}));
    EXPECT_FALSE(list()->item(0)->icon().isNull());
    EXPECT_EQ(list()->iconSize(), QSize(70, 70));
    EXPECT_EQ(list()->viewMode(), QListView::IconMode);
    EXPECT_EQ(board->selectedPosition(), -1);
    EXPECT_EQ(list()->currentItem(), nullptr);
    EXPECT_TRUE(board->timer()->isActive());
    EXPECT_EQ(board->timer()->interval(), 8000);
}

TEST_F(BoardTest, UsageFilterShowsOnlyRoomsOfExactlyThatUse)
{
    addRoom("401", "商铺楼");
    open();
    auto *filter = ui::find<QComboBox>(board, "usageFilter");
    filter->setCurrentText("商铺");
    ui::click(board, "分类查询");
    EXPECT_EQ(captions(), (QStringList{"201 商铺"}));
    EXPECT_TRUE(board->timer()->isActive());
    filter->setCurrentIndex(0);
    ui::click(board, "分类查询");
    EXPECT_EQ(captions().size(), 5);
}

// The refusals and hand-offs of every action, by the room's state. Rooms are found by the number
// in front of their caption, also when the caption ends in a blank (301).
TEST_F(BoardTest, ActionsRefuseOrHandOverByTheRoomsState)
{
    exec("update zf_fjb set fjzt='已租',fkiid=99,fkxm='王五' where fjbh='301'");
    pendingLine("301", 99, -500, "'1'");
    open();
    const QString noCharging;
    struct Case {
        const char *room; // empty: nothing selected
        std::function<void(TFormftgl *)> action;
        const char *actionName;
        QStringList notices;
        QString chargedRoom; // the charging window opens for this room
    };
    auto doubleClick = [](TFormftgl *b) {
        QListWidget *l = b->thumbnails();
        emit l->itemDoubleClicked(l->currentItem());
    };
    const QList<Case> cases = {
        {"", &TFormftgl::rentClick, "房间出租", {"请您先选择一个房间！"}, noCharging},
        {"", &TFormftgl::chargeClick, "房间收费", {}, noCharging},
        {"", &TFormftgl::renewClick, "房间续租", {"请您先选择一个房间！"}, noCharging},
        {"", &TFormftgl::checkOutClick, "退租管理", {"请您先选择一个房间！"}, noCharging},
        {"", &TFormftgl::cancelLeaseClick, "出租取消", {"请您先选择一个房间编号！"}, noCharging},
        {"101", &TFormftgl::chargeClick, "房间收费", {"此房间还没有出租，不能收费！"}, noCharging},
        {"101", doubleClick, "double-click", {"此房间还没有出租，不能收费,请先进行出租操作！"}, noCharging},
        {"101", &TFormftgl::renewClick, "房间续租", {"此房间还没有出租，不能续租！"}, noCharging},
        {"101", &TFormftgl::checkOutClick, "退租管理", {"此房间不是已租状态，不能退租！"}, noCharging},
        {"102", &TFormftgl::rentClick, "房间出租", {"此房间已租,请进行续租操作！"}, noCharging},
        {"102", &TFormftgl::chargeClick, "房间收费", {}, "102"},
        {"102", doubleClick, "double-click", {}, "102"},
        {"301", &TFormftgl::rentClick, "房间出租", {"此房间已进入退租状态，需先进行退租结算处理"}, "301"},
        {"301", &TFormftgl::renewClick, "房间续租", {"此房间已进入退租状态，需先进行退租结算处理"}, "301"},
        {"301", &TFormftgl::checkOutClick, "退租管理", {}, "301"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.room) + " " + c.actionName);
        prompts.clear();
        list()->clearSelection();
        list()->setCurrentItem(nullptr);
        if (*c.room)
            select(c.room);
        QString charged;
        std::optional<NoModalWindow> guard;
        if (!c.chargedRoom.isEmpty())
            ui::onNextModal<TFormfjsf>([&charged](TFormfjsf *w) {
                charged = boxText(w, "editfjbh");
                w->close();
            });
        else
            guard.emplace();
        c.action(board);
        EXPECT_EQ(prompts.notices(), c.notices);
        EXPECT_EQ(charged, c.chargedRoom);
        EXPECT_EQ(board->notice(), nullptr) << "the notice closes when an action starts";
        EXPECT_TRUE(board->timer()->isActive());
    }
}

TEST_F(BoardTest, RentingOutOpensTheWindowPreparedForTheRoomWithTheRefreshStopped)
{
    exec("update zf_fjb set czlx='否' where fjbh='101'");
    open();
    select("101");
    bool timerRan = true;
    ui::onNextModal<TFormczxzgl>([&](TFormczxzgl *w) {
        timerRan = board->timer()->isActive();
        EXPECT_EQ(boxText(w, "Edit1"), "101");
        EXPECT_EQ(boxText(w, "Edit2"), "阳光101");
        EXPECT_EQ(boxText(w, "Edit15"), "单间");
        EXPECT_EQ(boxText(w, "Edit18"), "50"); // by the day: the daily price
        EXPECT_FALSE(ui::find<QCheckBox>(w, "cb1")->isChecked());
        EXPECT_FALSE(ui::find<QRadioButton>(w, "rb1")->isChecked());
        EXPECT_FALSE(ui::find<QLineEdit>(w, "Edit17")->isVisible());
        w->back();
    });
    board->rentClick();
    EXPECT_FALSE(timerRan);
    EXPECT_TRUE(board->timer()->isActive());
    EXPECT_EQ(count("zf_fjb", "fjzt='已租'"), 1);
}

TEST_F(BoardTest, RenewalAndCheckOutOpenPreparedFromTheLetRoom)
{
    exec("insert into zf_fjsfmxb(fjbh,sflx,fymc,nf,yf,bcdbsl,bcsbsl) values('102','电费','电费',2024,2,310,0),"
         "('102','电费','电费',2023,12,290,0),('102','水费','水费',2024,1,0,41.5)");
    open();
    select("102");
    ui::onNextModal<TFormxzgl>([&](TFormxzgl *w) {
        EXPECT_FALSE(board->timer()->isActive());
        EXPECT_EQ(boxText(w, "Edit1"), "102");
        EXPECT_EQ(boxText(w, "Edit3"), "张三");
        EXPECT_EQ(boxText(w, "editfkiid"), QString::number(zhang));
        EXPECT_EQ(boxText(w, "Edit16"), "2");
        EXPECT_EQ(boxText(w, "Edit18"), "1200");
        EXPECT_TRUE(ui::find<QCheckBox>(w, "cb1")->isChecked());
        EXPECT_EQ(boxText(w, "Edit6"), "2024-07-01");
        w->back();
    });
    board->renewClick();
    EXPECT_TRUE(board->timer()->isActive());

    ui::onNextModal<TFormtzgl>([&](TFormtzgl *w) {
        EXPECT_FALSE(board->timer()->isActive());
        EXPECT_EQ(boxText(w, "Edit3"), "张三");
        EXPECT_EQ(boxText(w, "Edit6"), "2024-01-01");
        EXPECT_EQ(boxText(w, "Edit7"), "2024-06-30");
        EXPECT_EQ(boxText(w, "Edit14"), "182");
        EXPECT_EQ(boxText(w, "Edit10"), "");
        w->back();
    });
    board->checkOutClick();
    EXPECT_TRUE(board->timer()->isActive());
}

TEST_F(BoardTest, RenewalReadingsAreTheLatestSettledByYearThenMonth)
{
    EXPECT_EQ(lastSettledReading("102", Meter::Electricity), "");
    exec("insert into zf_fjsfmxb(fjbh,sflx,fymc,nf,yf,bcdbsl,bcsbsl) values"
         "('102','电费','电费',2024,2,310,0),('102','电费','电费',2024,11,305,0),('102','电费','电费',2023,12,290,0),"
         "('102','水费','水费',2024,1,0,41.5),('101','电费','电费',2025,1,999,0)");
    EXPECT_EQ(lastSettledReading("102", Meter::Electricity), "305");
    EXPECT_EQ(lastSettledReading("102", Meter::Water), "41.5");
}

// ---- The booked room ----

class BookedRoomTest : public BoardTest
{
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        guest = addTenant("李四");
        open();
        select("201");
        prompts.clear();
    }
    QString question() const
    {
        return "此房间被预订了，请您确定是否是预订的客人来租房,预定客人信息电话：13900001111  下午来看";
    }
    int guest = 0;
};

TEST_F(BookedRoomTest, AnsweringNoOpensNothingAndKeepsTheBooking)
{
    prompts.answer(false);
    {
        NoModalWindow guard;
        board->rentClick();
    }
    ASSERT_EQ(prompts.questions(), QStringList{question()});
    EXPECT_EQ(prompts.records.last().title, "询问");
    EXPECT_EQ(count("zf_ydb", "fjbh='201'"), 1);
    EXPECT_EQ(value("select fjydzt from zf_fjb where fjbh='201'"), "预定");
    EXPECT_TRUE(board->timer()->isActive());
}

TEST_F(BookedRoomTest, ASavedLeaseRemovesTheBookingAndClearsTheFlag)
{
    prompts.answer(true);  // the booking's guest
    prompts.answer(false); // no settlement now
    ui::onNextModal<TFormczxzgl>([&](TFormczxzgl *w) {
        EXPECT_EQ(boxText(w, "Edit17"), "300");
        EXPECT_TRUE(ui::find<QLabel>(w, "Label17")->isVisible());
        EXPECT_TRUE(ui::find<QLineEdit>(w, "Edit17")->isVisible());
        w->setTenant("李四", guest);
        w->save();
    });
    board->rentClick();
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(count("zf_ydb", "fjbh='201'"), 0);
    EXPECT_EQ(value("select fjzt||'/'||fjydzt from zf_fjb where fjbh='201'"), "已租/空闲");
    EXPECT_EQ(list()->item(rowOf("201"))->data(Qt::UserRole).toInt(), int(RoomPicture::Let));
}

TEST_F(BookedRoomTest, LeavingTheWindowWithoutSavingKeepsTheBooking)
{
    prompts.answer(true);
    ui::onNextModal<TFormczxzgl>([](TFormczxzgl *w) { ui::click(w, "返回"); });
    board->rentClick();
    EXPECT_EQ(count("zf_ydb", "fjbh='201'"), 1);
    EXPECT_EQ(value("select fjzt||'/'||fjydzt from zf_fjb where fjbh='201'"), "空闲/预定");
    EXPECT_EQ(list()->item(rowOf("201"))->data(Qt::UserRole).toInt(), int(RoomPicture::Booked));
}

// ---- Cancelling a letting ----

// Room 101 let to one 张三 (the room's tenant), room 102 to another 张三. Room 101 also carries
// the lines of an earlier tenant (id 7) and one receipt.
class CancelLeaseTest : public BoardTest
{
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        sameName = addTenant("张三");
        letRoom("101", sameName, "张三", "'2024-02-01'");
        for (int fkiid : {sameName, 7})
            pendingLine("101", fkiid, 100);
        pendingLine("102", zhang, 100);
        for (int fkiid : {sameName, 7})
            settledLine("101", fkiid, 500);
        settledLine("102", zhang, 500);
        exec(QString("insert into zf_fjczbakb(fjbh,ksrq,fkxm,fkiid) values('101','2024-02-01','张三',%1),"
                     "('101','2023-01-01','赵六',7),('102','2024-01-01','张三',%2)").arg(sameName).arg(zhang));
        exec("insert into zf_fjsfhzb(zdlsh,fjbh,ssje,fkiid) values('SF1','101',500,0)");
        open();
        select("101");
        prompts.clear();
    }
    QString snapshot() const
    {
        QStringList out;
        for (const char *table : {"zf_fjsfmxlsb", "zf_fjsfmxb", "zf_fjczbakb", "zf_fjsfhzb"})
            out << QString::number(count(table));
        return out.join('/') + " " + value("select group_concat(sfrz) from zf_fkxxb") + " " +
               value("select fjzt from zf_fjb where fjbh='101'");
    }
    int sameName = 0;
};

TEST_F(CancelLeaseTest, DeletesThisLeaseOnlyAndFreesTheTenantById)
{
    prompts.answer(true);
    board->cancelLeaseClick();
    EXPECT_EQ(prompts.questions(), QStringList{"您确定要取消房间号为：101 住宅的出租吗"});
    EXPECT_TRUE(prompts.notices().isEmpty());

    EXPECT_EQ(count("zf_fjsfmxlsb", "fjbh='101'"), 0) << "every pending line of the room";
    EXPECT_EQ(count("zf_fjsfmxlsb", "fjbh='102'"), 1);
    EXPECT_EQ(rows("select fjbh, fkiid from zf_fjsfmxb order by fjbh, fkiid"),
              (QList<QStringList>{{"101", "7"}, {"102", QString::number(zhang)}}));
    EXPECT_EQ(rows("select fjbh, fkiid from zf_fjczbakb order by fjbh, fkiid"),
              (QList<QStringList>{{"101", "7"}, {"102", QString::number(zhang)}}));
    EXPECT_EQ(count("zf_fjsfhzb"), 1) << "receipts stay";
    EXPECT_EQ(value(QString("select sfrz from zf_fkxxb where iid=%1").arg(sameName)), "否");
    EXPECT_EQ(value(QString("select sfrz from zf_fkxxb where iid=%1").arg(zhang)), "是")
        << "the other tenant of the same name keeps his room";

    EXPECT_EQ(rows("select fjzt, fkxm is null, fkxm, yjrq, ksrq, dqrq, fkiid, rs from zf_fjb where fjbh='101'"),
              (QList<QStringList>{{"空闲", "0", "", "2026-08-22", "2024-02-01", "2024-06-30", QString::number(sameName), "2"}}));
    EXPECT_EQ(list()->item(rowOf("101"))->data(Qt::UserRole).toInt(), int(RoomPicture::Idle));
    EXPECT_TRUE(board->timer()->isActive());
}

TEST_F(CancelLeaseTest, RefusalsChangeNothing)
{
    const QString before = snapshot();
    prompts.answer(false);
    board->cancelLeaseClick();
    EXPECT_TRUE(prompts.notices().isEmpty());
    EXPECT_EQ(snapshot(), before);

    select("201"); // vacant
    prompts.clear();
    prompts.answer(true);
    board->cancelLeaseClick();
    EXPECT_EQ(prompts.notices(), QStringList{"此房间号是空闲状态，不用取消！"});
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(board->timer()->isActive());
}

TEST_F(CancelLeaseTest, AWriteThatFailsHalfWayLeavesEverythingAsItWas)
{
    const QString before = snapshot();
    exec("create trigger refuse before update on zf_fkxxb begin select raise(abort, 'refused'); end");
    prompts.answer(true);
    EXPECT_THROW(board->cancelLeaseClick(), DbError);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(board->timer()->isActive()) << "the board refreshes again after the error";
}

// ---- Refresh, quick search and the notice ----

TEST_F(BoardTest, TimedRefreshKeepsThePositionAndScrollSilently)
{
    exec("with recursive n(i) as (select 1 union all select i + 1 from n where i < 120) "
         "insert into zf_fjb(fjbh,fjyt,fjzt,fjydzt) select printf('9%03d', i), '住宅', '空闲', '空闲' from n");
    open();
    board->resize(500, 300);
    QApplication::processEvents();
    QScrollBar *bar = list()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    // A room the person sees in the scrolled list.
    int row = -1;
    for (int i = 0; i < list()->count() && row < 0; ++i)
        if (list()->viewport()->rect().contains(list()->visualItemRect(list()->item(i))))
            row = i;
    ASSERT_GT(row, 3);
    list()->setCurrentRow(row);
    const int scrolled = bar->value();
    ASSERT_GT(scrolled, 0);
    ASSERT_NE(board->notice(), nullptr);
    const RoomNotice *shown = board->notice();
    EXPECT_EQ(board->selectedPosition(), row);

    // Room 101 goes: another room moves up into the remembered position.
    ASSERT_LT(row + 1, list()->count());
    const QString roomThere = list()->item(row + 1)->text();
    exec("delete from zf_fjb where fjbh='101'");
    bar->setValue(0);
    board->Timer1Timer();
    QApplication::processEvents();
    ASSERT_EQ(list()->currentRow(), row);
    EXPECT_EQ(list()->currentItem()->text(), roomThere);
    EXPECT_EQ(bar->value(), scrolled);
    EXPECT_EQ(board->notice(), shown) << "the refresh selects without a new notice";
    EXPECT_TRUE(board->timer()->isActive());

    // "刷新房间" keeps the position too.
    ui::click(board, "刷新房间");
    EXPECT_EQ(list()->currentRow(), row);
}

TEST_F(BoardTest, QuickSearchShowsTheOneRoomAndStopsTheRefreshUntilAskedAgain)
{
    open();
    auto *box = ui::find<QComboBox>(board, "roomNumberBox");
    ui::click(board, "快速查询");
    EXPECT_EQ(prompts.notices(), QStringList{"房间号不能为空！"});
    EXPECT_TRUE(board->timer()->isActive());

    ui::type(box, "201");
    ui::click(board, "快速查询");
    EXPECT_EQ(captions(), QStringList{"201 商铺"});
    EXPECT_FALSE(board->timer()->isActive());

    ui::type(box, "2");
    ui::click(board, "快速查询");
    EXPECT_TRUE(captions().isEmpty()) << "the number must match exactly; an unknown room shows no thumbnail";

    ui::click(board, "刷新房间");
    EXPECT_EQ(captions().size(), 4);
    EXPECT_TRUE(board->timer()->isActive());
}

TEST_F(BoardTest, NoticeShowsTheDetailsOfALetAndOfAVacantRoom)
{
    settledLine("102", zhang, 1000.25);
    settledLine("102", zhang, 500.25);
    settledLine("102", 99, 800); // an earlier tenant's
    exec("update zf_fjb set ksrq=null where fjbh='102'");
    open();
    select("102");
    ASSERT_NE(board->notice(), nullptr);
    EXPECT_EQ(board->notice()->title(), "房间信息(已租)");
    EXPECT_EQ(board->notice()->text(),
              "当前房间号：102\r\n房间名称：阳光102\r\n房间类型：单间\r\n房间用途：住宅\r\n房间面积：20.5\r\n"
              "房间设施：空调\r\n日租价格：50\r\n月租价格：1200\r\n房客姓名：张三\r\n住的人数：2\r\n"
              "租期开始时间：2024-03-05 10:00:00\r\n租期结束时间：2024-06-30\r\n已结算收费：1500.5元");

    QPointer<RoomNotice> first = board->notice();
    select("201");
    EXPECT_FALSE(first && first->isVisible()) << "one notice at a time";
    ASSERT_NE(board->notice(), nullptr);
    EXPECT_EQ(board->notice()->title(), "房间信息(空闲)");
    EXPECT_EQ(board->notice()->text(), "当前房间号：201\r\n房间名称：阳光201\r\n房间类型：单间\r\n房间用途：商铺\r\n"
                                       "房间面积：20.5\r\n房间设施：空调\r\n日租价格：50\r\n月租价格：1200");
}

TEST_F(BoardTest, NoticeSitsAtTheScreensCornerAndClosesAfterNineSecondsOrOnAClick)
{
    open();
    select("101");
    QPointer<RoomNotice> notice = board->notice();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->size(), QSize(200, 270));
    const QRect free = board->screen()->availableGeometry();
    EXPECT_EQ(notice->frameGeometry().bottomRight(), free.bottomRight());
    EXPECT_EQ(notice->closeTimer()->interval(), 9000);
    EXPECT_TRUE(notice->closeTimer()->isActive());
    // Time runs out (sooner than in life).
    notice->closeTimer()->start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notice || !notice->isVisible(); }, 2000));
    EXPECT_EQ(board->notice(), nullptr);

    select("102");
    notice = board->notice();
    ASSERT_TRUE(notice);
    QTest::mouseClick(notice->findChild<QLabel *>("noticeText"), Qt::LeftButton);
    EXPECT_FALSE(notice && notice->isVisible());
}

TEST_F(BoardTest, ClickingTheSelectedRoomAgainShowsItsNoticeAgain)
{
    open();
    QApplication::processEvents();
    const QRect cell = list()->visualItemRect(list()->item(0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    QPointer<RoomNotice> first = board->notice();
    ASSERT_TRUE(first);
    EXPECT_EQ(board->selectedPosition(), 0);
    first->close();
    ASSERT_EQ(board->notice(), nullptr);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_NE(board->notice(), nullptr);
}

TEST_F(BoardTest, ReturnClosesTheBoardAndStopsTheRefresh)
{
    open();
    select("101");
    QPointer<RoomNotice> notice = board->notice();
    QPointer<TFormftgl> alive = board;
    ui::click(board, "返回");
    EXPECT_FALSE(board->isVisible());
    EXPECT_FALSE(board->timer()->isActive());
    EXPECT_FALSE(notice && notice->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive) << "the board frees itself";
}

} // namespace
