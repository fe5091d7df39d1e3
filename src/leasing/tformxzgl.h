// Renewal: extends the lease of a let room for further months or days from the day after its end.
#pragma once
#include "leasing/leaseform.h"

class TFormxzgl : public LeaseForm
{
    Q_OBJECT
public:
    explicit TFormxzgl(QWidget *parent = nullptr);

protected:
    void FormShow() override;
    void writeLease(const LeaseValues &values) override;
    void afterSave(const LeaseValues &values) override;
};
