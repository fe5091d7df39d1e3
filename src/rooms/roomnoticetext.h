// The title and the lines of the room details the status board pops up for a selected room.
#pragma once
#include <QString>

class Statement;

struct RoomNoticeText {
    QString title;
    QString text; // lines separated by "\r\n", each a label followed directly by its value
};

// From the current row of the room's zf_fjb result: a let room ("已租") shows its tenant, lease
// dates and settledTotal (the settled charges of the current tenant); any other room the first
// eight lines, up to the monthly price.
RoomNoticeText roomNoticeText(const Statement &room, double settledTotal);

// A lease date as the notice shows it: yyyy-mm-dd, with the time of day only when it is not
// midnight; an empty date shows the current date and time.
QString noticeDate(const QString &stored);
