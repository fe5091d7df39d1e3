// Settling a room's pending lines: the common number, the receipt row with the discount, the
// dialog's arithmetic, cancelling, a check-out that frees the room, a failing write that leaves
// everything pending, and the receipt printed only after the data is written.
#include "chargetest.h"

#include "common/conversionerror.h"
#include "common/processflags.h"
#include "db/dberror.h"
#include "db/tdbhouse.h"
#include "leasing/settlement.h"
#include "leasing/tformjsgl.h"
#include "reports/reportpreview.h"

class SettlementTest : public ChargeTest
{
protected:
    void TearDown() override
    {
        ReportPreview::setSink({});
        ChargeTest::TearDown();
    }
    // A lease window's rent line (iid 10) before a charging window's deposit line (iid 11).
    void addLeaseAndDeposit(const QString &tzbz = {})
    {
        addPending("XZ24030500100001", "房租租金", 3000, 10, tzbz, "M-1");
        addPending("SF24030500100001", "押金", 500, 11, {}, "M-2");
    }
    static bool isWide(const BandReport &r)
    {
        for (const ReportElement &e : r.pageHeader.elements)
            if (e.text == "上月水表度数")
                return true;
        return false;
    }
};

TEST_F(SettlementTest, OldestLineGivesTheNumberAndTheDiscountGoesOnTheReceiptOnly)
{
    addLeaseAndDeposit();
    const auto start = Settlement("101").start();
    ASSERT_TRUE(start);
    EXPECT_EQ(start->zdlsh, "XZ24030500100001");
    EXPECT_EQ(start->sgdh, "M-1");
    EXPECT_EQ(start->total, 3500);
    EXPECT_EQ(rows("select distinct zdlsh from zf_fjsfmxlsb"), (QList<QStringList>{{"XZ24030500100001"}}));

    ASSERT_TRUE(Settlement("101").settle({3500, 100, 3400}));
    // The settling operator, the line's own entry date, today as settlement date; null year and
    // month of a lease line become 0.
    EXPECT_EQ(rows("select zdlsh,fymc,ysfje,zkje,ssje,czy,jzrq,sfrq,nf,yf,fkiid,fkxm from zf_fjsfmxb order by iid"),
              (QList<QStringList>{
                  {"XZ24030500100001", "房租租金", "3000", "0", "3000", "admin", "2024-03-01", "2024-03-05", "0", "0",
                   QString::number(tenant), "张三"},
                  {"XZ24030500100001", "押金", "500", "0", "500", "admin", "2024-03-01", "2024-03-05", "0", "0",
                   QString::number(tenant), "张三"}}));
    EXPECT_EQ(value("select sum(ssje) from zf_fjsfmxb"), "3500");
    EXPECT_EQ(rows("select zdlsh,sgdh,fjbh,fjmc,fjlx,ysfje,zkje,ssje,czy,jzrq,nf,yf,fkxm,fkiid from zf_fjsfhzb"),
              (QList<QStringList>{{"XZ24030500100001", "M-2", "101", "东101", "单间", "3500", "100", "3400", "admin",
                                   "2024-03-05", "0", "0", "张三", QString::number(tenant)}}));
    EXPECT_EQ(count("zf_fjsfmxlsb"), 0);
    EXPECT_EQ(value("select fjzt||fkxm from zf_fjb"), "已租张三"); // no check-out line: the lease goes on
}

TEST_F(SettlementTest, DialogDerivesReceivedAndChangeAndConfirmingSettles)
{
    addLeaseAndDeposit();
    TFormfjsf *w = openWindow();
    QStringList seen;
    prompts.answer(false); // no print
    ui::onNextModal<TFormjsgl>([&](TFormjsgl *d) {
        seen << d->windowTitle() << d->dueBox()->text() << d->discountBox()->text() << d->receivedBox()->text();
        ui::type(d->discountBox(), "100");
        seen << d->receivedBox()->text();
        ui::type(d->cashBox(), "4000");
        seen << d->changeBox()->text();
        ui::type(d->discountBox(), "150"); // the change follows the received amount
        seen << d->receivedBox()->text() << d->changeBox()->text();
        ui::setText(d->discountBox(), "1-2"); // not a number: received stays
        seen << d->receivedBox()->text();
        ui::type(d->discountBox(), "100");
        ui::click(d, "确定");
    });
    ui::click(w, "收费结算收款");
    EXPECT_EQ(seen, (QStringList{"收费结算", "3500", "0", "3500", "3400", "600", "3350", "650", "3350"}));
    EXPECT_EQ(prompts.questions(), QStringList{"您确定要打印单据吗？"});
    EXPECT_EQ(prompts.records.at(prompts.records.size() - 2).title, "询问");
    EXPECT_EQ(prompts.notices(), QStringList{"收费成功！"});
    EXPECT_TRUE(processFlags().settled);
    EXPECT_EQ(w->statusTotal(), "0");
    EXPECT_EQ(dbhouse().qsfmxlsb.recordCount(), 0);
    EXPECT_EQ(rows("select zdlsh,ysfje,zkje,ssje from zf_fjsfhzb"),
              (QList<QStringList>{{"XZ24030500100001", "3500", "100", "3400"}}));
}

TEST_F(SettlementTest, CancellingLeavesTheLinesPendingUnderOneNumber)
{
    addPending("SF24030400100003", "押金", 500);
    addPending("SF24030500100001", "卫生费", 30);
    processFlags().settled = true;
    TFormfjsf *w = openWindow();
    ui::onNextModal<TFormjsgl>([](TFormjsgl *d) { ui::click(d, "取消"); });
    ui::click(w, "收费结算收款");
    EXPECT_FALSE(processFlags().settled);
    EXPECT_EQ(rows("select zdlsh,fymc from zf_fjsfmxlsb order by iid"),
              (QList<QStringList>{{"SF24030400100003", "押金"}, {"SF24030400100003", "卫生费"}}));
    EXPECT_EQ(count("zf_fjsfmxb") + count("zf_fjsfhzb"), 0);
    EXPECT_TRUE(prompts.notices().isEmpty());
}

TEST_F(SettlementTest, RoomWithoutPendingLinesIsNotSettled)
{
    TFormfjsf *w = openWindow();
    ui::click(w, "收费结算收款"); // no dialog opens
    EXPECT_EQ(prompts.notices(), QStringList{"没有收费记录要结算！"});
    EXPECT_FALSE(Settlement("101").start());
    EXPECT_FALSE(Settlement("101").settle({0, 0, 0}));
    EXPECT_EQ(count("zf_fjsfhzb"), 0);
}

// The receipt is printed after the settlement is written, from what was read before: the check-out
// has already cleared the tenant from the room, yet the receipt names him and his lease.
TEST_F(SettlementTest, CheckOutFreesTheRoomKeepsItsDatesAndThePrintedReceiptIsWhole)
{
    addLeaseAndDeposit("1");
    settings->strdysd = "1";
    int receiptsAtPrint = -1, pendingAtPrint = -1, printedRows = -1;
    bool wide = false;
    QVariantMap values;
    ReportPreview::setSink([&](ReportPreview::Action a, const BandReport &r, const ReportRows &rows) {
        EXPECT_EQ(a, ReportPreview::Action::Print);
        receiptsAtPrint = count("zf_fjsfhzb");
        pendingAtPrint = count("zf_fjsfmxlsb");
        printedRows = rows.count();
        wide = isWide(r);
        values = r.values;
        return true;
    });
    TFormfjsf *w = openWindow();
    prompts.answer(true);
    ui::onNextModal<TFormjsgl>([](TFormjsgl *d) {
        ui::setText(d->noteBox(), "钥匙已交回");
        ui::click(d, "确定");
    });
    ui::click(w, "收费结算收款");

    EXPECT_EQ(rows("select fjzt,fkxm,fkiid,dbds,sbds,bzsm,yfsl,zqts,rs,ksrq,dqrq,yjrq from zf_fjb"),
              (QList<QStringList>{{"空闲", "", "0", "0", "0", "", "0", "0", "0", "2024-03-01", "2024-05-31", "2024-05-24"}}));
    EXPECT_EQ(receiptsAtPrint, 1);
    EXPECT_EQ(pendingAtPrint, 0);
    EXPECT_EQ(printedRows, 2);
    EXPECT_TRUE(wide);
    EXPECT_EQ(values.value("fkxm").toString(), "张三");
    EXPECT_EQ(values.value("zlrq").toString(), "租赁日期从：2024-03-01到2024-05-31");
    EXPECT_EQ(values.value("bz").toString(), "钥匙已交回");
    EXPECT_EQ(values.value("sgdh").toString(), "M-2");
    EXPECT_EQ(prompts.lastNotice(), "收费成功！");
}

TEST_F(SettlementTest, FailingReceiptWriteLeavesEverythingPending)
{
    addLeaseAndDeposit("1");
    exec("create trigger boom before insert on zf_fjsfhzb begin select raise(abort,'boom'); end");
    ASSERT_TRUE(Settlement("101").start());
    EXPECT_THROW(Settlement("101").settle({3500, 0, 3500}), DbError);
    EXPECT_EQ(count("zf_fjsfmxb"), 0);
    EXPECT_EQ(rows("select iid,zdlsh from zf_fjsfmxlsb order by iid"),
              (QList<QStringList>{{"10", "XZ24030500100001"}, {"11", "XZ24030500100001"}}));
    EXPECT_EQ(value("select fjzt||fkxm from zf_fjb"), "已租张三");

    // Through the dialog: the error stops "确定" before the print question; nothing is settled.
    TFormjsgl d;
    d.setUp("101", 3500, "SF24030500100001", "M-1");
    EXPECT_THROW(d.okClick(), DbError);
    EXPECT_FALSE(processFlags().settled);
    EXPECT_TRUE(prompts.questions().isEmpty());
    EXPECT_EQ(count("zf_fjsfmxlsb"), 2);
    EXPECT_EQ(count("zf_fjsfmxb"), 0);
}

TEST_F(SettlementTest, PrintButtonPreviewsWithoutWritingAndNeedsTheAmounts)
{
    addLeaseAndDeposit();
    QList<bool> wide;
    ReportPreview::setSink([&](ReportPreview::Action a, const BandReport &r, const ReportRows &) {
        EXPECT_EQ(a, ReportPreview::Action::Preview);
        wide << isWide(r);
        return true;
    });
    TFormjsgl d;
    d.setUp("101", 3500, "SF24030500100001", "M-1");
    d.printClick();
    settings->strdysd = "2"; // any value but "0" prints the readings
    d.printClick();
    d.receivedBox()->clear();
    d.printClick();
    d.dueBox()->clear();
    d.printClick();
    EXPECT_EQ(wide, (QList<bool>{false, true}));
    EXPECT_EQ(prompts.notices(), (QStringList{"实收金额不能为空！", "应收金额不能为空！"}));
    EXPECT_EQ(count("zf_fjsfmxlsb"), 2);
    EXPECT_EQ(count("zf_fjsfhzb"), 0);

    // "确定" needs them as well; an empty discount counts as 0.
    prompts.clear();
    d.okClick();
    EXPECT_EQ(prompts.notices(), QStringList{"应收金额不能为空！"});
    d.dueBox()->setText("3500");
    d.discountBox()->setText("0");
    d.receivedBox()->clear();
    d.okClick();
    EXPECT_EQ(prompts.lastNotice(), "实收金额不能为空！");
    EXPECT_EQ(count("zf_fjsfhzb"), 0);
    // A text that is no number stops "确定" before anything is written.
    ui::setText(d.receivedBox(), "35-00");
    EXPECT_THROW(d.okClick(), ConversionError);
    EXPECT_EQ(count("zf_fjsfhzb") + count("zf_fjsfmxb"), 0);
    d.discountBox()->clear();
    d.receivedBox()->setText("3500");
    prompts.answer(false);
    d.okClick();
    EXPECT_EQ(d.discountBox()->text(), "0");
    EXPECT_EQ(value("select zkje||'/'||ssje from zf_fjsfhzb"), "0.0/3500.0");
}
