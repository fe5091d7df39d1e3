#include "leasing/tformxzgl.h"
#include "common/clock.h"
#include "common/datebox.h"
#include "common/keyfilter.h"
#include "common/prompter.h"
#include "common/values.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

TFormxzgl::TFormxzgl(QWidget *parent) : LeaseForm(LeaseWindow::Renewal, QStringLiteral("续租管理"), parent)
{
    electricityLabel->setText(QStringLiteral("当前电表度数"));
    waterLabel->setText(QStringLiteral("当前水表度数"));
    Edit8->setAccessibleName(electricityLabel->text());
    Edit9->setAccessibleName(waterLabel->text());
    for (QLineEdit *amount : {editysje, editzkje, editssje})
        installAmountFilter(amount);
}

void TFormxzgl::FormShow()
{
    resetCountToOneMonth();
    makeSerialNumber();
    for (QLineEdit *box : {editsgdh, editysje, editzkje, editssje})
        box->clear();
    editzkje->setText(QStringLiteral("0"));
    Edit10->clear();
    Edit14->clear();
    Edit7->setText(QString());
    // Tenant, occupants and the start date (the day after the current end) are the caller's.
    if (!Edit6->text().isEmpty() && !ComboBox1->currentText().isEmpty()) {
        QDate start;
        try {
            start = toDate(Edit6->text());
        } catch (const ConversionError &) {
            start = today();
            Edit6->setText(dateText(start));
        }
        showOneTermFrom(start);
    }
    computeRent();
    editsgdh->setFocus();
    carryOverMeterReadings();
}

void TFormxzgl::writeLease(const LeaseValues &values)
{
    writeLetting(values);
}

void TFormxzgl::afterSave(const LeaseValues &values)
{
    if (prompter().ask(QStringLiteral("数据录入成功,,您确定要结算和打印单据吗？")))
        settlementHandOff(values.tenantId);
    else
        close();
}
