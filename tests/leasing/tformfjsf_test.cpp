// The charging window: what it shows when opened, the lines it saves (ordinary, metered, by area),
// the checks before a save, deleting a pending line and the superuser's deletion of a receipt.
#include "chargetest.h"

#include "common/conversionerror.h"
#include "common/loggedinoperator.h"
#include "common/resultgrid.h"
#include "db/statement.h"
#include "db/tdbhouse.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace {
const char *LineColumns = "zdlsh,sgdh,fjbh,fjmc,fjlx,sflx,fymc,scdbsl,bcdbsl,scsbsl,bcsbsl,sl,dj,ysfje,zkje,ssje,"
                          "czy,jzrq,nf,yf,fkiid,fkxm,tzbz";
QStringList cells(const char *list) { return QString::fromLatin1(list).split(','); }
} // namespace

TEST_F(ChargeTest, StatusBoardEntryPreparesTheRoomAndOpensModally)
{
    addPending("XZ24030500100001", "房租租金", 3600);
    bool seen = false;
    ui::onNextModal<TFormfjsf>([&](TFormfjsf *w) {
        seen = true;
        EXPECT_EQ(text(w, "editfjbh"), "101");
        EXPECT_EQ(text(w, "editfjmc"), "东101");
        EXPECT_EQ(text(w, "editfjlx"), "单间");
        EXPECT_EQ(text(w, "editfkiid"), QString::number(tenant));
        EXPECT_EQ(ui::find<QGroupBox>(w, "spSkinGroupBox2")->title(), "房间号为101 东101的收费明细表");
        EXPECT_EQ(w->statusTotal(), "3600");
        EXPECT_EQ(w->windowTitle(), "出租收费管理");
        ui::click(w, "返回");
    });
    TFormfjsf::chargeRoom("101");
    EXPECT_TRUE(seen);
}

TEST_F(ChargeTest, OpeningOffersTheDepositAndSavingWritesItForThisMonth)
{
    TFormfjsf *w = openWindow();
    EXPECT_EQ(ui::text(ui::find<QComboBox>(w, "itemBox")), "押金");
    EXPECT_EQ(text(w, "priceBox"), "500");
    EXPECT_EQ(text(w, "quantityBox"), "1");
    EXPECT_EQ(text(w, "amountBox"), "500");
    EXPECT_EQ(text(w, "yearBox"), "2024");
    EXPECT_EQ(text(w, "monthBox"), "03");
    EXPECT_EQ(text(w, "meterMonthBox"), "03");
    EXPECT_FALSE(ui::find<QWidget>(w, "ordinaryPanel")->isHidden());
    EXPECT_TRUE(ui::find<QWidget>(w, "meterPanel")->isHidden());
    EXPECT_EQ(w->statusTotal(), "0");

    ui::setText(box(w, "sgdhBox"), "A-7");
    ui::click(w, "保存>>");
    const QStringList expected = {"SF24030500100001", "A-7", "101", "东101", "单间", "押金", "押金", "0", "0", "0", "0",
                                  "1", "500", "500", "0", "500", "admin", "2024-03-05", "2024", "3",
                                  QString::number(tenant), "张三", ""};
    EXPECT_EQ(rows(QString("select %1 from zf_fjsfmxlsb").arg(LineColumns)), QList<QStringList>{expected});
    EXPECT_EQ(w->statusTotal(), "500");
    EXPECT_EQ(dbhouse().qsfmxlsb.recordCount(), 1);
    // Prices, quantity and amount are cleared for the next line; number, year and month stay.
    EXPECT_EQ(text(w, "priceBox"), "");
    EXPECT_EQ(text(w, "amountBox"), "");
    EXPECT_EQ(text(w, "sgdhBox"), "A-7");
    EXPECT_EQ(text(w, "yearBox"), "2024");
    EXPECT_TRUE(prompts.notices().isEmpty());
}

TEST_F(ChargeTest, MeterItemsCarryTheReadingOverAndDeriveUsageAndAmount)
{
    TFormfjsf *w = openWindow();
    // Never settled: the reading taken when the room was let; the unit price box keeps its text.
    chooseItem(w, "电费");
    EXPECT_FALSE(ui::find<QWidget>(w, "meterPanel")->isHidden());
    EXPECT_TRUE(ui::find<QWidget>(w, "ordinaryPanel")->isHidden());
    EXPECT_EQ(text(w, "previousBox"), "1200");
    EXPECT_EQ(text(w, "meterPriceBox"), "");

    ui::type(box(w, "currentBox"), "1350");
    ui::type(box(w, "meterPriceBox"), "0.6");
    EXPECT_EQ(text(w, "usageBox"), "150");
    EXPECT_EQ(text(w, "meterAmountBox"), "90");
    ui::click(w, "保存>>");
    EXPECT_EQ(rows("select sflx,scdbsl,bcdbsl,scsbsl,bcsbsl,sl,dj,ysfje,ssje,nf,yf from zf_fjsfmxlsb"),
              (QList<QStringList>{{"电费", "1200", "1350", "0", "0", "150", "0.6", "90", "90", "2024", "3"}}));
    // Stored as the decimal shown, without binary noise.
    EXPECT_EQ(count("zf_fjsfmxlsb", "ssje = 90 and sl = 150"), 1);

    // Settled lines: the last one of a year not after the year typed gives reading and price.
    exec("insert into zf_fjsfmxb(fjbh,sflx,fymc,nf,yf,bcdbsl,bcsbsl,dj) values"
         "('101','水费','水费',2023,12,0,41,3.5),('101','水费','水费',2024,2,0,47.5,4),"
         "('101','水费','水费',2025,1,0,99,9)");
    chooseItem(w, "水费");
    EXPECT_EQ(text(w, "previousBox"), "47.5");
    EXPECT_EQ(text(w, "meterPriceBox"), "4");
    ui::setText(box(w, "meterYearBox"), "2023");
    ui::click(w, "上月度数");
    EXPECT_EQ(text(w, "previousBox"), "41");
    EXPECT_EQ(text(w, "meterPriceBox"), "3.5");
    ui::type(box(w, "currentBox"), "50");
    ui::click(w, "保存>>");
    EXPECT_EQ(value("select scsbsl||'/'||bcsbsl||'/'||scdbsl||'/'||sl||'/'||ssje||'/'||nf from zf_fjsfmxlsb "
                    "where sflx='水费'"),
              "41.0/50.0/0.0/9.0/31.5/2023");
}

TEST_F(ChargeTest, PropertyFeeIsChargedByAreaOnlyWhenTheSwitchSaysSo)
{
    struct Case { const char *strmj; const char *quantity; const char *amount; };
    for (const Case &c : {Case{"是", "85.5", "171"}, Case{"否", "1", "2"}}) {
        settings->strmj = c.strmj;
        TFormfjsf *w = openWindow();
        chooseItem(w, "物业管理费");
        EXPECT_EQ(text(w, "priceBox"), "2") << c.strmj;
        EXPECT_EQ(text(w, "quantityBox"), c.quantity) << c.strmj;
        EXPECT_EQ(text(w, "amountBox"), c.amount) << c.strmj;
        delete w;
    }
}

TEST_F(ChargeTest, OrdinaryLineWithoutYearAndMonthStoresZero)
{
    TFormfjsf *w = openWindow();
    chooseItem(w, "卫生费"); // not in the catalogue: no fee type, no price
    ui::setText(box(w, "priceBox"), "30");
    ui::setText(box(w, "quantityBox"), "");
    ui::setText(box(w, "amountBox"), "25");
    ui::setText(box(w, "yearBox"), "");
    ui::setText(box(w, "monthBox"), "");
    ui::click(w, "保存>>");
    EXPECT_EQ(rows("select sflx,fymc,sl,dj,ssje,nf,yf from zf_fjsfmxlsb"),
              (QList<QStringList>{{"", "卫生费", "1", "30", "25", "0", "0"}}));
    EXPECT_EQ(text(w, "yearBox"), "0");
    EXPECT_EQ(text(w, "monthBox"), "0");
}

TEST_F(ChargeTest, SaveStopsOnTheFirstMissingOrBadValueAndWritesNothing)
{
    struct Case { const char *item; const char *box; const char *typed; const char *message; };
    const Case cases[] = {
        {"", nullptr, nullptr, "项目名称不能为空！"},
        {"押金", "priceBox", "", "单价不能为空！"},
        {"押金", "amountBox", "", "金额 不能为空！"},
        {"电费", "previousBox", "", "上月度数不能为空！"},
        {"电费", "meterYearBox", "", "年份不能为空！"},
        {"电费", "meterMonthBox", "", "月份不能为空！"},
        {"电费", "currentBox", "", "本月度数不能为空！"},
        {"电费", "usageBox", "", "实际用量不能为空！"},
        {"电费", "meterPriceBox", "", "单价不能为空！"},
        {"电费", "meterAmountBox", "", "金额不能为空！"},
    };
    for (const Case &c : cases) {
        TFormfjsf *w = openWindow();
        chooseItem(w, c.item);
        if (QString(c.item) == "电费") {
            ui::setText(box(w, "currentBox"), "1300");
            ui::setText(box(w, "meterPriceBox"), "1");
        }
        if (c.box)
            ui::setText(box(w, c.box), c.typed);
        prompts.clear();
        ui::click(w, "保存>>");
        EXPECT_EQ(prompts.notices(), QStringList{c.message}) << c.message;
        if (c.box)
            EXPECT_EQ(w->focusWidget(), box(w, c.box)) << c.message;
        delete w;
    }
    // A text that is no number stops with the conversion error before the insert.
    TFormfjsf *w = openWindow();
    ui::setText(box(w, "monthBox"), "三月");
    EXPECT_THROW(w->saveClick(), ConversionError);
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
}

TEST_F(ChargeTest, DeletingAPendingLineAsksAndRemovesOnlyThatLine)
{
    addPending("SF24030500100001", "押金", 500);
    addPending("SF24030500100001", "卫生费", 30);
    TFormfjsf *w = openWindow();
    auto &q = dbhouse().qsfmxlsb;
    q.setRecNo(1);

    prompts.answer(false);
    ui::click(w, "删除");
    EXPECT_EQ(count("zf_fjsfmxlsb"), 2);

    prompts.answer(true);
    emit ui::find<ResultGrid>(w, "pendingGrid")->rowActivated(1); // the double-click
    EXPECT_EQ(prompts.questions(), (QStringList{"您确定要删除收费名称为：卫生费记录吗？", "您确定要删除收费名称为：卫生费记录吗？"}));
    EXPECT_EQ(rows("select fymc from zf_fjsfmxlsb"), (QList<QStringList>{{"押金"}}));
    EXPECT_EQ(w->statusTotal(), "500");
    EXPECT_EQ(q.recordCount(), 1);
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(ChargeTest, SettledPageListsThisTenantsLinesAndQueriesADateRange)
{
    addSettled("SF24020100100001", "押金", 500, "2024-02-01");
    addSettled("SF24030500100001", "电费", 90, "2024-03-05");
    addSettled("SF24010100100001", "押金", 700, "2024-01-01", "101", tenant + 1); // the previous tenant
    TFormfjsf *w = openWindow();
    ui::find<QTabWidget>(w, "pageControl")->setCurrentIndex(2);
    EXPECT_EQ(dbhouse().qyjscx.recordCount(), 2);
    EXPECT_EQ(ui::find<QLabel>(w, "sb2Total")->text(), "590");
    EXPECT_EQ(ui::find<QLineEdit>(w, "fromDateBox")->text(), "2024-03-05");

    ui::setText(ui::find<QLineEdit>(w, "fromDateBox"), "2024-02-01");
    ui::setText(ui::find<QLineEdit>(w, "toDateBox"), "2024-02-01");
    ui::click(w, "settledQueryButton");
    EXPECT_EQ(dbhouse().qyjscx.recordCount(), 1);
    EXPECT_EQ(ui::find<QLabel>(w, "sb2Total")->text(), "500");
}

TEST_F(ChargeTest, OnlyTheSuperuserDeletesAWholeSettledReceipt)
{
    addSettled("SF24030500100001", "押金", 500, "2024-03-05");
    addSettled("SF24030500100001", "电费", 90, "2024-03-05");
    addSettled("SF24030500100002", "水费", 20, "2024-03-05");
    addSettled("SF24030500100001", "押金", 400, "2024-03-05", "102"); // same number, another room

    loggedInOperator() = LoggedInOperator{"clerk", "002", true};
    TFormfjsf *w = openWindow();
    ui::find<QTabWidget>(w, "pageControl")->setCurrentIndex(2);
    ui::click(w, "删除整张收费单据");
    EXPECT_EQ(prompts.lastNotice(), "您不是ADMIN用户，不能使用本功能！");
    EXPECT_EQ(count("zf_fjsfmxb"), 4);
    delete w;

    loggedInOperator() = LoggedInOperator{" admin ", "001", true};
    w = openWindow();
    ui::find<QTabWidget>(w, "pageControl")->setCurrentIndex(2);
    prompts.answer(true);
    ui::click(w, "删除整张收费单据");
    EXPECT_EQ(prompts.questions(), QStringList{"您确定要删除房间号为101名称为 东101;自动流水号 SF24030500100001的记录吗？"});
    EXPECT_EQ(prompts.lastNotice(), "整张收费单据已删除成功！");
    EXPECT_EQ(rows("select fjbh,zdlsh from zf_fjsfmxb order by iid"),
              (QList<QStringList>{{"101", "SF24030500100002"}, {"102", "SF24030500100001"}}));
    EXPECT_EQ(rows("select fjbh,zdlsh from zf_fjsfhzb order by fjbh,zdlsh"),
              (QList<QStringList>{{"101", "SF24030500100002"}, {"102", "SF24030500100001"}}));
    EXPECT_EQ(dbhouse().qyjscx.recordCount(), 1);
    EXPECT_EQ(ui::find<QLabel>(w, "sb2Total")->text(), "20");
}
