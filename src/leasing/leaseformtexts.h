// The texts of the lease form that the renting-out, renewal and check-out windows share, as the
// boxes hold them, with the two mode switches.
#pragma once
#include <QString>

struct LeaseFormTexts {
    QString roomNumber;  // 房间编号 (fjbh)
    QString tenantName;  // 房客姓名 (fkxm)
    QString tenantId;    // hidden tenant id (fkiid)
    QString occupants;   // 房客人数 (rs)
    QString startDate;   // 合同起始
    QString count;       // months or days
    QString endDate;     // the last day of the lease
    QString price;       // 租价, shown only
    QString leaseDays;   // 租期天数
    QString rentDue;     // 应收租金
    QString discount;    // 折扣金额
    QString received;    // 实收金额 (check-out: 实收租金金额)
    QString electricity; // 开租时电表度数 / 当前电表度数 (not on check-out)
    QString water;       // 开租时水表度数 / 当前水表度数 (not on check-out)
    bool monthlyRent = true; // check box "按月租": the rent is priced by the month
    bool monthTerm = true;   // radio "按月": the dates are counted in months
};
