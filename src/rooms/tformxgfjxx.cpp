#include "rooms/tformxgfjxx.h"

#include "common/keyfilter.h"
#include "db/tdbhouse.h"

#include <QLineEdit>
#include <QPushButton>

TFormxgfjxx::TFormxgfjxx(QWidget *parent) : RoomDialog(QStringLiteral("修改房间信息"), parent)
{
    setObjectName("TFormxgfjxx");
    Edit1->setReadOnly(true);
    installNumberFilter(Edit3);
    addHint(QStringLiteral("提示：房间编号为关键字，不能修改！"));
    connect(addButton(QStringLiteral("保存"), "saveButton"), &QPushButton::clicked, this, &TFormxgfjxx::saveClick);
    connect(addButton(QStringLiteral("返回"), "returnButton"), &QPushButton::clicked, this, &QDialog::reject);
    fillVocabularies();
}

void TFormxgfjxx::setRoom(const Statement &room)
{
    copyRoom(room);
    m_fjbh = room.field("fjbh").asString();
}

void TFormxgfjxx::saveClick()
{
    if (!checkBoxes())
        return;
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    q.add("update zf_fjb set fjmc= :fjmc,fjlx= :fjlx,fjmj= :fjmj,fjzxqk= :fjzxqk,fjsb= :fjsb,fjyt= :fjyt,bjts= :bjts,"
          "rzjg= :rzjg,yzjg= :yzjg,dbds= :dbds,sbds= :sbds,czlx= :czlx,bzsm= :bzsm ");
    q.add(" where fjbh= :fjbh ");
    bindRoom(q);
    // The number box is read-only; the row is the one that was loaded.
    q.param("fjbh") = m_fjbh;
    q.execSQL();
    learnVocabularies();
    accept();
}
