#include "tenants/tformfkxx.h"
#include "common/clock.h"
#include "common/namedbutton.h"
#include "db/tdbhouse.h"
#include "tenants/tenantboxes.h"
#include "tenants/tenantphoto.h"
#include "tenants/tformdcfkxx.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormfkxx::TFormfkxx(QWidget *parent) : QDialog(parent)
{
    setObjectName("Formfkxx");
    setWindowTitle(QStringLiteral("新增房客"));

    m_boxes = new TenantBoxes(TenantBoxes::Residence::Hidden, this);

    Image1 = newPhotoFrame(this, QStringLiteral("Image1"));

    m_error = new QLabel(this);
    m_error->setObjectName("errorLabel");
    m_error->setStyleSheet("color: red");

    auto *save = namedButton(this, QStringLiteral("保存"), "saveButton");
    auto *back = namedButton(this, QStringLiteral("返回"), "backButton");
    connect(save, &QPushButton::clicked, this, &TFormfkxx::saveClick);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(m_boxes, 1);
    top->addWidget(Image1, 0, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_error, 1);
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(640, sizeHint().height());
}

void TFormfkxx::registerTenants(QWidget *parent)
{
    TFormfkxx dialog(parent);
    dialog.clearBoxes();
    dialog.exec();
}

void TFormfkxx::clearBoxes()
{
    m_boxes->clear();
}

void TFormfkxx::showEvent(QShowEvent *event)
{
    m_error->clear();
    m_boxes->nameBox()->setFocus();
    QDialog::showEvent(event);
}

// No box is required: a tenant may be registered with nothing but the date and the flag.
void TFormfkxx::saveClick()
{
    insertTenant();
    m_boxes->clear();
    m_boxes->nameBox()->setFocus();
    // An open picker lists the new tenant at once.
    TFormdcfkxx::openFreeTenants();
    Image1->clear();
    m_error->clear();
    clearCurrentPhotoPath();
}

void TFormfkxx::insertTenant()
{
    auto &q = dbhouse().qins;
    q.close();
    q.clear();
    q.add("insert into zf_fkxxb(Fkxm,Mz,Zjlx,Zjhm,Xb,Fkhj,Dhhm,Sjhm,Zy,Zzdw,Bzsm,Djrq,pyzjh,sfrz,picpath )");
    q.add(" values(:fkxm,:mz,:zjlx,:zjhm,:xb,:fkhj,:dhhm,:sjhm,:zy,:zzdw,:bzsm,:djrq,:pyzjh,:sfrz,:picpath  )");
    m_boxes->bindTo(q);
    q.param("djrq") = today();
    q.param("sfrz") = QStringLiteral("否");
    q.param("picpath") = currentPhotoPath();
    q.execSQL();
}
