#include "common/serialnumber.h"
#include "common/clock.h"
#include "common/loggedinoperator.h"
#include "common/values.h"
#include "db/tdbhouse.h"

namespace {
// A number counts as used once a receipt carries it. The running number is read after the
// actual prefix (whatever the operator number's length) and compared by value, so numbers
// past 99999 still count up.
QString nextSerial(const QString &kind, const QString *fjbh)
{
    const QString prefix = kind + today().toString("yyMMdd") + loggedInOperator().number;
    auto &q = dbhouse().qlsh;
    q.close();
    q.clear();
    q.add("select zdlsh from zf_fjsfhzb where zdlsh like :zdlsh");
    if (fjbh)
        q.add(" and fjbh= :fjbh ");
    q.param("zdlsh") = prefix + "%";
    if (fjbh)
        q.param("fjbh") = *fjbh;
    q.open();
    qint64 largest = 0;
    for (int r = 0; r < q.recordCount(); ++r) {
        const QString running = q.fieldAt(r, "zdlsh").asString().mid(prefix.size());
        largest = std::max<qint64>(largest, toInteger(running));
    }
    q.close();
    return prefix + QString::number(largest + 1).rightJustified(5, '0');
}
} // namespace

QString nextSerialXZ()
{
    return nextSerial("XZ", nullptr);
}

QString nextSerialSF(const QString &fjbh)
{
    return nextSerial("SF", &fjbh);
}
