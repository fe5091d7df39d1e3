// The narrow charge receipt: a ticket about 190 pixels wide with name, price, quantity and amount
// of each charge line, without meter readings.
#pragma once
#include "reports/receiptlayout.h"

class TFormdjdy : public ReceiptLayout
{
public:
    using ReceiptLayout::ReceiptLayout;

protected:
    void addBands(BandReport &report) const override;
};
