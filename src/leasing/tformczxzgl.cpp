#include "leasing/tformczxzgl.h"
#include "common/clock.h"
#include "common/datebox.h"
#include "common/keyfilter.h"
#include "common/namedbutton.h"
#include "common/processflags.h"
#include "common/prompter.h"
#include "common/values.h"
#include "db/tdbhouse.h"
#include "tenants/tformdcfkxx.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormczxzgl::TFormczxzgl(QWidget *parent) : LeaseForm(LeaseWindow::RentingOut, QStringLiteral("房间出租管理"), parent)
{
    buildExtras();
    installDigitFilter(Edit16);
    for (QLineEdit *amount : {editysje, editzkje, editssje})
        installAmountFilter(amount);
    installNumberFilter(Edit8);
    installNumberFilter(Edit9);
    chainEnterKeys();
}

void TFormczxzgl::buildExtras()
{
    // The tenant is taken from the register only: the name box is read-only, "选择" fills it.
    Edit3->setReadOnly(true);
    m_pick = namedButton(this, QStringLiteral("选择"), "pickButton");
    m_pick->setVisible(false);
    QSizePolicy keep = m_pick->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_pick->setSizePolicy(keep);
    auto *tenant = new QWidget(this);
    auto *row = new QHBoxLayout(tenant);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    grid()->removeWidget(Edit3);
    row->addWidget(Edit3, 1);
    row->addWidget(m_pick);
    grid()->addWidget(tenant, 2, 1);
    Edit3->installEventFilter(this);
    m_pick->installEventFilter(this);
    connect(m_pick, &QPushButton::clicked, this, &TFormczxzgl::pickTenant);

    Edit17 = new QLineEdit(this);
    Edit17->setObjectName("Edit17");
    Edit17->setReadOnly(true);
    Label17 = addLabel(QStringLiteral("提示：预定时已收押金"), Edit17, 6, 2);
    Label17->setObjectName("Label17");
    Edit17->setVisible(false);
    Label17->setVisible(false);
}

// Enter walks the boxes in the order the lease is typed.
void TFormczxzgl::chainEnterKeys()
{
    for (QWidget *w : {static_cast<QWidget *>(editsgdh), static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Edit16),
                       static_cast<QWidget *>(Edit6->lineEdit()), static_cast<QWidget *>(ComboBox1),
                       static_cast<QWidget *>(Edit7->lineEdit()), static_cast<QWidget *>(editysje),
                       static_cast<QWidget *>(editzkje), static_cast<QWidget *>(editssje),
                       static_cast<QWidget *>(Edit8), static_cast<QWidget *>(Edit9)})
        w->installEventFilter(this);
}

void TFormczxzgl::showBookingDeposit(double yj)
{
    Edit17->setText(formatNumber(yj));
    Edit17->setVisible(true);
    Label17->setVisible(true);
}

void TFormczxzgl::FormShow()
{
    resetCountToOneMonth();
    makeSerialNumber();
    editsgdh->clear();
    Edit3->clear();
    Edit6->setText(dateText(today()));
    editysje->clear();
    editzkje->clear();
    editssje->clear();
    editzkje->setText(QStringLiteral("0"));
    for (QLineEdit *box : {Edit8, Edit9, Edit10, Edit14})
        box->clear();
    Edit7->setText(QString());
    // Setting the lease days prices the rent, and the amount received follows.
    if (!Edit6->text().isEmpty() && !ComboBox1->currentText().isEmpty())
        showOneTermFrom(today());
    Edit16->clear();
    carryOverMeterReadings();
    editsgdh->setFocus();
}

void TFormczxzgl::leaseDaysChanged()
{
    computeRent();
}

void TFormczxzgl::pickTenant()
{
    auto &q = dbhouse().qdcfk;
    if (TFormdcfkxx::chooseTenant(this)) {
        Edit3->setText(q.field("fkxm").asString());
        editfkiid->setText(QString::number(q.field("iid").asInteger()));
        Edit16->setFocus();
    } else {
        Edit3->clear();
    }
}

void TFormczxzgl::writeLease(const LeaseValues &values)
{
    writeLetting(values);
}

void TFormczxzgl::afterSave(const LeaseValues &values)
{
    // Only a committed save counts as a let room: the board then removes the room's booking.
    m_saved = true;
    processFlags().roomLet = true;
    if (prompter().ask(QStringLiteral("数据录入成功,,您确定要结算和打印单据吗？")))
        settlementHandOff(values.tenantId);
    else
        close();
}

void TFormczxzgl::back()
{
    // After a saved lease the room is let whichever way the window is left.
    if (!m_saved)
        processFlags().roomLet = false;
    LeaseForm::back();
}

void TFormczxzgl::updatePickButton()
{
    QMetaObject::invokeMethod(this, [this] {
        QWidget *f = QApplication::focusWidget();
        m_pick->setVisible(f == Edit3 || f == m_pick);
    }, Qt::QueuedConnection);
}

bool TFormczxzgl::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Edit3 || watched == m_pick) && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        updatePickButton();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static const QList<QString> order = {"editsgdh", "Edit3", "Edit16", "Edit6", "ComboBox1", "Edit7",
                                                 "editysje", "editzkje", "editssje", "Edit8", "Edit9", "Edit10"};
            const int at = order.indexOf(watched->objectName());
            if (at >= 0 && at + 1 < order.size()) {
                findChild<QWidget *>(order[at + 1])->setFocus();
                return true;
            }
        }
    }
    return LeaseForm::eventFilter(watched, event);
}
