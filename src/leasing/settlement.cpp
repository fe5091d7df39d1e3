#include "leasing/settlement.h"
#include "common/clock.h"
#include "common/loggedinoperator.h"
#include "db/tdbhouse.h"

#include <QDate>
#include <algorithm>
#include <QList>

namespace {

const QString CheckOutMark = QStringLiteral("1");
const QString Vacant = QStringLiteral("空闲");

// A pending line as read, every value already converted, so the writes cannot stop half-way on
// a value.
struct PendingLine {
    QString zdlsh, sgdh, fjbh, fjmc, fjlx, sflx, fymc, czy, fkxm, tzbz;
    double scdbsl = 0, bcdbsl = 0, scsbsl = 0, bcsbsl = 0, sl = 0, dj = 0, ysfje = 0, zkje = 0, ssje = 0;
    QDate jzrq;
    int nf = 0, yf = 0, fkiid = 0;
};

QList<PendingLine> readPendingLines(const QString &fjbh)
{
    auto &q = dbhouse().qcx;
    openPendingLines(q, fjbh);
    QList<PendingLine> lines;
    for (int r = 0; r < q.recordCount(); ++r) {
        auto text = [&](const char *c) { return q.fieldAt(r, QString::fromLatin1(c)).asString(); };
        auto real = [&](const char *c) { return q.fieldAt(r, QString::fromLatin1(c)).asFloat(); };
        auto whole = [&](const char *c) { return int(q.fieldAt(r, QString::fromLatin1(c)).asInteger()); };
        PendingLine l;
        l.zdlsh = text("zdlsh");
        l.sgdh = text("sgdh");
        l.fjbh = text("fjbh");
        l.fjmc = text("fjmc");
        l.fjlx = text("fjlx");
        l.sflx = text("sflx");
        l.fymc = text("fymc");
        l.fkxm = text("fkxm");
        l.tzbz = text("tzbz");
        l.scdbsl = real("scdbsl");
        l.bcdbsl = real("bcdbsl");
        l.scsbsl = real("scsbsl");
        l.bcsbsl = real("bcsbsl");
        l.sl = real("sl");
        l.dj = real("dj");
        l.ysfje = real("ysfje");
        l.zkje = real("zkje");
        l.ssje = real("ssje");
        l.jzrq = q.fieldAt(r, QStringLiteral("jzrq")).asDate();
        l.nf = whole("nf");
        l.yf = whole("yf");
        l.fkiid = whole("fkiid");
        lines << l;
    }
    q.close();
    return lines;
}

void insertSettledLine(Statement &q, const PendingLine &l, const QString &number)
{
    q.param(QStringLiteral("zdlsh")) = number;
    q.param(QStringLiteral("sgdh")) = l.sgdh;
    q.param(QStringLiteral("fjbh")) = l.fjbh;
    q.param(QStringLiteral("fjmc")) = l.fjmc;
    q.param(QStringLiteral("fjlx")) = l.fjlx;
    q.param(QStringLiteral("sflx")) = l.sflx;
    q.param(QStringLiteral("fymc")) = l.fymc;
    q.param(QStringLiteral("scdbsl")) = l.scdbsl;
    q.param(QStringLiteral("bcdbsl")) = l.bcdbsl;
    q.param(QStringLiteral("scsbsl")) = l.scsbsl;
    q.param(QStringLiteral("bcsbsl")) = l.bcsbsl;
    q.param(QStringLiteral("sl")) = l.sl;
    q.param(QStringLiteral("dj")) = l.dj;
    q.param(QStringLiteral("ysfje")) = l.ysfje;
    q.param(QStringLiteral("zkje")) = l.zkje;
    q.param(QStringLiteral("ssje")) = l.ssje;
    q.param(QStringLiteral("czy")) = loggedInOperator().code;
    q.param(QStringLiteral("jzrq")) = l.jzrq;
    q.param(QStringLiteral("sfrq")) = today();
    q.param(QStringLiteral("nf")) = l.nf;
    q.param(QStringLiteral("yf")) = l.yf;
    q.param(QStringLiteral("fkiid")) = l.fkiid;
    q.param(QStringLiteral("fkxm")) = l.fkxm;
    q.execSQL();
}

void insertSettledLines(const QList<PendingLine> &lines, const QString &number)
{
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    q.add(QStringLiteral("insert into zf_fjsfmxb(zdlsh,sgdh,fjbh,Fjmc,Fjlx,Sflx,Fymc,scdbsl,Bcdbsl,scsbsl,Bcsbsl,sl,dj,ySfje,Zkje,Ssje,czy,jzrq,sfrq,nf,yf,fkiid,fkxm)"));
    q.add(QStringLiteral(" values(:zdlsh,:sgdh,:fjbh,:fjmc,:fjlx,:sflx,:fymc,:scdbsl,:bcdbsl,:scsbsl,:bcsbsl,:sl,:dj,:ysfje,:zkje,:ssje,:czy,:jzrq,:sfrq,:nf,:yf,:fkiid,:fkxm )"));
    for (const PendingLine &l : lines)
        insertSettledLine(q, l, number);
}

// The receipt takes room, year, month and tenant of the room's last pending line.
void insertReceipt(const PendingLine &last, const QString &number, const SettlementAmounts &a)
{
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    q.add(QStringLiteral("insert into zf_fjsfhzb(zdlsh,sgdh,fjbh,Fjmc,Fjlx,ySfje,Zkje,Ssje,czy,jzrq,nf,yf,fkxm,fkiid )"));
    q.add(QStringLiteral(" values(:zdlsh,:sgdh,:fjbh,:fjmc,:fjlx,:ysfje,:zkje,:ssje,:czy,:jzrq,:nf,:yf,:fkxm,:fkiid )"));
    q.param(QStringLiteral("zdlsh")) = number;
    q.param(QStringLiteral("sgdh")) = last.sgdh;
    q.param(QStringLiteral("fjbh")) = last.fjbh;
    q.param(QStringLiteral("fjmc")) = last.fjmc;
    q.param(QStringLiteral("fjlx")) = last.fjlx;
    q.param(QStringLiteral("ysfje")) = a.due;
    q.param(QStringLiteral("zkje")) = a.discount;
    q.param(QStringLiteral("ssje")) = a.received;
    q.param(QStringLiteral("czy")) = loggedInOperator().code;
    q.param(QStringLiteral("jzrq")) = today();
    q.param(QStringLiteral("nf")) = last.nf;
    q.param(QStringLiteral("yf")) = last.yf;
    q.param(QStringLiteral("fkxm")) = last.fkxm;
    q.param(QStringLiteral("fkiid")) = last.fkiid;
    q.execSQL();
}

// The lease ended: the room is vacant and its tenant fields are cleared; the lease dates stay
// for the history.
void releaseRoom(const QString &fjbh)
{
    auto &q = dbhouse().qup;
    q.close();
    q.clear();
    q.add(QStringLiteral("update zf_fjb set fjzt= :fjzt "));
    q.add(QStringLiteral(" where fjbh= :fjbh "));
    q.param(QStringLiteral("fjzt")) = Vacant;
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.execSQL();

    q.close();
    q.clear();
    q.add(QStringLiteral("update zf_fjb set fkxm= :fkxm,dbds= :dbds,sbds= :sbds,bzsm= :bzsm,yfsl= :yfsl,zqts= :zqts,rs= :rs,fkiid= :fkiid,fjzt= :fjzt "));
    q.add(QStringLiteral(" where fjbh= :fjbh "));
    q.param(QStringLiteral("fkxm")) = QString();
    q.param(QStringLiteral("dbds")) = 0.0;
    q.param(QStringLiteral("sbds")) = 0.0;
    q.param(QStringLiteral("bzsm")) = QString();
    q.param(QStringLiteral("yfsl")) = 0;
    q.param(QStringLiteral("zqts")) = 0;
    q.param(QStringLiteral("rs")) = 0;
    q.param(QStringLiteral("fkiid")) = 0;
    q.param(QStringLiteral("fjzt")) = Vacant;
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.execSQL();
}

void deletePendingLines(const QString &fjbh)
{
    auto &q = dbhouse().qup;
    q.close();
    q.clear();
    q.add(QStringLiteral("delete from zf_fjsfmxlsb where fjbh= :fjbh "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.execSQL();
}

} // namespace

void openPendingLines(Statement &q, const QString &fjbh)
{
    q.close();
    q.clear();
    q.add(QStringLiteral("select * from zf_fjsfmxlsb where fjbh= :fjbh  order by iid "));
    q.param(QStringLiteral("fjbh")) = fjbh;
    q.open();
}

Settlement::Settlement(const QString &fjbh) : m_fjbh(fjbh) {}

std::optional<SettlementStart> Settlement::start() const
{
    auto &q = dbhouse().qcx;
    openPendingLines(q, m_fjbh);
    if (q.isEmpty()) {
        q.close();
        return std::nullopt;
    }
    SettlementStart s;
    s.zdlsh = q.fieldAt(0, QStringLiteral("zdlsh")).asString();
    s.sgdh = q.fieldAt(0, QStringLiteral("sgdh")).asString();
    q.close();

    auto &up = dbhouse().qup;
    up.close();
    up.clear();
    up.add(QStringLiteral("update zf_fjsfmxlsb set zdlsh= :zdlsh where fjbh= :fjbh "));
    up.param(QStringLiteral("zdlsh")) = s.zdlsh;
    up.param(QStringLiteral("fjbh")) = m_fjbh;
    up.execSQL();

    auto &sum = dbhouse().qsum;
    sum.close();
    sum.clear();
    sum.add(QStringLiteral("select sum(ssje) as expr1001 from zf_fjsfmxlsb where fjbh= :fjbh  "));
    sum.param(QStringLiteral("fjbh")) = m_fjbh;
    sum.open();
    s.total = sum.field(QStringLiteral("expr1001")).asFloat();
    sum.close();
    return s;
}

bool Settlement::settle(const SettlementAmounts &amounts) const
{
    Transaction t(dbhouse().adoacccon);
    const QList<PendingLine> lines = readPendingLines(m_fjbh);
    if (lines.isEmpty())
        return false;
    // One receipt, one number: that of the oldest pending line.
    const QString number = lines.first().zdlsh;
    const bool checkOut = std::any_of(lines.begin(), lines.end(),
                                      [](const PendingLine &l) { return l.tzbz == CheckOutMark; });
    insertSettledLines(lines, number);
    insertReceipt(lines.last(), number, amounts);
    if (checkOut)
        releaseRoom(m_fjbh);
    deletePendingLines(m_fjbh);
    t.commit();
    return true;
}
