// Check-out: charges the rent still due, refunds the deposit as check-out lines, marks the tenant
// as moved out and hands over to the charging window, whose settlement frees the room.
#pragma once
#include "leasing/leaseform.h"

class QLineEdit;
class QPushButton;

class TFormtzgl : public LeaseForm
{
    Q_OBJECT
public:
    explicit TFormtzgl(QWidget *parent = nullptr);

public slots:
    // "计算合计实收金额": rent received = due − discount, grand total = received − deposit refund.
    void computeTotal();
    // Leaving the end date: check-out counts end − start.
    void endDateLeft();

protected:
    void FormShow() override;
    void writeLease(const LeaseValues &values) override;
    void afterSave(const LeaseValues &values) override;
    void amountsChanged() override;
    void datePicked() override;
    bool countChangePricesRent() const override { return false; }

private:
    void buildExtras();
    void showDepositToRefund();
    QLineEdit *edittyj; // 应退还押金
    QLineEdit *edithj;  // 合计实收金额
    QPushButton *m_totalButton;
};
