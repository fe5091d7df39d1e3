// Renting out: lets a vacant room to a registered tenant who has not moved in, writes the first
// rent as a pending charge and offers the charging window.
#pragma once
#include "leasing/leaseform.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TFormczxzgl : public LeaseForm
{
    Q_OBJECT
public:
    explicit TFormczxzgl(QWidget *parent = nullptr);

    // A booked room: the deposit taken with the booking, shown in Edit17 with Label17
    // "提示：预定时已收押金". (The booking's dates the caller may put into Edit6/Edit7 are replaced
    // when the window is shown.)
    void showBookingDeposit(double yj);

    // processFlags().roomLet tells the caller whether a lease was saved: the caller clears it
    // before exec(); a committed save sets it; "返回" clears it unless a lease was saved.

public slots:
    // "选择": the tenant picker over the tenants not in residence.
    void pickTenant();
    void back() override;

protected:
    void FormShow() override;
    void writeLease(const LeaseValues &values) override;
    void afterSave(const LeaseValues &values) override;
    void leaseDaysChanged() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildExtras();
    void chainEnterKeys();
    void updatePickButton();
    QPushButton *m_pick;
    QLineEdit *Edit17;
    QLabel *Label17;
    bool m_saved = false; // a lease was committed since the window opened
};
