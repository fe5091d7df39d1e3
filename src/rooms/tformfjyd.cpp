#include "rooms/tformfjyd.h"
#include "rooms/captionlabel.h"
#include "rooms/tformdcfjxx.h"

#include "common/clock.h"
#include "common/datebox.h"
#include "common/gridexport.h"
#include "common/loggedinoperator.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "common/values.h"
#include "db/tdbhouse.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormfjyd::TFormfjyd(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("TFormfjyd");
    setWindowTitle(QStringLiteral("房间预定管理"));

    auto button = [this](QLayout *layout, const QString &caption, const char *name, auto slot) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b);
    };

    auto *find = new QGroupBox(QStringLiteral("查询条件"), this);
    auto *findRow = new QHBoxLayout(find);
    m_search = new QLineEdit(find);
    m_search->setObjectName("searchBox");
    m_search->setMaximumWidth(200);
    connect(m_search, &QLineEdit::returnPressed, this, &TFormfjyd::searchClick);
    findRow->addWidget(captionLabel(QStringLiteral("房间编号"), m_search, find));
    findRow->addWidget(m_search);
    button(findRow, QStringLiteral("查询"), "searchButton", &TFormfjyd::searchClick);
    button(findRow, QStringLiteral("全部浏览"), "browseAllButton", &TFormfjyd::browseAllClick);
    findRow->addStretch();

    auto *form = new QGridLayout;
    buildEntry(form);

    auto *actions = new QHBoxLayout;
    button(actions, QStringLiteral("保存"), "saveButton", &TFormfjyd::saveClick);
    button(actions, QStringLiteral("删除"), "deleteButton", &TFormfjyd::deleteClick);
    button(actions, QStringLiteral("导出Excel"), "exportButton", &TFormfjyd::exportClick);
    button(actions, QStringLiteral("返回"), "returnButton", &QWidget::close);
    actions->addStretch();

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("grid");
    m_grid->setAccessibleName(QStringLiteral("房间预定"));
    // The list starts with the row number like every list, so the export keeps the room number.
    m_grid->bind(dbhouse().qfjyd, {GridColumn::rowNumberColumn(),
                                   {QStringLiteral("房间编号"), "fjbh", 80},
                                   {QStringLiteral("房间名称"), "fjmc", 110},
                                   {QStringLiteral("租期开始日期"), "ksrq", 95},
                                   {QStringLiteral("结束日期"), "jsrq", 95},
                                   {QStringLiteral("押金"), "yj", 70},
                                   {QStringLiteral("联系电话"), "tell", 110},
                                   {QStringLiteral("备注"), "bz", 150},
                                   {QStringLiteral("登记日期"), "djrq", 95},
                                   {QStringLiteral("操作员"), "czy", 70}});

    auto *main = new QVBoxLayout(this);
    main->addWidget(find);
    main->addLayout(form);
    main->addLayout(actions);
    main->addWidget(m_grid);
}

void TFormfjyd::buildEntry(QGridLayout *form)
{
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    Edit2->setReadOnly(true);
    Edit3 = new DateBox("Edit3", this);
    Edit4 = new DateBox("Edit4", this);
    Edit5 = new QLineEdit(this);
    Edit5->setObjectName("Edit5");
    Edit7 = new QLineEdit(this);
    Edit7->setObjectName("Edit7");
    Edit8 = new QLineEdit(this);
    Edit8->setObjectName("Edit8");
    Edit3->setNextFocus(Edit4->lineEdit());
    Edit4->setNextFocus(Edit5);
    // A number typed by hand is a different room: the name of the room looked up before no
    // longer belongs to it.
    connect(Edit1, &QLineEdit::textEdited, Edit2, &QLineEdit::clear);

    auto row = [&](int r, int c, const QString &caption, QWidget *box, QWidget *named) {
        form->addWidget(captionLabel(caption, named, this), r, c);
        form->addWidget(box, r, c + 1);
    };
    row(0, 0, QStringLiteral("房间编号"), Edit1, Edit1);
    row(0, 2, QStringLiteral("房间名称"), Edit2, Edit2);
    row(1, 0, QStringLiteral("租期开始日期"), Edit3, Edit3->lineEdit());
    row(1, 2, QStringLiteral("租期结束日期"), Edit4, Edit4->lineEdit());
    row(2, 0, QStringLiteral("押金"), Edit5, Edit5);
    row(2, 2, QStringLiteral("联系电话"), Edit7, Edit7);
    row(3, 0, QStringLiteral("备注"), Edit8, Edit8);
    form->setColumnStretch(4, 1);
}

void TFormfjyd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormfjyd::closeEvent(QCloseEvent *event)
{
    dbhouse().qfjyd.close();
    QWidget::closeEvent(event);
}

void TFormfjyd::openBookings()
{
    auto &q = dbhouse().qfjyd;
    q.close();
    q.clear();
    q.add("select * from zf_ydb order by iid");
    q.open();
}

void TFormfjyd::FormShow()
{
    openBookings();
    for (QLineEdit *box : {m_search, Edit1, Edit2, Edit5, Edit7, Edit8})
        box->clear();
    Edit4->setText(QString());
    Edit3->setText(dateText(today()));
}

void TFormfjyd::searchClick()
{
    auto &q = dbhouse().qfjcx;
    q.close();
    q.clear();
    q.add("select * from zf_fjb where fjbh like :fjbh  order by iid ");
    q.param("fjbh") = m_search->text() + '%';
    q.open();
    takeRoom();
}

void TFormfjyd::browseAllClick()
{
    auto &q = dbhouse().qfjcx;
    q.close();
    q.clear();
    q.add("select * from zf_fjb  order by iid ");
    q.open();
    takeRoom();
}

void TFormfjyd::takeRoom()
{
    auto &q = dbhouse().qfjcx;
    if (q.isEmpty()) {
        prompter().notice(QStringLiteral("没有您需要查询的数据！"));
        m_search->setFocus();
        return;
    }
    if (q.recordCount() > 1) {
        // However the picker is closed, the room under its cursor is taken.
        TFormdcfjxx picker(this);
        picker.exec();
    }
    Edit1->setText(q.field("fjbh").asString());
    Edit2->setText(q.field("fjmc").asString());
    q.close();
}

bool TFormfjyd::refuse(QWidget *box, const QString &message)
{
    prompter().notice(message);
    if (box)
        box->setFocus();
    return false;
}

void TFormfjyd::saveClick()
{
    if (Edit1->text().isEmpty()) {
        refuse(Edit1, QStringLiteral("房间编号不能为空！"));
        return;
    }
    if (Edit3->text().isEmpty()) {
        refuse(Edit3->lineEdit(), QStringLiteral("租期开始日期不能为空！"));
        return;
    }
    if (Edit4->text().isEmpty()) {
        refuse(Edit4->lineEdit(), QStringLiteral("租期结束日期不能为空！"));
        return;
    }
    QDate ksrq, jsrq;
    try {
        ksrq = toDate(Edit3->text());
        jsrq = toDate(Edit4->text());
    } catch (const ConversionError &) {
        refuse(nullptr, QStringLiteral("日期格式不对！"));
        return;
    }
    if (Edit7->text().isEmpty()) {
        refuse(Edit7, QStringLiteral("联系电话不能为空！"));
        return;
    }
    if (Edit5->text().isEmpty())
        Edit5->setText(QStringLiteral("0"));
    const double yj = toFloat(Edit5->text());

    auto &count = dbhouse().qcx;
    count.close();
    count.clear();
    count.add("select count(*) as expr1001  from zf_ydb where  fjbh= :fjbh ");
    count.param("fjbh") = Edit1->text();
    count.open();
    if (count.field("expr1001").asInteger() != 0) {
        prompter().notice(QStringLiteral("此房间存在预定记录,不能保存！"));
        return;
    }

    // The booking and the room's booked flag are one step.
    Transaction t(dbhouse().adoacccon);
    auto &ins = dbhouse().qins;
    ins.close();
    ins.clear();
    ins.add("insert into zf_ydb(fjbh,fjmc,ksrq,jsrq,yj,djrq,czy,tell,bz)");
    ins.add(" values(:fjbh,:fjmc,:ksrq,:jsrq,:yj,:djrq,:czy,:tell,:bz )");
    ins.param("fjbh") = Edit1->text();
    ins.param("fjmc") = Edit2->text();
    ins.param("ksrq") = ksrq;
    ins.param("jsrq") = jsrq;
    ins.param("yj") = yj;
    ins.param("djrq") = today();
    ins.param("czy") = loggedInOperator().code;
    ins.param("tell") = Edit7->text();
    ins.param("bz") = Edit8->text();
    ins.execSQL();
    auto &flag = dbhouse().qup;
    flag.close();
    flag.clear();
    flag.add("update zf_fjb set fjydzt= :fjydzt where fjbh= :fjbh ");
    flag.param("fjydzt") = QStringLiteral("预定");
    flag.param("fjbh") = Edit1->text();
    flag.execSQL();
    t.commit();

    openBookings();
    // The start date stays for the next booking.
    for (QLineEdit *box : {Edit1, Edit2, Edit5, Edit7, Edit8})
        box->clear();
    Edit4->setText(QString());
    m_search->setFocus();
}

void TFormfjyd::deleteClick()
{
    auto &q = dbhouse().qfjyd;
    if (!q.isOpen() || q.isEmpty())
        return;
    if (!prompter().ask(QStringLiteral("您确定要删除您选择的这条记录吗？"), QStringLiteral("询问")))
        return;
    const QString fjbh = q.field("fjbh").asString();
    const qint64 iid = q.field("iid").asInteger();
    // The room is free again exactly when its booking is gone.
    Transaction t(dbhouse().adoacccon);
    auto &up = dbhouse().qup;
    up.close();
    up.clear();
    up.add("update zf_fjb set fjydzt= :fjydzt where fjbh= :fjbh ");
    up.param("fjydzt") = QStringLiteral("空闲");
    up.param("fjbh") = fjbh;
    up.execSQL();
    up.close();
    up.clear();
    up.add("delete from zf_ydb where iid= :iid ");
    up.param("iid") = iid;
    up.execSQL();
    t.commit();
    q.reopen();
}

void TFormfjyd::exportClick()
{
    auto &q = dbhouse().qfjyd;
    if (q.isOpen() && !q.isEmpty())
        exportGrid(*m_grid);
}
