#include "rooms/roomnoticetext.h"

#include "common/clock.h"
#include "db/numbertext.h"
#include "db/statement.h"

#include <QDateTime>
#include <QStringList>

QString noticeDate(const QString &stored)
{
    const QString text = stored.trimmed();
    QDateTime when;
    if (text.isEmpty())
        when = now();
    else if (text.size() <= 10)
        when = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
    else
        when = QDateTime::fromString(text, Qt::ISODate);
    if (!when.isValid())
        return text; // shown as stored rather than hidden
    QString out = when.date().toString(QStringLiteral("yyyy-MM-dd"));
    if (when.time() != QTime(0, 0))
        out += QLatin1Char(' ') + when.time().toString(QStringLiteral("hh:mm:ss"));
    return out;
}

RoomNoticeText roomNoticeText(const Statement &room, double settledTotal)
{
    auto f = [&room](const char *column) { return room.field(QString::fromLatin1(column)).asString(); };
    const QString fjzt = f("fjzt");
    QStringList lines = {
        QStringLiteral("当前房间号：") + f("fjbh"), QStringLiteral("房间名称：") + f("fjmc"),
        QStringLiteral("房间类型：") + f("fjlx"),   QStringLiteral("房间用途：") + f("fjyt"),
        QStringLiteral("房间面积：") + f("fjmj"),   QStringLiteral("房间设施：") + f("fjsb"),
        QStringLiteral("日租价格：") + f("rzjg"),   QStringLiteral("月租价格：") + f("yzjg"),
    };
    RoomNoticeText out;
    if (fjzt == QStringLiteral("已租")) {
        out.title = QStringLiteral("房间信息(已租)");
        lines << QStringLiteral("房客姓名：") + f("fkxm") << QStringLiteral("住的人数：") + f("rs")
              << QStringLiteral("租期开始时间：") + noticeDate(f("ksrq"))
              << QStringLiteral("租期结束时间：") + noticeDate(f("dqrq"))
              << QStringLiteral("已结算收费：") + formatNumber(settledTotal) + QStringLiteral("元");
    } else if (fjzt == QStringLiteral("预订")) {
        out.title = QStringLiteral("房间信息(预订)");
        lines = lines.mid(0, 2);
    } else {
        out.title = QStringLiteral("房间信息(空闲)");
    }
    out.text = lines.join(QStringLiteral("\r\n"));
    return out;
}
