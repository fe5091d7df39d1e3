#include "rooms/roomthumbnail.h"

QString thumbnailCaption(const QString &fjbh, const QString &fjyt)
{
    return fjbh.trimmed() + QLatin1Char(' ') + fjyt.trimmed();
}

QString roomNumberOfCaption(const QString &caption)
{
    const QString text = caption.trimmed();
    const int blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank);
}

RoomPicture roomPicture(const QString &fjzt, const QString &fjydzt)
{
    if (fjzt == QStringLiteral("空闲"))
        return fjydzt == QStringLiteral("空闲") ? RoomPicture::Idle : RoomPicture::Booked;
    // The word "预订" in fjzt is an old booked state; no step writes it today.
    if (fjzt == QStringLiteral("预订"))
        return RoomPicture::Booked;
    return RoomPicture::Let;
}

QString pictureFile(RoomPicture picture)
{
    switch (picture) {
    case RoomPicture::Idle: return QStringLiteral("pic/wr.bmp");
    case RoomPicture::Booked: return QStringLiteral("pic/yd.bmp");
    case RoomPicture::Let: break;
    }
    return QStringLiteral("pic/yr.bmp");
}
