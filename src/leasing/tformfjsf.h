// The room-charging window: enters the pending charges of a let room and settles them into a receipt.
#pragma once

#include <QDialog>
#include <QString>

class TFormfjsf : public QDialog {
    Q_OBJECT
public:
    explicit TFormfjsf(QWidget *parent = nullptr);
    ~TFormfjsf() override;

    // Opens the window modally for a room, prepared from its room row: hidden number, name, type
    // and tenant id, the caption of the charge-lines frame and the pending total in the status bar.
    static void chargeRoom(const QString &fjbh, QWidget *parent = nullptr);

    // Opens the window modally with the four values a lease window hands over after its save.
    static void chargeLease(const QString &fjbh, const QString &fjmc, const QString &fjlx, int fkiid,
                            QWidget *parent = nullptr);

    // Fills the hidden values, the frame caption and the pending total for a room (without showing).
    void prepareForRoom(const QString &fjbh);
    void prepare(const QString &fjbh, const QString &fjmc, const QString &fjlx, int fkiid);

private:
    struct Ui;
    Ui *ui;
};
