#include "roomfixture.h"
#include "support/ui.h"

#include "common/conversionerror.h"
#include "common/resultgrid.h"
#include "common/tbrdateform.h"
#include "db/dberror.h"
#include "rooms/tformdcfjxx.h"
#include "rooms/tformfjyd.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace {

class BookingsTest : public RoomFixture
{
protected:
    void SetUp() override
    {
        RoomFixture::SetUp();
        insertRoom("101", "阳光101");
        insertRoom("102", "阳光102", "已租");
        insertRoom("201", "月光201");
        w = new TFormfjyd;
        w->show();
    }
    QLineEdit *edit(const char *name) { return ui::find<QLineEdit>(w, name); }
    // A complete booking of room 101 in the boxes, as the look-up and typing leave it.
    void fillBooking(const QString &fjbh = "101")
    {
        ui::type(edit("searchBox"), fjbh);
        ui::click(w, "查询");
        ui::type(edit("Edit4"), "2024-09-30");
        ui::type(edit("Edit7"), "13900001111");
    }
    QStringList listedRooms()
    {
        QStringList out;
        for (int r = 0; r < w->grid()->model()->rowCount(); ++r)
            out << w->grid()->model()->index(r, 1).data().toString();
        return out;
    }
    // Fails the test (instead of hanging) if an action unexpectedly opens a modal window.
    void guardAgainstModal()
    {
        QTimer::singleShot(2000, w, [] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal window " << m->metaObject()->className();
                m->close();
            }
        });
    }
    TFormfjyd *w = nullptr;
};

TEST_F(BookingsTest, OpensOnAnEmptyBookingFromToday)
{
    EXPECT_EQ(edit("Edit3")->text(), "2024-03-05");
    for (const char *box : {"Edit1", "Edit2", "Edit4", "Edit5", "Edit7", "Edit8", "searchBox"})
        EXPECT_EQ(edit(box)->text(), QString()) << box;
    EXPECT_TRUE(edit("Edit2")->isReadOnly());
    EXPECT_TRUE(dbhouse().qfjyd.isOpen());
}

struct BadBooking {
    const char *box;
    const char *text;
    const char *message;
};

TEST_F(BookingsTest, ChecksRefuseTheSaveWithTheirMessageAndWriteNothing)
{
    const BadBooking cases[] = {
        {"Edit1", "", "房间编号不能为空！"},
        {"Edit3", "", "租期开始日期不能为空！"},
        {"Edit4", "", "租期结束日期不能为空！"},
        {"Edit4", "2024-02-30", "日期格式不对！"},
        {"Edit3", "2024/03/05", "日期格式不对！"},
        {"Edit3", "abc", "日期格式不对！"},
        {"Edit7", "", "联系电话不能为空！"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.box) + " = '" + c.text + "'");
        fillBooking();
        ui::setText(edit(c.box), c.text);
        prompts.clear();
        ui::click(w, "保存");
        EXPECT_EQ(prompts.notices(), QStringList{c.message});
        EXPECT_EQ(count("zf_ydb"), 0);
        EXPECT_EQ(value("select fjydzt from zf_fjb where fjbh='101'"), "空闲");
        if (QString(c.message).endsWith("不能为空！"))
            EXPECT_TRUE(hasFocus(w, edit(c.box)));
        ui::setText(edit("Edit3"), "2024-03-05");
    }
}

TEST_F(BookingsTest, ADepositThatIsNoNumberStopsTheSave)
{
    fillBooking();
    ui::type(edit("Edit5"), "1,5");
    EXPECT_THROW(w->saveClick(), ConversionError);
    EXPECT_EQ(count("zf_ydb"), 0);
    EXPECT_EQ(value("select fjydzt from zf_fjb where fjbh='101'"), "空闲");
}

TEST_F(BookingsTest, SaveWritesTheBookingSetsTheFlagAndKeepsTheStartDate)
{
    fillBooking();
    ui::setText(edit("Edit3"), "2024-10-01"); // after the end date: accepted
    ui::setText(edit("Edit8"), "先付押金");
    ui::click(w, "保存");
    EXPECT_TRUE(prompts.notices().isEmpty());
    EXPECT_EQ(rows("select fjbh,fjmc,ksrq,jsrq,yj,djrq,czy,tell,bz from zf_ydb"),
              (QList<QStringList>{
                  {"101", "阳光101", "2024-10-01", "2024-09-30", "0", "2024-03-05", "admin", "13900001111", "先付押金"}}));
    EXPECT_EQ(rows("select fjbh,fjydzt,fjzt from zf_fjb order by iid"),
              (QList<QStringList>{{"101", "预定", "空闲"}, {"102", "空闲", "已租"}, {"201", "空闲", "空闲"}}));
    EXPECT_EQ(listedRooms(), QStringList{"101"});
    EXPECT_EQ(w->grid()->model()->index(0, 5).data().toString(), "0"); // 押金
    EXPECT_EQ(edit("Edit3")->text(), "2024-10-01");
    for (const char *box : {"Edit1", "Edit2", "Edit4", "Edit5", "Edit7", "Edit8"})
        EXPECT_EQ(edit(box)->text(), QString()) << box;
    EXPECT_EQ(edit("searchBox")->text(), "101");
    EXPECT_TRUE(hasFocus(w, edit("searchBox")));
}

TEST_F(BookingsTest, ASecondBookingOfARoomIsRefusedWhateverItsDates)
{
    fillBooking();
    ui::click(w, "保存");
    fillBooking();
    ui::setText(edit("Edit3"), "2030-01-01");
    ui::setText(edit("Edit4"), "2030-12-31");
    ui::click(w, "保存");
    EXPECT_EQ(prompts.notices(), QStringList{"此房间存在预定记录,不能保存！"});
    EXPECT_EQ(count("zf_ydb"), 1);
}

TEST_F(BookingsTest, DeleteClearsTheFlagAndLeavesTheLettingState)
{
    fillBooking("102");
    ui::click(w, "保存");
    fillBooking("201");
    ui::click(w, "保存");
    dbhouse().qfjyd.setRecNo(0);

    prompts.answer(false);
    ui::click(w, "删除");
    EXPECT_EQ(prompts.questions(), QStringList{"您确定要删除您选择的这条记录吗？"});
    EXPECT_EQ(count("zf_ydb"), 2);

    prompts.answer(true);
    ui::click(w, "删除");
    EXPECT_EQ(rows("select fjbh from zf_ydb"), (QList<QStringList>{{"201"}}));
    EXPECT_EQ(rows("select fjbh,fjydzt,fjzt from zf_fjb order by iid"),
              (QList<QStringList>{{"101", "空闲", "空闲"}, {"102", "空闲", "已租"}, {"201", "预定", "空闲"}}));
    EXPECT_EQ(listedRooms(), QStringList{"201"});
}

TEST_F(BookingsTest, BookingAndFlagTakeEffectTogether)
{
    // A room row that refuses updates: the flag cannot be set, so the booking must not stay.
    exec("create trigger nobook before update on zf_fjb begin select raise(abort, 'locked'); end");
    fillBooking();
    EXPECT_THROW(w->saveClick(), DbError);
    EXPECT_EQ(count("zf_ydb"), 0);

    // And a booking that cannot be deleted keeps its room booked.
    exec("drop trigger nobook");
    ui::click(w, "保存");
    ASSERT_EQ(count("zf_ydb"), 1);
    exec("create trigger nodelete before delete on zf_ydb begin select raise(abort, 'locked'); end");
    prompts.answer(true);
    EXPECT_THROW(w->deleteClick(), DbError);
    EXPECT_EQ(value("select fjydzt from zf_fjb where fjbh='101'"), "预定");
}

TEST_F(BookingsTest, OneMatchingRoomFillsTheBoxesWithoutThePicker)
{
    guardAgainstModal();
    ui::type(edit("searchBox"), "2");
    ui::click(w, "查询");
    EXPECT_EQ(edit("Edit1")->text(), "201");
    EXPECT_EQ(edit("Edit2")->text(), "月光201");
    EXPECT_FALSE(dbhouse().qfjcx.isOpen());

    ui::type(edit("searchBox"), "9");
    ui::click(w, "查询");
    EXPECT_EQ(prompts.notices(), QStringList{"没有您需要查询的数据！"});
    EXPECT_TRUE(hasFocus(w, edit("searchBox")));

    exec("delete from zf_fjb where fjbh<>'102'");
    ui::click(w, "全部浏览");
    EXPECT_EQ(edit("Edit1")->text(), "102"); // a let room can be booked too
}

TEST_F(BookingsTest, SeveralRoomsGoThroughThePickerWhoseCursorIsTaken)
{
    struct Way {
        const char *name;
        std::function<void(TFormdcfjxx *)> close;
    };
    const Way ways[] = {
        {"Enter", [](TFormdcfjxx *p) { ui::key(p->grid(), Qt::Key_Return); }},
        {"确定", [](TFormdcfjxx *p) { ui::click(p, "确定"); }},
        {"返回", [](TFormdcfjxx *p) { ui::click(p, "返回"); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        int shown = -1;
        ui::onNextModal<TFormdcfjxx>([&](TFormdcfjxx *p) {
            shown = p->grid()->model()->rowCount();
            p->grid()->selectRow(1);
            way.close(p);
        });
        ui::click(w, "全部浏览");
        EXPECT_EQ(shown, 3);
        EXPECT_EQ(edit("Edit1")->text(), "102");
        EXPECT_EQ(edit("Edit2")->text(), "阳光102");
        ui::setText(edit("Edit1"), QString());
    }

    ui::onNextModal<TFormdcfjxx>([&](TFormdcfjxx *p) {
        EXPECT_EQ(p->grid()->model()->rowCount(), 2); // rooms whose number begins with 10
        p->grid()->selectRow(0);
        ui::click(p, "确定");
    });
    ui::type(edit("searchBox"), "10");
    ui::click(w, "查询");
    EXPECT_EQ(edit("Edit1")->text(), "101");
}

TEST_F(BookingsTest, ANumberTypedByHandDropsTheNameOfTheRoomLookedUpBefore)
{
    fillBooking("201");
    ASSERT_EQ(edit("Edit2")->text(), "月光201");
    ui::type(edit("Edit1"), "999");
    EXPECT_EQ(edit("Edit2")->text(), QString());
    ui::click(w, "保存");
    EXPECT_EQ(rows("select fjbh,fjmc from zf_ydb"), (QList<QStringList>{{"999", ""}}));
    EXPECT_EQ(count("zf_fjb", "fjydzt='预定'"), 0);
}

TEST_F(BookingsTest, ThePickedEndDateIsWrittenAndTheFocusMovesToTheDeposit)
{
    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) {
        ui::find<QCalendarWidget>(d, "calendar")->setSelectedDate(QDate(2024, 4, 10));
        ui::click(d, "okButton");
    });
    ui::click(w, "Edit4Button");
    EXPECT_EQ(edit("Edit4")->text(), "2024-04-10");
    EXPECT_TRUE(hasFocus(w, edit("Edit5")));

    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) { ui::click(d, "closeButton"); });
    ui::click(w, "Edit3Button");
    EXPECT_EQ(edit("Edit3")->text(), "2024-03-05");
}

} // namespace
