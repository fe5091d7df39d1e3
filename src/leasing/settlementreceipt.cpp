#include "leasing/settlementreceipt.h"
#include "common/clock.h"
#include "common/loggedinoperator.h"
#include "common/tglobal.h"
#include "common/values.h"
#include "db/tdbhouse.h"
#include "leasing/settlement.h"
#include "reports/tformdjdy.h"
#include "reports/tformdjdyk.h"

namespace {

void readRoom(const QString &fjbh, ReceiptContent &c)
{
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add(QStringLiteral("select * from zf_fjb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
    c.fjmc = q.field(QStringLiteral("fjmc")).asString();
    c.fkxm = q.field(QStringLiteral("fkxm")).asString();
    c.leasePeriod = QStringLiteral("租赁日期从：") + dateText(q.field(QStringLiteral("ksrq")).asDate())
                    + QStringLiteral("到") + dateText(q.field(QStringLiteral("dqrq")).asDate());
    q.close();
}

void readPrintHeader(ReceiptContent &c)
{
    auto &q = dbhouse().qy;
    q.close();
    q.clear();
    q.add(QStringLiteral("select * from zf_dyszb "));
    q.open();
    c.gsmc = q.field(QStringLiteral("gsmc")).asString();
    c.gsdh = q.field(QStringLiteral("gsdh")).asString();
    c.gsdz = q.field(QStringLiteral("gsdz")).asString();
    c.gsqt = q.field(QStringLiteral("gsqt")).asString();
    c.leftMargin = int(q.field(QStringLiteral("zleft")).asInteger());
    q.close();
}

// The lines print in entry order; the manual receipt number is the one the receipt row keeps,
// that of the last line.
void readLines(const QString &fjbh, ReceiptContent &c)
{
    auto &q = dbhouse().qcx;
    openPendingLines(q, fjbh);
    static const QStringList numbers = {QStringLiteral("dj"),     QStringLiteral("sl"),     QStringLiteral("ssje"),
                                        QStringLiteral("scsbsl"), QStringLiteral("bcsbsl"), QStringLiteral("scdbsl"),
                                        QStringLiteral("bcdbsl")};
    for (int r = 0; r < q.recordCount(); ++r) {
        QVariantMap line{{QStringLiteral("fymc"), q.fieldAt(r, QStringLiteral("fymc")).asString()}};
        for (const QString &n : numbers)
            line.insert(n, q.fieldAt(r, n).asFloat());
        c.lines << line;
        c.sgdh = q.fieldAt(r, QStringLiteral("sgdh")).asString();
    }
    q.close();
}

} // namespace

ReceiptContent readReceiptContent(const QString &fjbh, const ReceiptTexts &texts)
{
    ReceiptContent c;
    c.fjbh = fjbh;
    readRoom(fjbh, c);
    readPrintHeader(c);
    readLines(fjbh, c);
    c.ysfje = texts.due;
    c.zkje = texts.discount;
    c.ssje = texts.received;
    c.bz = texts.note;
    c.czy = loggedInOperator().code;
    c.printTime = now();
    return c;
}

std::unique_ptr<ReceiptLayout> receiptLayout(const ReceiptContent &content)
{
    if (global().strdysd == QLatin1String("0"))
        return std::make_unique<TFormdjdy>(content);
    return std::make_unique<TFormdjdyk>(content);
}
