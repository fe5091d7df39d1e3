// What a room's thumbnail on the status board shows: its caption and its picture.
#pragma once
#include <QString>

// The caption under a thumbnail: the room number and the room's use, each trimmed, joined by one
// blank ("101 住宅"; a room without a use reads "101 ").
QString thumbnailCaption(const QString &fjbh, const QString &fjyt);

// The room number the board's actions work on: the trimmed caption up to its first blank.
QString roomNumberOfCaption(const QString &caption);

enum class RoomPicture { Idle, Let, Booked };

// Idle and let follow the letting state fjzt. A vacant room with a booking (fjydzt anything but
// "空闲", null included) shows the booked picture, so the landlord sees the booking on the board.
RoomPicture roomPicture(const QString &fjzt, const QString &fjydzt);

// The picture file under the program folder: "pic/wr.bmp", "pic/yr.bmp", "pic/yd.bmp".
QString pictureFile(RoomPicture picture);
