// The receipt of a settlement: what it shows, read from the room's pending lines, the room row and
// the print header, and the layout the settings choose for it.
#pragma once
#include "reports/receiptcontent.h"
#include "reports/receiptlayout.h"

#include <QString>

#include <memory>

// The settlement dialog's texts a receipt prints as they stand.
struct ReceiptTexts {
    QString due;      // 应收金额
    QString discount; // 折扣金额
    QString received; // 实收金额
    QString note;     // 备注
};

// Reads the receipt of the room's pending lines. It must be read before the settlement writes:
// the lines are deleted and a check-out clears the tenant from the room row.
ReceiptContent readReceiptContent(const QString &fjbh, const ReceiptTexts &texts);

// The narrow ticket when the setting strdysd is "0", otherwise the wide table with the readings.
std::unique_ptr<ReceiptLayout> receiptLayout(const ReceiptContent &content);
