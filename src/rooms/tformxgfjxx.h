// Edit-room dialog: change a room's attributes; the room number is the key and stays.
#pragma once
#include "rooms/roomdialog.h"

class TFormxgfjxx : public RoomDialog
{
    Q_OBJECT
public:
    // Fills the word lists; setRoom() then puts the room into the boxes.
    explicit TFormxgfjxx(QWidget *parent = nullptr);
    void setRoom(const Statement &room);

public slots:
    void saveClick();

private:
    QString m_fjbh; // the room number as stored, the row the update writes
};
