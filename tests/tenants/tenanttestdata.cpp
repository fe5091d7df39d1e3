#include "tenanttestdata.h"

#include <QStringList>

namespace {
QString quoted(const QString &text)
{
    return '\'' + QString(text).replace('\'', "''") + '\'';
}
} // namespace

QString tenantInsert(const TenantRow &row)
{
    const QStringList values = {quoted(row.fkxm), quoted(row.pyzjh), quoted(row.sjhm), quoted(row.dhhm),
                                quoted(row.sfrz), quoted(row.picpath)};
    return "insert into zf_fkxxb(fkxm,pyzjh,sjhm,dhhm,sfrz,picpath,djrq,mz,zjlx,zjhm,xb,fkhj,zy,zzdw,bzsm) values(" +
           values.join(',') + ",'2024-01-02','汉族','身份证','110101199001011234','男','北京','职员','某公司','')";
}
