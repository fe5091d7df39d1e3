#include "leasewindowtest.h"

#include "db/dberror.h"
#include "leasing/tformfjsf.h"

#include <QApplication>
#include <QPushButton>

// Checking 张三 out of room 101, let from 2024-03-01 to 2024-05-31.
class CheckOutTest : public LeaseWindowTest
{
protected:
    void SetUp() override
    {
        LeaseWindowTest::SetUp();
        addRoom("101");
        tenant = addTenant("张三");
        letRoom("101", tenant, "张三", "2024-03-01", "2024-05-31");
    }

    TFormtzgl *open()
    {
        auto *w = new TFormtzgl;
        prepareRoom(w, "101");
        w->setTenant("张三", tenant);
        w->setOccupants(2);
        w->setStartDate(QDate(2024, 3, 1));
        w->setEndDate(QDate(2024, 5, 31));
        w->setCount(3);
        w->setLeaseDays(92);
        w->setNote(QString());
        w->show();
        return w;
    }

    int tenant = 0;
};

TEST_F(CheckOutTest, DepositToRefundIsWhatThisTenantSettledForThisRoom)
{
    struct Case { QList<double> deposits; const char *refund; const char *total; };
    const Case cases[] = {
        {{1000, -1000, 800}, "800", "-800"},
        {{}, "0", "-0"},
        {{500, -700}, "-200", "200"}, // an over-refund reads as a plain number, not "--200"
    };
    for (const Case &c : cases) {
        exec("delete from zf_fjsfmxb");
        for (double d : c.deposits)
            settle("101", "押金", d, tenant);
        settle("101", "押金", 300, tenant + 1);                 // another tenant's deposit
        settle("102", "押金", 300, tenant);                     // another room
        exec("insert into zf_fjsfmxlsb(fjbh,fymc,ssje,fkiid) values('101','押金',999,1)"); // pending
        TFormtzgl *w = open();
        EXPECT_EQ(text(w, "edittyj"), c.refund);
        EXPECT_EQ(text(w, "edithj"), c.total);
        // The caller's period stays; the count list starts again at one month.
        EXPECT_EQ(text(w, "Edit6"), "2024-03-01");
        EXPECT_EQ(text(w, "Edit7"), "2024-05-31");
        EXPECT_EQ(text(w, "Edit14"), "92");
        EXPECT_EQ(countBox(w)->currentText(), "1");
        EXPECT_EQ(text(w, "editzkje"), "");
        delete w;
    }
}

TEST_F(CheckOutTest, RentAndRefundAreWrittenAsCheckOutLinesAndTheTenantMovesOut)
{
    settle("101", "押金", 800, tenant);
    TFormtzgl *w = open();
    EXPECT_EQ(w->windowTitle(), "房间退租管理");
    EXPECT_FALSE(box(w, "Edit8")->isVisible());
    ui::setText(box(w, "Edit7"), "2024-04-15");
    ui::type(box(w, "editysje"), "1200");
    EXPECT_EQ(text(w, "editzkje"), "0");
    EXPECT_EQ(text(w, "editssje"), "1200");
    ui::type(box(w, "editzkje"), "200");
    EXPECT_EQ(text(w, "editssje"), "1000");
    EXPECT_EQ(text(w, "edithj"), "200");
    ui::setText(box(w, "editsgdh"), "T-1");

    QString charged;
    ui::onNextModal<TFormfjsf>([&charged](TFormfjsf *d) {
        charged = ui::find<QLineEdit>(d, "editfjbh")->text();
        d->close();
    });
    w->save();

    EXPECT_TRUE(prompts.records.isEmpty()); // no question before the hand-off
    EXPECT_EQ(charged, "101");
    const QString id = QString::number(tenant);
    EXPECT_EQ(rows("select zdlsh,sgdh,sflx,fymc,dj,sl,ysfje,zkje,ssje,fkxm,fkiid,tzbz,czy,jzrq,bcdbsl "
                   "from zf_fjsfmxlsb order by iid"),
              (QList<QStringList>{
                  {"XZ24030500100001", "T-1", "房租租金", "房租租金", "1200", "1", "1200", "200", "1000", "张三", id, "1", "admin", "2024-03-05", "0"},
                  {"XZ24030500100001", "T-1", "押金", "押金", "800", "-1", "-800", "0", "-800", "张三", id, "1", "admin", "2024-03-05", "0"}}));
    EXPECT_EQ(rows("select fjzt,ksrq,dqrq,fkxm from zf_fjb"), (QList<QStringList>{{"已租", "2024-03-01", "2024-04-15", "张三"}}));
    EXPECT_EQ(value("select sfrz from zf_fkxxb"), "否");
    for (const char *name : {"Edit1", "Edit2", "Edit3", "editsgdh"})
        EXPECT_EQ(text(w, name), "") << name;
    delete w;
}

TEST_F(CheckOutTest, OnlyTheRefundWhenNoRentIsReceived)
{
    settle("101", "押金", 800, tenant);
    TFormtzgl *w = open();
    ui::type(box(w, "editysje"), "0");
    ui::onNextModal<TFormfjsf>([](TFormfjsf *d) { d->close(); });
    w->save();
    EXPECT_EQ(rows("select fymc,ssje,tzbz from zf_fjsfmxlsb"), (QList<QStringList>{{"押金", "-800", "1"}}));
    delete w;
}

TEST_F(CheckOutTest, NothingToChargeKeepsTheWindowOpen)
{
    TFormtzgl *w = open();
    ui::type(box(w, "editysje"), "0");
    w->save();
    EXPECT_EQ(prompts.lastNotice(), "没有收费记录要结算！");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(value("select fjzt from zf_fjb"), "已租");
    EXPECT_EQ(value("select sfrz from zf_fkxxb"), "否");
    delete w;
}

TEST_F(CheckOutTest, ANegativeRentDueDerivesNothingAndTheTotalButtonDoes)
{
    settle("101", "押金", 800, tenant);
    TFormtzgl *w = open();
    ui::type(box(w, "editysje"), "-100");
    EXPECT_EQ(text(w, "editzkje"), "");
    EXPECT_EQ(text(w, "editssje"), "");
    EXPECT_EQ(text(w, "edithj"), "-800");
    ui::click(w, "计算合计实收金额");
    EXPECT_EQ(text(w, "editzkje"), "0");
    EXPECT_EQ(text(w, "editssje"), "-100");
    EXPECT_EQ(text(w, "edithj"), "-900");
    delete w;
}

TEST_F(CheckOutTest, DaysFromLeavingOrPickingTheDatesAndTheRentOnlyByTheButton)
{
    TFormtzgl *w = open();
    QApplication::setActiveWindow(w);
    ui::setText(box(w, "Edit7"), "2024-03-31");
    // The focus leaves the start box, then the end box.
    box(w, "Edit6")->setFocus();
    box(w, "Edit7")->setFocus();
    EXPECT_EQ(text(w, "Edit14"), "31");
    box(w, "Edit10")->setFocus();
    EXPECT_EQ(text(w, "Edit14"), "30");
    w->Edit6Exit();
    EXPECT_EQ(text(w, "Edit14"), "31");
    typeCount(w, "2");
    EXPECT_EQ(text(w, "Edit7"), "2024-04-30");
    EXPECT_EQ(text(w, "Edit14"), "61");
    EXPECT_EQ(text(w, "editysje"), "");
    ui::click(w, "计算租金金额");
    EXPECT_EQ(text(w, "editysje"), "2000");
    delete w;
}

TEST_F(CheckOutTest, SaveChecksUseTheirOwnMessages)
{
    struct Case { const char *box; const char *message; };
    for (const Case &c : {Case{"editysje", "应收金额不能为空,可以填0！"}, Case{"editssje", "实收金额不能为空,可以填0！"}}) {
        TFormtzgl *w = open();
        ui::type(box(w, "editysje"), "100");
        ui::setText(box(w, c.box), QString());
        w->save();
        EXPECT_EQ(prompts.lastNotice(), c.message);
        delete w;
    }
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(value("select sfrz from zf_fkxxb"), "是");
}

TEST_F(CheckOutTest, AWriteThatFailsHalfWayLeavesNothingWritten)
{
    settle("101", "押金", 800, tenant);
    exec("create trigger t before insert on zf_fjsfmxlsb when new.sl < 0 begin select raise(abort,'boom'); end");
    TFormtzgl *w = open();
    ui::setText(box(w, "Edit7"), "2024-04-15");
    ui::type(box(w, "editysje"), "1200");
    EXPECT_THROW(w->save(), DbError);
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(value("select dqrq from zf_fjb"), "2024-05-31");
    EXPECT_EQ(value("select sfrz from zf_fkxxb"), "是");
    // A deposit box that is no number stops the save before the first write.
    exec("drop trigger t");
    ui::setText(box(w, "edittyj"), "8OO");
    EXPECT_THROW(w->save(), ConversionError);
    EXPECT_EQ(value("select dqrq from zf_fjb"), "2024-05-31");
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    delete w;
}

TEST_F(CheckOutTest, AmountBoxesTakeAMinusSign)
{
    TFormtzgl *w = open();
    ui::type(box(w, "editzkje"), "-5a");
    EXPECT_EQ(text(w, "editzkje"), "-5");
    delete w;
}

TEST_F(CheckOutTest, PickingADateCountsEndMinusStartAndMovesOn)
{
    TFormtzgl *w = open();
    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) {
        ui::find<QCalendarWidget>(d, "calendar")->setSelectedDate(QDate(2024, 3, 31));
        ui::click(d, "okButton");
    });
    ui::find<QToolButton>(w, "Edit7Button")->click();
    EXPECT_EQ(text(w, "Edit7"), "2024-03-31");
    EXPECT_EQ(text(w, "Edit14"), "30");
    EXPECT_EQ(w->focusWidget(), box(w, "editysje"));
    delete w;
}
