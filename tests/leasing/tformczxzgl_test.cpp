#include "leasewindowtest.h"

#include "common/processflags.h"
#include "db/dberror.h"
#include "leasing/tformfjsf.h"
#include "tenants/tformdcfkxx.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// Renting out room 101 (monthly 1000, daily 80, alarm days 7) to 张三; the clock says 2024-03-05.
class RentingOutTest : public LeaseWindowTest
{
protected:
    void SetUp() override
    {
        LeaseWindowTest::SetUp();
        addRoom("101");
        addTenant("李四", "是");
        tenant = addTenant("张三");
    }

    TFormczxzgl *open(bool byMonth = true)
    {
        auto *w = new TFormczxzgl;
        prepareRoom(w, "101", byMonth);
        w->show();
        return w;
    }

    // Takes 张三 in the tenant picker.
    void pickZhangSan(TFormczxzgl *w)
    {
        ui::onNextModal<TFormdcfkxx>([](TFormdcfkxx *d) {
            ASSERT_TRUE(dbhouse().qdcfk.locate("fkxm", "张三"));
            d->okClick();
        });
        w->pickTenant();
    }

    int tenant = 0;
};

TEST_F(RentingOutTest, OpensOnAMonthFromTodayWithTheRentPricedAndTheReadingsCarriedOver)
{
    exec("insert into zf_fjsfmxb(fjbh,sflx,fymc,nf,bcdbsl,bcsbsl) values('101','电费','电费',2024,1530.5,0)");
    struct Case { bool byMonth; const char *price; const char *due; };
    for (const Case &c : {Case{true, "1000", "1000"}, Case{false, "80", "2480"}}) {
        SCOPED_TRACE(c.byMonth ? "by month" : "by day");
        TFormczxzgl *w = open(c.byMonth);
        EXPECT_EQ(ui::find<QLabel>(w, "unitLabel")->text(), "月");
        EXPECT_EQ(countBox(w)->count(), 24);
        EXPECT_EQ(countBox(w)->currentText(), "1");
        EXPECT_EQ(text(w, "Edit6"), "2024-03-05");
        EXPECT_EQ(text(w, "Edit7"), "2024-04-04");
        EXPECT_EQ(text(w, "Edit14"), "31");
        EXPECT_EQ(text(w, "Edit18"), c.price);
        // By the day the month's 31 days are priced at the daily price.
        EXPECT_EQ(text(w, "editysje"), c.due);
        EXPECT_EQ(text(w, "editzkje"), "0");
        EXPECT_EQ(text(w, "editssje"), c.due);
        EXPECT_EQ(text(w, "Edit8"), "1530.5");
        EXPECT_EQ(text(w, "Edit9"), "0");
        EXPECT_EQ(text(w, "Edit3"), "");
        EXPECT_EQ(text(w, "Edit16"), "");
        EXPECT_EQ(w->serialNumber(), "XZ24030500100001");
        EXPECT_EQ(w->focusWidget(), box(w, "editsgdh"));
        EXPECT_FALSE(box(w, "Edit17")->isVisible());
        delete w;
    }
}

TEST_F(RentingOutTest, MonthLeaseLetsTheRoomAndWritesRentHistoryAndTenantFlag)
{
    TFormczxzgl *w = open();
    pickZhangSan(w);
    EXPECT_EQ(text(w, "Edit3"), "张三");
    EXPECT_EQ(w->focusWidget(), box(w, "Edit16"));
    ui::setText(box(w, "editsgdh"), "A-17");
    ui::setText(box(w, "Edit6"), "2024-04-01");
    typeCount(w, "3");
    EXPECT_EQ(text(w, "Edit7"), "2024-06-30");
    EXPECT_EQ(text(w, "Edit14"), "91");
    EXPECT_EQ(text(w, "editysje"), "3000");
    ui::type(box(w, "editzkje"), "100");
    EXPECT_EQ(text(w, "editssje"), "2900");
    ui::setText(box(w, "Edit8"), "1200.5");
    ui::setText(box(w, "Edit9"), "35");
    ui::setText(box(w, "Edit10"), "朝南");

    prompts.answer(false);
    w->save();

    EXPECT_EQ(prompts.records.last().title, "询问");
    EXPECT_EQ(prompts.records.last().text, "数据录入成功,,您确定要结算和打印单据吗？");
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(processFlags().roomLet);
    const QString id = QString::number(tenant);
    EXPECT_EQ(rows("select fjzt,fkxm,fkiid,ksrq,dqrq,yjrq,yfsl,zqts,rs,dbds,sbds,bzsm from zf_fjb where fjbh='101'"),
              (QList<QStringList>{{"已租", "张三", id, "2024-04-01", "2024-06-30", "2024-06-23", "3", "91", "1",
                                   "1200.5", "35", "朝南"}}));
    EXPECT_EQ(rows("select zdlsh,sgdh,fjmc,fjlx,sflx,fymc,dj,sl,ysfje,zkje,ssje,czy,jzrq,fkxm,fkiid,nf,yf,tzbz,"
                   "scdbsl,bcdbsl from zf_fjsfmxlsb"),
              (QList<QStringList>{{"XZ24030500100001", "A-17", "东101", "单间", "房租租金", "房租租金", "1000", "3",
                                   "3000", "100", "2900", "admin", "2024-03-05", "张三", id, "", "", "", "0", "0"}}));
    EXPECT_EQ(rows("select fjbh,fjmc,fjlx,ksrq,dqrq,dbds,sbds,fkxm,fkiid,rs from zf_fjczbakb"),
              (QList<QStringList>{{"101", "东101", "单间", "2024-04-01", "2024-06-30", "1200.5", "35", "张三", id, "1"}}));
    EXPECT_EQ(value("select sfrz from zf_fkxxb where fkxm='张三'"), "是");
    delete w;
}

TEST_F(RentingOutTest, DayLeasePricesTheDaysAtTheDailyPrice)
{
    TFormczxzgl *w = open();
    pickZhangSan(w);
    ui::find<QRadioButton>(w, "rb2")->click();
    EXPECT_EQ(ui::find<QLabel>(w, "unitLabel")->text(), "天");
    EXPECT_EQ(countBox(w)->count(), 90);
    EXPECT_EQ(countBox(w)->currentText(), "30");
    EXPECT_FALSE(ui::find<QCheckBox>(w, "cb1")->isChecked());
    EXPECT_EQ(text(w, "Edit18"), "80");
    EXPECT_EQ(text(w, "Edit7"), "2024-04-03");
    EXPECT_EQ(text(w, "editysje"), "2400");
    typeCount(w, "10");
    EXPECT_EQ(text(w, "Edit7"), "2024-03-14");
    EXPECT_EQ(text(w, "Edit14"), "10");
    EXPECT_EQ(text(w, "editysje"), "800");

    prompts.answer(false);
    w->save();
    EXPECT_EQ(rows("select dj,sl,ysfje,ssje from zf_fjsfmxlsb"), (QList<QStringList>{{"80", "10", "800", "800"}}));
    EXPECT_EQ(rows("select yfsl,zqts,dqrq,yjrq from zf_fjb"), (QList<QStringList>{{"10", "10", "2024-03-14", "2024-03-07"}}));
    delete w;
}

TEST_F(RentingOutTest, NoAlarmDaysWarnsOnTheEndDate)
{
    exec("update zf_fjb set bjts=null");
    TFormczxzgl *w = open();
    pickZhangSan(w);
    prompts.answer(false);
    w->save();
    EXPECT_EQ(value("select yjrq from zf_fjb"), "2024-04-04");
    delete w;
}

TEST_F(RentingOutTest, SaveChecksStopWithTheirMessageAndWriteNothing)
{
    struct Case { const char *box; const char *message; const char *focus; };
    const Case cases[] = {
        {"Edit3", "房客姓名不能为空！", "Edit3"},
        {"ComboBox1", "月份数量不能为空！", "ComboBox1"},
        {"Edit6", "合同起始日期不能为空！", "Edit6"},
        {"Edit7", "合同起始日期不能为空！", "Edit7"},
        {"Edit8", "开租时电表度数不能为空！您也可以填写0", "Edit8"},
        {"Edit9", "开租时水表度数不能为空！您也可以填写0", "Edit9"},
        {"editysje", "应收金额不能为空！", "editysje"},
        {"editssje", "实收金额不能为空！", "editssje"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.box);
        TFormczxzgl *w = open();
        pickZhangSan(w);
        ui::setText(ui::find<QWidget>(w, c.box), QString());
        w->save();
        EXPECT_EQ(prompts.lastNotice(), c.message);
        EXPECT_EQ(w->focusWidget()->objectName(), c.focus);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(processFlags().roomLet);
        delete w;
    }
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(count("zf_fjczbakb"), 0);
    EXPECT_EQ(value("select fjzt from zf_fjb"), "空闲");
}

TEST_F(RentingOutTest, EmptyOccupantsAndDiscountGetTheirDefaults)
{
    TFormczxzgl *w = open();
    pickZhangSan(w);
    ui::setText(box(w, "editzkje"), "");
    ui::setText(box(w, "editssje"), "1000");
    prompts.answer(false);
    w->save();
    EXPECT_EQ(rows("select rs from zf_fjb"), (QList<QStringList>{{"1"}}));
    EXPECT_EQ(rows("select zkje,ssje from zf_fjsfmxlsb"), (QList<QStringList>{{"0", "1000"}}));
    delete w;
}

TEST_F(RentingOutTest, CountThatIsNoNumberIsRefused)
{
    TFormczxzgl *w = open();
    ui::type(countBox(w), "x");
    EXPECT_EQ(prompts.lastNotice(), "数据格式不对！");
    EXPECT_EQ(text(w, "Edit7"), "2024-04-04");
    delete w;
}

TEST_F(RentingOutTest, AWriteThatFailsHalfWayLeavesNothingWritten)
{
    exec("create trigger t before insert on zf_fjczbakb begin select raise(abort,'boom'); end");
    TFormczxzgl *w = open();
    pickZhangSan(w);
    EXPECT_THROW(w->save(), DbError);
    EXPECT_EQ(rows("select fjzt,fkxm,ksrq from zf_fjb"), (QList<QStringList>{{"空闲", "", ""}}));
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(value("select sfrz from zf_fkxxb where fkxm='张三'"), "否");
    EXPECT_FALSE(processFlags().roomLet);
    EXPECT_TRUE(prompts.records.isEmpty());
    delete w;
}

TEST_F(RentingOutTest, ATextThatIsNoDateStopsTheSaveBeforeAnyWrite)
{
    TFormczxzgl *w = open();
    pickZhangSan(w);
    ui::setText(box(w, "Edit7"), "2024-02-30");
    EXPECT_THROW(w->save(), ConversionError);
    EXPECT_EQ(value("select fjzt from zf_fjb"), "空闲");
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_FALSE(processFlags().roomLet);
    delete w;
}

TEST_F(RentingOutTest, PickerListsOnlyTenantsNotInResidenceAndCancelClearsTheName)
{
    TFormczxzgl *w = open();
    QStringList listed;
    ui::onNextModal<TFormdcfkxx>([&listed](TFormdcfkxx *d) {
        const auto &q = dbhouse().qdcfk;
        for (int r = 0; r < q.recordCount(); ++r)
            listed << q.fieldAt(r, "fkxm").asString();
        d->backClick();
    });
    box(w, "Edit3")->setText("旧名");
    w->pickTenant();
    EXPECT_EQ(listed, QStringList{"张三"});
    EXPECT_FALSE(processFlags().pickerConfirmed);
    EXPECT_EQ(text(w, "Edit3"), "");
    delete w;
}

TEST_F(RentingOutTest, YesHandsOverToChargingThenASecondSaveIsRefusedAndTheFlagStays)
{
    TFormczxzgl *w = open();
    pickZhangSan(w);
    ui::setText(box(w, "editsgdh"), "A-17");
    QString charged;
    ui::onNextModal<TFormfjsf>([&charged](TFormfjsf *d) {
        charged = ui::find<QLineEdit>(d, "editfjbh")->text() + " " + ui::find<QLineEdit>(d, "editfkiid")->text();
        d->close();
    });
    prompts.answer(true);
    w->save();
    EXPECT_EQ(charged, "101 " + QString::number(tenant));
    EXPECT_TRUE(w->isVisible());
    for (const char *name : {"Edit1", "Edit2", "Edit3", "editsgdh"})
        EXPECT_EQ(text(w, name), "") << name;

    w->save();
    EXPECT_EQ(prompts.lastNotice(), "房间编号不能为空！");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(count("zf_fjsfmxlsb"), 1);
    EXPECT_TRUE(processFlags().roomLet);
    delete w;
}

TEST_F(RentingOutTest, BackClearsTheFlagUnlessALeaseWasSaved)
{
    TFormczxzgl *w = open();
    processFlags().roomLet = true;
    ui::click(w, "返回");
    EXPECT_FALSE(processFlags().roomLet);
    EXPECT_FALSE(w->isVisible());
    delete w;

    w = open();
    pickZhangSan(w);
    ui::onNextModal<TFormfjsf>([](TFormfjsf *d) { d->close(); });
    prompts.answer(true);
    w->save();
    ui::click(w, "返回");
    // The room is let and its booking must go: the board reads the flag.
    EXPECT_TRUE(processFlags().roomLet);
    delete w;
}

TEST_F(RentingOutTest, BookedRoomShowsTheBookingDepositAndTheDatesOfToday)
{
    auto *w = new TFormczxzgl;
    prepareRoom(w, "101");
    w->showBookingDeposit(500);
    w->setStartDate(QDate(2024, 4, 1));
    w->setEndDate(QDate(2024, 4, 30));
    w->show();
    EXPECT_TRUE(box(w, "Edit17")->isVisible());
    EXPECT_EQ(text(w, "Edit17"), "500");
    EXPECT_TRUE(ui::find<QLabel>(w, "Label17")->isVisible());
    EXPECT_EQ(ui::find<QLabel>(w, "Label17")->text(), "提示：预定时已收押金");
    EXPECT_EQ(text(w, "Edit6"), "2024-03-05");
    EXPECT_EQ(text(w, "Edit7"), "2024-04-04");
    delete w;
}

TEST_F(RentingOutTest, KeysAreFilteredAndEnterWalksTheBoxes)
{
    TFormczxzgl *w = open();
    struct Case { const char *box; const char *typed; const char *kept; };
    for (const Case &c : {Case{"Edit16", "1a-2.", "12"}, Case{"editysje", "1-2.5x", "12.5"},
                          Case{"Edit8", "-1.5a", "-1.5"}}) {
        ui::type(box(w, c.box), c.typed);
        EXPECT_EQ(text(w, c.box), c.kept) << c.box;
    }
    const QStringList order = {"editsgdh", "Edit3", "Edit16", "Edit6", "ComboBox1", "Edit7",
                               "editysje", "editzkje", "editssje", "Edit8", "Edit9", "Edit10"};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *from = ui::find<QWidget>(w, order[i]);
        from->setFocus();
        ui::key(from, Qt::Key_Return);
        EXPECT_EQ(w->focusWidget()->objectName(), order[i + 1]) << order[i].toStdString();
    }
    EXPECT_TRUE(w->isVisible());
    delete w;
}

TEST_F(RentingOutTest, PickingAnEndDatePricesTheNewDays)
{
    TFormczxzgl *w = open(false);
    ui::onNextModal<TBrDateForm>([](TBrDateForm *d) {
        ui::find<QCalendarWidget>(d, "calendar")->setSelectedDate(QDate(2024, 3, 14));
        ui::click(d, "okButton");
    });
    ui::find<QToolButton>(w, "Edit7Button")->click();
    EXPECT_EQ(text(w, "Edit14"), "10");
    EXPECT_EQ(text(w, "editysje"), "800");
    delete w;
}
