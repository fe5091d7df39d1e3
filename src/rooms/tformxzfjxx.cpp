#include "rooms/tformxzfjxx.h"

#include "common/enterchain.h"
#include "common/keyfilter.h"
#include "common/prompter.h"
#include "db/tdbhouse.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TFormxzfjxx::TFormxzfjxx(QWidget *parent) : RoomDialog(QStringLiteral("新增房间信息"), parent)
{
    setObjectName("TFormxzfjxx");
    for (QWidget *box : {static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Edit5), static_cast<QWidget *>(Edit6),
                         static_cast<QWidget *>(Edit7), static_cast<QWidget *>(Edit8), static_cast<QWidget *>(Edit9)})
        installNumberFilter(box);
    new EnterChain({Edit1, ComboBox7, ComboBox1, Edit3, ComboBox2, ComboBox3, ComboBox6, Edit5, Edit6, Edit7, ComboBox4,
                    ComboBox5},
                   this);

    addHint(QStringLiteral("提示：为了加速输入速度可以点击“复制上一条记录”按钮，点击后，修改一下房间编号和房间名称就可以点击"));
    addHint(QStringLiteral("“保存”按钮了！"));
    connect(addButton(QStringLiteral("保存"), "saveButton"), &QPushButton::clicked, this, &TFormxzfjxx::saveClick);
    connect(addButton(QStringLiteral("复制上一条记录"), "copyLastButton"), &QPushButton::clicked, this,
            &TFormxzfjxx::copyLastClick);
    connect(addButton(QStringLiteral("重填数据"), "refillButton"), &QPushButton::clicked, this,
            &TFormxzfjxx::refillClick);
    connect(addButton(QStringLiteral("返回"), "returnButton"), &QPushButton::clicked, this, &QDialog::reject);
}

void TFormxzfjxx::showEvent(QShowEvent *event)
{
    RoomDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormxzfjxx::FormShow()
{
    clearBoxes(false);
    fillVocabularies();
    Edit1->setFocus();
}

void TFormxzfjxx::saveClick()
{
    if (!checkBoxes())
        return;
    auto &count = dbhouse().qcx;
    count.close();
    count.clear();
    count.add("select count(*) as expr1001 from zf_fjb where fjbh= :fjbh ");
    count.param("fjbh") = Edit1->text();
    count.open();
    if (count.field("expr1001").asInteger() != 0) {
        prompter().notice(QStringLiteral("系统已存在相同的房间编号，不能保存！"));
        return;
    }

    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    q.add("insert into zf_fjb(fjbh,fjmc,fjlx,fjmj,fjzxqk,fjsb,fjyt,bjts,rzjg,yzjg,dbds,sbds,czlx,fjzt,bzsm,ksrq,dqrq,"
          "yfsl,sffj,zqts )");
    q.add(" values(:fjbh,:fjmc,:fjlx,:fjmj,:fjzxqk,:fjsb,:fjyt,:bjts,:rzjg,:yzjg,:dbds,:sbds,:czlx,:fjzt,:bzsm,:ksrq,"
          ":dqrq,:yfsl,:sffj,:zqts )");
    bindRoom(q);
    // A new room is vacant, has no lease yet, and its booking flag takes the column default.
    q.param("fjzt") = QStringLiteral("空闲");
    q.param("ksrq").setNull();
    q.param("dqrq").setNull();
    q.param("yfsl") = 0;
    q.param("sffj") = QStringLiteral("是");
    q.param("zqts") = 0;
    q.execSQL();

    learnVocabularies();
    fillVocabularies();
    // The letting type stays for the next room.
    clearBoxes(true);
    auto &list = dbhouse().qfjxx;
    if (list.isOpen()) {
        list.reopen();
        list.last();
    }
    Edit1->setFocus();
}

void TFormxzfjxx::copyLastClick()
{
    // The newest room, not the one selected in the list.
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select * from zf_fjb order by iid   ");
    q.open();
    q.last();
    copyRoom(q);
}

void TFormxzfjxx::refillClick()
{
    clearBoxes(false);
    Edit1->setFocus();
}
