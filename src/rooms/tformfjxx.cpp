#include "rooms/tformfjxx.h"
#include "rooms/captionlabel.h"
#include "rooms/tformxgfjxx.h"
#include "rooms/tformxzfjxx.h"

#include "common/gridexport.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormfjxx::TFormfjxx(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("TFormfjxx");
    setWindowTitle(QStringLiteral("房间信息"));

    m_search = new QLineEdit(this);
    m_search->setObjectName("searchBox");
    m_search->setMaximumWidth(200);
    connect(m_search, &QLineEdit::returnPressed, this, &TFormfjxx::searchClick);

    auto *bar = new QHBoxLayout;
    bar->addWidget(captionLabel(QStringLiteral("输入房间编号或名称："), m_search, this));
    bar->addWidget(m_search);
    bar->addWidget(new QLabel(QStringLiteral("(不输入查询所有记录)"), this));
    auto button = [&](const QString &caption, const char *name, void (TFormfjxx::*slot)()) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
    };
    button(QStringLiteral("查询"), "searchButton", &TFormfjxx::searchClick);
    button(QStringLiteral("新增房间"), "addButton", &TFormfjxx::addClick);
    button(QStringLiteral("修改房间"), "editButton", &TFormfjxx::editClick);
    button(QStringLiteral("删除房间"), "deleteButton", &TFormfjxx::deleteClick);
    button(QStringLiteral("导出Excel"), "exportButton", &TFormfjxx::exportClick);
    auto *back = new QPushButton(QStringLiteral("返回"), this);
    back->setObjectName("returnButton");
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    bar->addWidget(back);
    bar->addStretch();

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("grid");
    m_grid->setAccessibleName(QStringLiteral("房间信息"));
    m_grid->bind(dbhouse().qfjxx, {GridColumn::rowNumberColumn(),
                                   {QStringLiteral("房间编号"), "fjbh", 70},
                                   {QStringLiteral("房间名称"), "fjmc", 100},
                                   {QStringLiteral("房间类型"), "fjlx", 80},
                                   {QStringLiteral("房间面积"), "fjmj", 60},
                                   {QStringLiteral("装修情况"), "fjzxqk", 80},
                                   {QStringLiteral("房间设施"), "fjsb", 80},
                                   {QStringLiteral("房间用途"), "fjyt", 80},
                                   {QStringLiteral("报警天数"), "bjts", 60},
                                   {QStringLiteral("日租价格"), "rzjg", 60},
                                   {QStringLiteral("月租价格"), "yzjg", 60},
                                   {QStringLiteral("出租类型"), "czlx", 60},
                                   {QStringLiteral("房间状态"), "fjzt", 60},
                                   {QStringLiteral("备注说明"), "bzsm", 100},
                                   {QStringLiteral("合同开始日期"), "ksrq", 90},
                                   {QStringLiteral("合同到期日期"), "dqrq", 90},
                                   {QStringLiteral("月份数量"), "yfsl", 60},
                                   {QStringLiteral("租期天数"), "zqts", 60}});
    connect(m_grid, &ResultGrid::rowActivated, this, &TFormfjxx::editClick);

    auto *main = new QVBoxLayout(this);
    main->addLayout(bar);
    main->addWidget(m_grid);
}

void TFormfjxx::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormfjxx::closeEvent(QCloseEvent *event)
{
    dbhouse().qfjxx.close();
    QWidget::closeEvent(event);
}

void TFormfjxx::FormShow()
{
    auto &q = dbhouse().qfjxx;
    q.close();
    q.clear();
    q.add(" select * from zf_fjb order by iid ");
    q.open();
}

void TFormfjxx::searchClick()
{
    const QString prefix = m_search->text() + '%';
    auto &q = dbhouse().qfjxx;
    q.close();
    q.clear();
    q.add("select * from zf_fjb where (fjbh like :fjbh or fjmc like :fjmc)");
    q.add(" order by iid ");
    q.param("fjbh") = prefix;
    q.param("fjmc") = prefix;
    q.open();
}

void TFormfjxx::addClick()
{
    TFormxzfjxx dialog(this);
    dialog.exec();
}

void TFormfjxx::editClick()
{
    auto &q = dbhouse().qfjxx;
    if (!q.isOpen() || q.isEmpty())
        return;
    const QString iid = q.field("iid").asString();
    {
        TFormxgfjxx dialog(this);
        dialog.setRoom(q);
        dialog.exec();
    }
    // Saved or not, the list shows the room's row as it is now.
    q.reopen();
    q.locate("iid", iid);
}

void TFormfjxx::deleteClick()
{
    auto &q = dbhouse().qfjxx;
    if (!q.isOpen() || q.isEmpty())
        return;
    const QString fjbh = q.field("fjbh").asString();
    if (q.field("fjzt").asString() != QStringLiteral("空闲")) {
        prompter().notice(QStringLiteral("此房间正在出租或预租不能删除！"));
        return;
    }
    if (!prompter().ask(QStringLiteral("您确定要删除房间号为：") + fjbh + QStringLiteral(" 的房间吗？"),
                        QStringLiteral("询问")))
        return;
    auto &del = dbhouse().qup;
    del.close();
    del.clear();
    del.add("delete from zf_fjb where fjbh= :fjbh ");
    del.param("fjbh") = fjbh;
    del.execSQL();
    q.reopen();
}

void TFormfjxx::exportClick()
{
    auto &q = dbhouse().qfjxx;
    if (q.isOpen() && !q.isEmpty())
        exportGrid(*m_grid);
}
