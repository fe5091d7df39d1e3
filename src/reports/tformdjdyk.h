// The wide charge receipt: a ruled table about 540 pixels wide with the water and electricity
// readings of each charge line.
#pragma once
#include "reports/receiptlayout.h"

class TFormdjdyk : public ReceiptLayout
{
public:
    using ReceiptLayout::ReceiptLayout;

protected:
    void addBands(BandReport &report) const override;
};
