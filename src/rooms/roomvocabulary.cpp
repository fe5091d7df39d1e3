#include "rooms/roomvocabulary.h"
#include "db/tdbhouse.h"

#include <QComboBox>

const QStringList &RoomVocabulary::categories()
{
    static const QStringList list = {QStringLiteral("房间类型"), QStringLiteral("装修状况"), QStringLiteral("房间设施"),
                                     QStringLiteral("房间用途"), QStringLiteral("房间备注"), QStringLiteral("房间名称")};
    return list;
}

QStringList RoomVocabulary::words(const QString &category)
{
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select * from zf_fjfzszb where fzbz= :fzbz ");
    q.param("fzbz") = category;
    q.open();
    QStringList out;
    for (int r = 0; r < q.recordCount(); ++r)
        out << q.fieldAt(r, "fznr").asString();
    return out;
}

void RoomVocabulary::fill(QComboBox *box, const QString &category)
{
    const QStringList list = words(category);
    // Refilling a list must not put its first word into the box.
    const QString text = box->currentText();
    box->clear();
    box->addItems(list);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

void RoomVocabulary::learn(const QString &category, const QString &word)
{
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select count(*) as expr1001 from zf_fjfzszb where fzbz= :fzbz and fznr= :fznr ");
    q.param("fzbz") = category;
    q.param("fznr") = word;
    q.open();
    if (q.field("expr1001").asInteger() != 0)
        return;
    auto &ins = dbhouse().qins;
    ins.close();
    ins.clear();
    ins.add("insert into zf_fjfzszb(fzbz,fznr) values(:fzbz,:fznr)");
    ins.param("fzbz") = category;
    ins.param("fznr") = word;
    ins.execSQL();
}
