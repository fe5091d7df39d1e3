// Tenant rows for the register's tests, written straight into zf_fkxxb.
#pragma once
#include <QString>

struct TenantRow {
    QString fkxm;
    QString pyzjh;
    QString sjhm;
    QString dhhm;
    QString sfrz = QStringLiteral("否");
    QString picpath;
};

// The insert statement of one row (djrq 2024-01-02).
QString tenantInsert(const TenantRow &row);
