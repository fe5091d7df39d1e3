#include "tenants/tformxgfk.h"
#include "common/namedbutton.h"
#include "common/values.h"
#include "db/tdbhouse.h"
#include "tenants/tenantboxes.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tformxgfk::Tformxgfk(QWidget *parent) : QDialog(parent)
{
    setObjectName("formxgfk");
    setWindowTitle(QStringLiteral("房客信息修改"));

    m_boxes = new TenantBoxes(TenantBoxes::Residence::Shown, this);
    m_iid = new QLineEdit(this);
    m_iid->setObjectName("editiid");
    m_iid->setAccessibleName(QStringLiteral("房客编号"));
    m_iid->hide();

    auto *save = namedButton(this, QStringLiteral("修改保存"), "saveButton");
    auto *back = namedButton(this, QStringLiteral("返回"), "backButton");
    connect(save, &QPushButton::clicked, this, &Tformxgfk::saveClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_boxes);
    layout->addLayout(buttons);
    resize(560, sizeHint().height());
    m_boxes->nameBox()->setFocus();
}

void Tformxgfk::fillFrom(const Statement &row)
{
    m_boxes->fillFrom(row);
    m_iid->setText(row.field("iid").asString());
}

// The registration date and the photo path stay as they are; the initials follow the name.
void Tformxgfk::saveClick()
{
    const int iid = toInteger(m_iid->text());
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    q.add("update zf_fkxxb set fkxm= :fkxm,mz= :mz,zjlx= :zjlx,zjhm= :zjhm,xb= :xb,fkhj= :fkhj,dhhm= :dhhm,"
          "sjhm= :sjhm,zy= :zy,zzdw= :zzdw,bzsm= :bzsm,pyzjh= :pyzjh,sfrz= :sfrz ");
    q.add(" where iid= :iid ");
    m_boxes->bindTo(q);
    q.param("iid") = iid;
    q.execSQL();
    accept();
}
