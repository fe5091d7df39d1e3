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
    void Edit7Exit() override;

protected:
    void FormShow() override;
    void writeLease(const LeaseValues &values) override;
    void afterSave(const LeaseValues &values) override;
    void rentDueChanged() override;
    void discountChanged() override;
    void datePicked() override;
    void convertOwnValues() override;
    bool countChangePricesRent() const override { return false; }

private:
    void buildExtras();
    void showDepositToRefund();
    void followTotal();
    double m_refund = 0; // 应退还押金 as converted for the save
    QLineEdit *edittyj; // 应退还押金
    QLineEdit *edithj;  // 合计实收金额
    QPushButton *m_totalButton;
};
