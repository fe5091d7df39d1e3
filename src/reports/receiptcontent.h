// What a printed charge receipt shows: the print header, the room and tenant, the amounts confirmed
// in the settlement dialog and the charge lines.
#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantMap>

struct ReceiptContent {
    // The print header (zf_dyszb).
    QString gsmc, gsdh, gsdz, gsqt;
    int leftMargin = 0; // zleft, in layout pixels

    QString fjbh, fjmc, fkxm;
    // The amounts as the settlement dialog holds them (应收金额, 折扣金额, 实收金额).
    QString ysfje, zkje, ssje;
    QString sgdh;        // manual receipt number
    QString czy;         // the operator who settles
    QString leasePeriod; // "租赁日期从：" + start + "到" + end
    QString bz;          // the dialog's note
    QDateTime printTime;

    // One map per charge line: fymc, dj, sl, ssje, scsbsl, bcsbsl, scdbsl, bcdbsl.
    QList<QVariantMap> lines;
};
