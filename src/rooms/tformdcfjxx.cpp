#include "rooms/tformdcfjxx.h"

#include "common/namedbutton.h"
#include "common/resultgrid.h"
#include "db/tdbhouse.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormdcfjxx::TFormdcfjxx(QWidget *parent) : QDialog(parent)
{
    setObjectName("TFormdcfjxx");
    setWindowTitle(QStringLiteral("房间信息"));
    setModal(true);
    resize(720, 420);

    m_grid = new ResultGrid(this);
    m_grid->setObjectName("grid");
    m_grid->setAccessibleName(QStringLiteral("房间信息"));
    m_grid->bind(dbhouse().qfjcx, {{QStringLiteral("房间编号"), "fjbh", 80},
                                   {QStringLiteral("名称"), "fjmc", 120},
                                   {QStringLiteral("房间类型"), "fjlx", 90},
                                   {QStringLiteral("面积"), "fjmj", 60},
                                   {QStringLiteral("装修情况"), "fjzxqk", 90},
                                   {QStringLiteral("房间设备"), "fjsb", 90},
                                   {QStringLiteral("房间用途"), "fjyt", 90}});
    connect(m_grid, &ResultGrid::rowActivated, this, &QDialog::accept);

    auto *ok = namedButton(this, QStringLiteral("确定"), "okButton");
    auto *back = namedButton(this, QStringLiteral("返回"), "returnButton");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(back);
    auto *main = new QVBoxLayout(this);
    main->addWidget(m_grid);
    main->addLayout(buttons);
    m_grid->setFocus();
}
