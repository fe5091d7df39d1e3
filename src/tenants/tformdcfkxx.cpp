#include "tenants/tformdcfkxx.h"
#include "common/buddylabel.h"
#include "common/namedbutton.h"
#include "common/processflags.h"
#include "common/prompter.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"
#include "tenants/tenantphoto.h"
#include "tenants/tformfkxx.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormdcfkxx::TFormdcfkxx(QWidget *parent) : QDialog(parent)
{
    setObjectName("Formdcfkxx");
    setWindowTitle(QStringLiteral("房客信息"));

    m_search = new QLineEdit(this);
    m_search->setObjectName("searchBox");
    auto *caption = buddyLabel(QStringLiteral("房客姓名/拼音"), m_search, this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(caption);
    buttons->addWidget(m_search, 1);
    auto addButton = [&](const QString &text, const char *name, void (TFormdcfkxx::*slot)()) {
        auto *b = namedButton(this, text, name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    addButton(QStringLiteral("查询"), "searchButton", &TFormdcfkxx::searchClick);
    addButton(QStringLiteral("新增房客"), "addButton", &TFormdcfkxx::addClick);
    addButton(QStringLiteral("确定"), "okButton", &TFormdcfkxx::okClick);
    addButton(QStringLiteral("返回"), "backButton", &TFormdcfkxx::backClick);

    m_photo = newPhotoFrame(this, QStringLiteral("photoFrame"));

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("grid");
    m_grid->bind(dbhouse().qdcfk, {{"姓名", "fkxm", 80}, {"民族", "mz", 60}, {"证件类型", "zjlx", 70},
                                   {"证件号码", "zjhm", 150}, {"户籍", "Fkhj", 180}, {"电话号码", "Dhhm", 100},
                                   {"手机号码", "Sjhm", 100}, {"职业", "Zy", 80}, {"是否入住", "sfrz", 60},
                                   {"备注", "Bzsm", 120}});
    connect(m_grid, &ResultGrid::clicked, this, &TFormdcfkxx::gridCellClick);
    connect(m_grid, &ResultGrid::rowActivated, this, &TFormdcfkxx::okClick);

    auto *top = new QHBoxLayout;
    top->addLayout(buttons, 1);
    top->addWidget(m_photo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    resize(900, 500);
    m_search->setFocus();
}

void TFormdcfkxx::openFreeTenants()
{
    auto &q = dbhouse().qdcfk;
    q.close();
    q.clear();
    q.add("select * from zf_fkxxb where sfrz= :sfrz ");
    q.param("sfrz") = QStringLiteral("否");
    q.open();
}

bool TFormdcfkxx::chooseTenant(QWidget *parent)
{
    openFreeTenants();
    processFlags().pickerConfirmed = false;
    TFormdcfkxx picker(parent);
    picker.exec();
    return processFlags().pickerConfirmed;
}

// The residence condition stays on every search: a tenant in residence cannot take a room.
// Its unary plus keeps the engine off the two-valued sfrz index, so the name and initials
// indexes find the few matching rows.
void TFormdcfkxx::searchClick()
{
    const QString prefix = m_search->text() + '%';
    auto &q = dbhouse().qdcfk;
    q.close();
    q.clear();
    q.add("select * from zf_fkxxb where (fkxm like :fkxm or pyzjh like :pyzjh) and +sfrz= :sfrz ");
    q.param("fkxm") = prefix;
    q.param("pyzjh") = prefix;
    q.param("sfrz") = QStringLiteral("否");
    q.open();
    if (q.isEmpty())
        prompter().notice(QStringLiteral("没有查询到您需要的数据！"));
}

void TFormdcfkxx::addClick()
{
    TFormfkxx::registerTenants(this);
    openFreeTenants();
}

// With no row there is no tenant to take: the picker stays open.
void TFormdcfkxx::okClick()
{
    const auto &q = dbhouse().qdcfk;
    if (!q.isOpen() || q.isEmpty())
        return;
    processFlags().pickerConfirmed = true;
    accept();
}

void TFormdcfkxx::backClick()
{
    processFlags().pickerConfirmed = false;
    reject();
}

void TFormdcfkxx::gridCellClick()
{
    const auto &q = dbhouse().qdcfk;
    if (q.isOpen() && !q.isEmpty())
        showPhotoFile(m_photo, q.field("picpath").asString());
}
