#include "tenants/tformfkcx.h"
#include "common/buddylabel.h"
#include "common/gridexport.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "tenants/tenantphoto.h"
#include "tenants/tformfkxx.h"
#include "tenants/tformxgfk.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
const char *const allHint = "(不输入条件查询所有记录)";
}

TFormfkcx::TFormfkcx(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("Formfkcx");
    setWindowTitle(QStringLiteral("房客信息"));

    m_search = new QLineEdit(this);
    m_search->setObjectName("searchBox");
    auto *searchCaption = buddyLabel(QStringLiteral("房客姓名/手机号码/电话号码"), m_search, this);

    m_residence = new QComboBox(this);
    m_residence->setObjectName("sfrzBox");
    m_residence->setEditable(true);
    m_residence->setInsertPolicy(QComboBox::NoInsert);
    m_residence->addItems({QStringLiteral("是"), QStringLiteral("否")});
    m_residence->setCurrentIndex(-1);
    m_residence->clearEditText();
    auto *residenceCaption = buddyLabel(QStringLiteral("是否入住"), m_residence, this);

    auto *filters = new QGridLayout;
    filters->addWidget(searchCaption, 0, 0);
    filters->addWidget(m_search, 0, 1);
    filters->addWidget(new QLabel(QString::fromUtf8(allHint), this), 0, 2);
    filters->addWidget(residenceCaption, 1, 0);
    filters->addWidget(m_residence, 1, 1);
    filters->addWidget(new QLabel(QString::fromUtf8(allHint), this), 1, 2);
    filters->setColumnStretch(3, 1);

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const QString &text, const char *name, void (TFormfkcx::*slot)()) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    addButton(QStringLiteral("新增房客"), "addButton", &TFormfkcx::addClick);
    addButton(QStringLiteral("修改"), "editButton", &TFormfkcx::editClick);
    addButton(QStringLiteral("删除"), "deleteButton", &TFormfkcx::deleteClick);
    addButton(QStringLiteral("导出Excel"), "exportButton", &TFormfkcx::exportClick);
    addButton(QStringLiteral("查询"), "searchButton", &TFormfkcx::searchClick);
    auto *back = new QPushButton(QStringLiteral("返回"), this);
    back->setObjectName("backButton");
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(back);
    buttons->addStretch();

    m_photo = newPhotoFrame(this, QStringLiteral("photoFrame"));

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("grid");
    m_grid->bind(dbhouse().qfkcx,
                 {GridColumn::rowNumberColumn(), {"房客编号", "iid", 60}, {"房客姓名", "Fkxm", 80},
                  {"民族", "Mz", 60}, {"证件", "zjlx", 60}, {"证件号码", "zjhm", 150}, {"性别", "xb", 40},
                  {"户籍", "fkhj", 180}, {"电话号码", "dhhm", 100}, {"手机号码", "sjhm", 100},
                  {"现行职业", "zy", 80}, {"工作单位", "zzdw", 120}, {"备注", "bzsm", 120},
                  {"登记日期", "djrq", 80}, {"是否入住", "sfrz", 60}});
    connect(m_grid, &ResultGrid::clicked, this, &TFormfkcx::gridCellClick);

    auto *status = new QStatusBar(this);
    status->setObjectName("statusBar");
    status->setSizeGripEnabled(false);
    auto *countCaption = new QLabel(QStringLiteral("总记录数："), this);
    countCaption->setMinimumWidth(160);
    m_count = new QLabel(this);
    m_count->setObjectName("rowCountLabel");
    m_count->setMinimumWidth(160);
    status->addWidget(countCaption);
    status->addWidget(m_count);

    auto *controls = new QVBoxLayout;
    controls->addLayout(filters);
    controls->addLayout(buttons);
    controls->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(controls, 1);
    top->addWidget(m_photo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(status);
}

void TFormfkcx::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormfkcx::closeEvent(QCloseEvent *event)
{
    dbhouse().qfkcx.close();
    QWidget::closeEvent(event);
}

void TFormfkcx::FormShow()
{
    auto &q = dbhouse().qfkcx;
    q.close();
    q.clear();
    q.add("select * from zf_fkxxb order by iid ");
    q.open();
    showRowCount();
}

void TFormfkcx::showRowCount()
{
    m_count->setText(QString::number(dbhouse().qfkcx.recordCount()));
}

bool TFormfkcx::hasRows() const
{
    const auto &q = dbhouse().qfkcx;
    return q.isOpen() && !q.isEmpty();
}

void TFormfkcx::addClick()
{
    TFormfkxx::registerTenants(this);
    dbhouse().qfkcx.reopen();
    showRowCount();
}

void TFormfkcx::editClick()
{
    if (!hasRows())
        return;
    auto &q = dbhouse().qfkcx;
    const QString iid = q.field("iid").asString();
    {
        Tformxgfk dialog(this);
        dialog.fillFrom(q);
        dialog.exec();
    }
    // Saved or not, the list shows the row as stored, with the cursor on the same tenant.
    q.reopen();
    q.locate("iid", iid);
    showRowCount();
}

void TFormfkcx::deleteClick()
{
    if (!hasRows())
        return;
    auto &q = dbhouse().qfkcx;
    if (q.field("sfrz").asString() == QStringLiteral("是")) {
        prompter().notice(QStringLiteral("此房客为入住状态不能删除！"));
        return;
    }
    if (!prompter().ask(QStringLiteral("您确定要删除房客姓名为：") + q.field("fkxm").asString() + QStringLiteral("记录吗？"),
                        QStringLiteral("询问")))
        return;
    auto &del = dbhouse().qup;
    del.close();
    del.clear();
    del.add("delete from zf_fkxxb where iid= :iid ");
    del.param("iid") = q.field("iid").asInteger();
    del.execSQL();
    q.reopen();
    showRowCount();
}

void TFormfkcx::exportClick()
{
    if (hasRows())
        exportGrid(*m_grid);
}

void TFormfkcx::searchClick()
{
    const QString prefix = m_search->text() + '%';
    const QString residence = m_residence->currentText();
    auto &q = dbhouse().qfkcx;
    q.close();
    q.clear();
    q.add("select * from zf_fkxxb where (fkxm like :fkxm or sjhm like :sjhm or dhhm like :dhhm) ");
    if (!residence.isEmpty()) {
        // The unary plus keeps the engine on the name and number indexes, not the two-valued flag.
        q.add(" and +sfrz= :sfrz ");
        q.param("sfrz") = residence;
    }
    q.add(" order by iid ");
    q.param("fkxm") = prefix;
    q.param("sjhm") = prefix;
    q.param("dhhm") = prefix;
    q.open();
    // The count always tells how many rows the grid shows.
    showRowCount();
    if (q.isEmpty())
        prompter().notice(QStringLiteral("没有您需要查询的数据！"));
}

void TFormfkcx::gridCellClick()
{
    if (hasRows())
        showPhotoFile(m_photo, dbhouse().qfkcx.field("picpath").asString());
}
