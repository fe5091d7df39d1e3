// Rooms and bookings put straight into the database, for the room and booking window tests.
#pragma once
#include "support/roomlettest.h"

#include <QComboBox>
#include <QStringList>

class RoomFixture : public RoomletTest
{
protected:
    // A room with the given number, name and letting state; the other columns as a new room has them.
    void insertRoom(const QString &fjbh, const QString &fjmc, const QString &fjzt = QStringLiteral("空闲"))
    {
        exec(QStringLiteral("insert into zf_fjb(fjbh,fjmc,fjlx,fjmj,bjts,rzjg,yzjg,dbds,sbds,czlx,fjzt,yfsl,sffj,zqts) "
                            "values('%1','%2','单间',20,3,50,1200,0,0,'是','%3',0,'是',0)")
                 .arg(fjbh, fjmc, fjzt));
    }
    void insertBooking(const QString &fjbh)
    {
        exec(QStringLiteral("insert into zf_ydb(fjbh,fjmc,ksrq,jsrq,yj,djrq,czy,tell,bz) "
                            "values('%1','','2024-04-01','2024-09-30',100,'2024-03-01','admin','139','')")
                 .arg(fjbh));
        exec(QStringLiteral("update zf_fjb set fjydzt='预定' where fjbh='%1'").arg(fjbh));
    }
    static QStringList items(QComboBox *box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
    // Whether the window's focus is in box (a combo box's line edit counts as the box).
    static bool hasFocus(QWidget *window, QWidget *box)
    {
        QWidget *f = window->focusWidget();
        return f && (f == box || box->isAncestorOf(f) || f->focusProxy() == box);
    }
};
