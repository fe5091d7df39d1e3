// Add-room dialog: enter a new room, copy the newest room as a start, save room after room.
#pragma once
#include "rooms/roomdialog.h"

class TFormxzfjxx : public RoomDialog
{
    Q_OBJECT
public:
    explicit TFormxzfjxx(QWidget *parent = nullptr);

public slots:
    // Empties the boxes and fills the word lists (the dialog opens blank).
    void FormShow();
    void saveClick();
    void copyLastClick();
    void refillClick();

protected:
    void showEvent(QShowEvent *event) override;
};
