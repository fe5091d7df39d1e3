#include "leasewindowtest.h"

#include "common/processflags.h"
#include "db/dberror.h"
#include "leasing/tformfjsf.h"

// Renewing room 101 (monthly 1000, daily 80, alarm days 7), let to 张三 until 2024-06-30.
class RenewalTest : public LeaseWindowTest
{
protected:
    void SetUp() override
    {
        LeaseWindowTest::SetUp();
        addRoom("101");
        tenant = addTenant("张三");
        letRoom("101", tenant, "张三", "2024-04-01", "2024-06-30");
        exec("insert into zf_fjsfmxb(fjbh,sflx,fymc,nf,yf,bcdbsl,bcsbsl) values('101','电费','电费',2024,2,880,0),"
             "('101','水费','水费',2024,2,0,41.5)");
    }

    TFormxzgl *open(const QDate &start = QDate(2024, 7, 1), bool byMonth = true)
    {
        auto *w = new TFormxzgl;
        prepareRoom(w, "101", byMonth);
        w->setTenant("张三", tenant);
        w->setOccupants(2);
        w->setStartDate(start);
        box(w, "Edit8")->setText("1");
        w->show();
        return w;
    }

    int tenant = 0;
};

TEST_F(RenewalTest, OpensOnAMonthFromTheDayAfterTheEndWithTheLastReadings)
{
    TFormxzgl *w = open();
    EXPECT_EQ(text(w, "Edit6"), "2024-07-01");
    EXPECT_EQ(countBox(w)->currentText(), "1");
    EXPECT_EQ(text(w, "Edit7"), "2024-07-31");
    EXPECT_EQ(text(w, "Edit14"), "31");
    EXPECT_EQ(text(w, "editysje"), "1000");
    EXPECT_EQ(text(w, "editssje"), "1000");
    EXPECT_EQ(text(w, "Edit3"), "张三");
    EXPECT_EQ(text(w, "Edit16"), "2");
    EXPECT_EQ(text(w, "Edit8"), "880");
    EXPECT_EQ(text(w, "Edit9"), "41.5");
    EXPECT_FALSE(box(w, "Edit3")->isReadOnly());
    EXPECT_EQ(w->windowTitle(), "续租管理");
    delete w;
}

TEST_F(RenewalTest, TermsOnOpening)
{
    struct Case { QDate start; const char *shownStart; const char *end; const char *days; };
    const Case cases[] = {
        {QDate(2024, 1, 31), "2024-01-31", "2024-02-28", "29"},
        {QDate(2024, 3, 1), "2024-03-01", "2024-03-31", "31"},
    };
    for (const Case &c : cases) {
        TFormxzgl *w = open(c.start);
        EXPECT_EQ(text(w, "Edit6"), c.shownStart);
        EXPECT_EQ(text(w, "Edit7"), c.end);
        EXPECT_EQ(text(w, "Edit14"), c.days);
        delete w;
    }
    // A start the window cannot read becomes today.
    auto *w = new TFormxzgl;
    prepareRoom(w, "101");
    w->setTenant("张三", tenant);
    box(w, "Edit6")->setText("2024-7-");
    w->show();
    EXPECT_EQ(text(w, "Edit6"), "2024-03-05");
    EXPECT_EQ(text(w, "Edit7"), "2024-04-04");
    delete w;
}

TEST_F(RenewalTest, ThreeMonthsExtendTheLeaseWithANewRentLineAndHistoryRow)
{
    TFormxzgl *w = open();
    typeCount(w, "3");
    EXPECT_EQ(text(w, "Edit7"), "2024-09-30");
    EXPECT_EQ(text(w, "Edit14"), "92");
    EXPECT_EQ(text(w, "editysje"), "3000");
    ui::type(box(w, "editzkje"), "1.5");
    EXPECT_EQ(text(w, "editssje"), "2998.5");
    // Another name on the lease; the tenant id stays the caller's.
    ui::setText(box(w, "Edit3"), "张三丰");
    prompts.answer(false);
    w->save();

    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(processFlags().roomLet);
    const QString id = QString::number(tenant);
    EXPECT_EQ(rows("select fjzt,ksrq,dqrq,yjrq,yfsl,zqts,rs,fkxm,fkiid,dbds,sbds from zf_fjb"),
              (QList<QStringList>{{"已租", "2024-07-01", "2024-09-30", "2024-09-23", "3", "92", "2", "张三丰", id, "880", "41.5"}}));
    EXPECT_EQ(rows("select zdlsh,fymc,dj,sl,ysfje,zkje,ssje,fkxm,fkiid,tzbz from zf_fjsfmxlsb"),
              (QList<QStringList>{{"XZ24030500100001", "房租租金", "1000", "3", "3000", "1.5", "2998.5", "张三丰", id, ""}}));
    EXPECT_EQ(rows("select ksrq,dqrq,fkxm,fkiid from zf_fjczbakb order by fjbh,ksrq"),
              (QList<QStringList>{{"2024-04-01", "2024-06-30", "张三", id}, {"2024-07-01", "2024-09-30", "张三丰", id}}));
    EXPECT_EQ(value("select sfrz from zf_fkxxb"), "是");
    delete w;
}

TEST_F(RenewalTest, ChangingTheEndDateRecomputesTheDaysButNotTheRent)
{
    TFormxzgl *w = open(QDate(2024, 7, 1), false);
    EXPECT_EQ(text(w, "editysje"), "2480"); // 31 days at 80
    ui::setText(box(w, "Edit7"), "2024-07-10");
    w->Edit7Exit();
    EXPECT_EQ(text(w, "Edit14"), "10");
    EXPECT_EQ(text(w, "editysje"), "2480");
    ui::click(w, "计算租金");
    EXPECT_EQ(text(w, "editysje"), "800");
    delete w;
}

TEST_F(RenewalTest, AWriteThatFailsHalfWayLeavesTheLeaseAsItWas)
{
    exec("create trigger t before insert on zf_fjczbakb begin select raise(abort,'boom'); end");
    TFormxzgl *w = open();
    EXPECT_THROW(w->save(), DbError);
    EXPECT_EQ(rows("select ksrq,dqrq,yfsl from zf_fjb"), (QList<QStringList>{{"2024-04-01", "2024-06-30", "3"}}));
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(count("zf_fjczbakb"), 1);
    delete w;
}

TEST_F(RenewalTest, YesHandsOverToCharging)
{
    TFormxzgl *w = open();
    bool charged = false;
    ui::onNextModal<TFormfjsf>([&charged](TFormfjsf *d) {
        charged = true;
        d->close();
    });
    prompts.answer(true);
    w->save();
    EXPECT_TRUE(charged);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(text(w, "Edit1"), "");
    delete w;
}
