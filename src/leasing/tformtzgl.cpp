#include "leasing/tformtzgl.h"
#include "common/datebox.h"
#include "common/keyfilter.h"
#include "common/namedbutton.h"
#include "common/values.h"
#include "db/tdbhouse.h"
#include "leasing/rent.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormtzgl::TFormtzgl(QWidget *parent) : LeaseForm(LeaseWindow::CheckOut, QStringLiteral("房间退租管理"), parent)
{
    receivedLabel->setText(QStringLiteral("实收租金金额"));
    editssje->setAccessibleName(receivedLabel->text());
    computeButton->setText(QStringLiteral("计算租金金额"));
    // No meter readings at check-out: the last readings are entered in the charging window.
    for (QWidget *w : {static_cast<QWidget *>(Edit8), static_cast<QWidget *>(Edit9),
                       static_cast<QWidget *>(electricityLabel), static_cast<QWidget *>(waterLabel)})
        w->setVisible(false);
    buildExtras();
    // A rent due may be negative here (money back to the tenant).
    for (QLineEdit *amount : {editysje, editzkje, editssje})
        installNumberFilter(amount);
}

void TFormtzgl::buildExtras()
{
    edittyj = new QLineEdit(this);
    edittyj->setObjectName("edittyj");
    addLabel(QStringLiteral("应退还押金"), edittyj, 6, 2);
    const int row = nextRow();
    edithj = new QLineEdit(this);
    edithj->setObjectName("edithj");
    edithj->setReadOnly(true);
    addLabel(QStringLiteral("合计实收金额"), edithj, row, 0);
    m_totalButton = namedButton(this, QStringLiteral("计算合计实收金额"), "totalButton");
    grid()->addWidget(m_totalButton, row, 2, 1, 2, Qt::AlignLeft);
    auto *hint = new QLabel(QStringLiteral("提示：房间退租时，需要收费结算后，房间状态才变空闲！"), this);
    hint->setObjectName("hintLabel");
    hint->setStyleSheet(QStringLiteral("color: #b00000;"));
    grid()->addWidget(hint, row + 1, 0, 1, 4);
    connect(m_totalButton, &QPushButton::clicked, this, &TFormtzgl::computeTotal);
}

void TFormtzgl::FormShow()
{
    resetCountToOneMonth();
    makeSerialNumber();
    showDepositToRefund();
    for (QLineEdit *box : {editsgdh, editzkje, Edit10, editssje})
        box->clear();
    // The operator starts with the rent still due.
    editysje->setFocus();
}

// The settled deposits of this room and this tenant, earlier refunds included.
void TFormtzgl::showDepositToRefund()
{
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select sum(ssje) as expr1001 from zf_fjsfmxb where fjbh= :fjbh and fkiid= :fkiid and Fymc= :Fymc  ");
    q.param("fjbh") = Edit1->text();
    q.param("fkiid") = toInteger(editfkiid->text());
    q.param("Fymc") = QStringLiteral("押金");
    q.open();
    const double deposit = q.field("expr1001").asFloat();
    q.close();
    const QString text = formatNumber(deposit);
    edittyj->setText(text);
    // Nothing to refund reads "-0"; a deposit that is already negative must not read "--200".
    edithj->setText(deposit < 0 ? formatNumber(checkOutTotal(0, deposit)) : "-" + text);
}

void TFormtzgl::followTotal()
{
    const double received = amountReceived(toFloat(editysje->text()), toFloat(editzkje->text()));
    editssje->setText(formatNumber(received));
    edithj->setText(formatNumber(checkOutTotal(received, toFloat(edittyj->text()))));
}

// A rent due with a minus sign is the operator's own figure: nothing is derived from it.
void TFormtzgl::rentDueChanged()
{
    if (editysje->text().contains('-'))
        return;
    if (editzkje->text().isEmpty()) {
        editzkje->setText(QStringLiteral("0")); // follows through discountChanged
        return;
    }
    if (!editysje->text().isEmpty())
        followTotal();
}

void TFormtzgl::discountChanged()
{
    if (editysje->text().contains('-') || editysje->text().isEmpty() || editzkje->text().isEmpty())
        return;
    followTotal();
}

void TFormtzgl::computeTotal()
{
    for (QLineEdit *box : {editysje, editzkje, editssje})
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
    followTotal();
}

void TFormtzgl::Edit7Exit()
{
    if (!Edit6->text().isEmpty() && !Edit7->text().isEmpty())
        Edit14->setText(QString::number(daysFromStartToEnd(toDate(Edit6->text()), toDate(Edit7->text()))));
}

void TFormtzgl::datePicked()
{
    Edit7Exit();
}

void TFormtzgl::convertOwnValues()
{
    m_refund = toFloat(edittyj->text());
}

void TFormtzgl::writeLease(const LeaseValues &values)
{
    auto &up = dbhouse().qup;
    up.close();
    up.clear();
    up.add("update zf_fjb set ksrq= :ksrq,dqrq= :dqrq ");
    up.add(" where fjbh= :fjbh ");
    up.param("ksrq") = values.startDate;
    up.param("dqrq") = values.endDate;
    up.param("fjbh") = Edit1->text();
    up.execSQL();

    if (values.received != 0) {
        ChargeLine rent;
        rent.feeName = QStringLiteral("房租租金");
        rent.unitPrice = values.rentDue;
        rent.quantity = 1;
        rent.due = values.rentDue;
        rent.discount = values.discount;
        rent.received = values.received;
        rent.checkOut = true;
        insertChargeLine(values, rent);
    }
    if (m_refund != 0) {
        ChargeLine refund;
        refund.feeName = QStringLiteral("押金");
        refund.unitPrice = m_refund;
        refund.quantity = -1;
        refund.due = -m_refund;
        refund.discount = 0;
        refund.received = -m_refund;
        refund.checkOut = true;
        insertChargeLine(values, refund);
    }
    setTenantResident(values.tenantId, false);
}

// The check-out lines are settled in the charging window; there is nothing to ask.
void TFormtzgl::afterSave(const LeaseValues &values)
{
    settlementHandOff(values.tenantId);
}
