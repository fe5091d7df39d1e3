// A let room with a tenant, the fee items the charging window expects, and pending and settled
// lines for the charging and settlement tests.
#pragma once
#include "support/roomlettest.h"
#include "support/ui.h"

#include "leasing/tformfjsf.h"

#include <QLineEdit>

class ChargeTest : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        exec("insert into zf_fkxxb(fkxm,sfrz,djrq) values('张三','是','2024-01-01')");
        tenant = value("select max(iid) from zf_fkxxb").toInt();
        exec(QString("insert into zf_fjb(fjbh,fjmc,fjlx,fjmj,yzjg,rzjg,czlx,fjzt,fjydzt,dbds,sbds,ksrq,dqrq,yjrq,"
                     "yfsl,zqts,rs,fkiid,fkxm,bzsm) values('101','东101','单间',85.5,1200,80,'是','已租','空闲',"
                     "1200,30,'2024-03-01','2024-05-31','2024-05-24',3,92,2,%1,'张三','朝南')")
                 .arg(tenant));
        // Start-up adds the property-management fee; here at the price of the examples.
        exec("insert into zf_sfxmb(sfmc,sflx,dj) values('物业管理费','物业管理费',2)");
    }

    // A pending line of room 101; iid 0 lets the database number it.
    void addPending(const QString &zdlsh, const QString &fymc, double ssje, int iid = 0, const QString &tzbz = {},
                    const QString &sgdh = {}, const QString &fjbh = "101")
    {
        exec(QString("insert into zf_fjsfmxlsb(%1zdlsh,sgdh,fjbh,fjmc,fjlx,sflx,fymc,scdbsl,bcdbsl,scsbsl,bcsbsl,"
                     "sl,dj,ysfje,zkje,ssje,czy,jzrq,nf,yf,fkiid,fkxm,tzbz) values(%2'%3','%4','%5','东%5','单间','%6',"
                     "'%6',0,0,0,0,1,%7,%7,0,%7,'clerk','2024-03-01',null,null,%8,'张三',%9)")
                 .arg(iid ? "iid," : "", iid ? QString::number(iid) + "," : "", zdlsh, sgdh, fjbh, fymc)
                 .arg(ssje)
                 .arg(tenant)
                 .arg(tzbz.isEmpty() ? "null" : "'" + tzbz + "'"));
    }

    // A settled line of room 101 and its receipt row.
    void addSettled(const QString &zdlsh, const QString &fymc, double ssje, const QString &sfrq,
                    const QString &fjbh = "101", int fkiid = -1)
    {
        const int who = fkiid < 0 ? tenant : fkiid;
        exec(QString("insert into zf_fjsfmxb(zdlsh,fjbh,fjmc,sflx,fymc,sl,dj,ysfje,zkje,ssje,czy,jzrq,sfrq,nf,yf,"
                     "fkiid) values('%1','%2','东%2','%3','%3',1,%4,%4,0,%4,'admin','%5','%5',2024,1,%6)")
                 .arg(zdlsh, fjbh, fymc).arg(ssje).arg(sfrq).arg(who));
        if (count("zf_fjsfhzb", QString("zdlsh='%1' and fjbh='%2'").arg(zdlsh, fjbh)) == 0)
            exec(QString("insert into zf_fjsfhzb(zdlsh,fjbh,fjmc,ysfje,zkje,ssje,czy,jzrq,fkiid) "
                         "values('%1','%2','东%2',0,0,0,'admin','%3',%4)").arg(zdlsh, fjbh, sfrq).arg(who));
    }

    // The charging window for room 101 as the status board prepares it, shown.
    TFormfjsf *openWindow()
    {
        auto *w = new TFormfjsf;
        w->prepareForRoom("101");
        w->show();
        return w;
    }

    static QLineEdit *box(QWidget *w, const char *name) { return ui::find<QLineEdit>(w, name); }
    static QString text(QWidget *w, const char *name) { return box(w, name)->text(); }
    static void chooseItem(QWidget *w, const QString &item) { ui::setText(ui::find<QComboBox>(w, "itemBox"), item); }

    int tenant = 0;
};
