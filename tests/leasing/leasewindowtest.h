// Rooms and tenants for the lease-window tests, and the windows prepared as the status board
// prepares them.
#pragma once
#include "support/roomlettest.h"
#include "support/ui.h"

#include "common/tbrdateform.h"

#include "common/conversionerror.h"

#include "leasing/tformczxzgl.h"
#include "leasing/tformtzgl.h"
#include "leasing/tformxzgl.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QToolButton>
#include <QLineEdit>

class LeaseWindowTest : public RoomletTest
{
protected:
    // A vacant room: monthly price 1000, daily price 80, alarm days 7, let by the month.
    void addRoom(const QString &fjbh = "101", double yzjg = 1000, double rzjg = 80, const QString &bjts = "7")
    {
        exec(QString("insert into zf_fjb(fjbh,fjmc,fjlx,fjyt,yzjg,rzjg,bjts,czlx,fjzt,dbds,sbds,rs,yfsl,zqts,fkiid,fkxm) "
                     "values('%1','东%1','单间','住宅',%2,%3,%4,'是','空闲',0,0,0,0,0,0,'')")
                 .arg(fjbh).arg(yzjg).arg(rzjg).arg(bjts));
    }
    int addTenant(const QString &name, const QString &sfrz = "否")
    {
        exec(QString("insert into zf_fkxxb(fkxm,sfrz,djrq) values('%1','%2','2024-01-01')").arg(name, sfrz));
        return value("select max(iid) from zf_fkxxb").toInt();
    }
    // The room let to a tenant from ksrq to dqrq, as a renting-out save leaves it.
    void letRoom(const QString &fjbh, int fkiid, const QString &fkxm, const QString &ksrq, const QString &dqrq)
    {
        exec(QString("update zf_fjb set fjzt='已租',fkiid=%1,fkxm='%2',ksrq='%3',dqrq='%4',rs=2,yfsl=3,zqts=91 "
                     "where fjbh='%5'").arg(fkiid).arg(fkxm, ksrq, dqrq, fjbh));
        exec(QString("update zf_fkxxb set sfrz='是' where iid=%1").arg(fkiid));
        exec(QString("insert into zf_fjczbakb(fjbh,fjmc,fjlx,ksrq,dqrq,dbds,sbds,fkxm,fkiid,rs) "
                     "values('%1','东%1','单间','%2','%3',0,0,'%4',%5,2)").arg(fjbh, ksrq, dqrq, fkxm).arg(fkiid));
    }
    void settle(const QString &fjbh, const QString &fymc, double ssje, int fkiid)
    {
        exec(QString("insert into zf_fjsfmxb(zdlsh,fjbh,sflx,fymc,sl,dj,ysfje,zkje,ssje,fkiid,nf,yf,sfrq) "
                     "values('SF2401010010000%5','%1','%2','%2',1,%3,%3,0,%3,%4,2024,1,'2024-01-10')")
                 .arg(fjbh, fymc).arg(ssje).arg(fkiid).arg(count("zf_fjsfmxb")));
    }

    template <class W>
    void prepareRoom(W *w, const QString &fjbh, bool byMonth = true)
    {
        w->setRoom(fjbh, "东" + fjbh, "单间");
        w->setLetByMonth(byMonth);
        w->setPrice(value("select " + QString(byMonth ? "yzjg" : "rzjg") + " from zf_fjb where fjbh='" + fjbh + "'").toDouble());
    }

    static QLineEdit *box(QWidget *w, const char *name) { return ui::find<QLineEdit>(w, name); }
    static QString text(QWidget *w, const char *name) { return box(w, name)->text(); }
    static QComboBox *countBox(QWidget *w) { return ui::find<QComboBox>(w, "ComboBox1"); }
    // The count typed by the operator.
    static void typeCount(LeaseForm *w, const QString &count)
    {
        countBox(w)->setCurrentText(count);
        w->ComboBox1Change();
    }
};
