// Room status board: every room as a picture of its state, refreshed every few seconds, and the
// buttons that start each step of a lease on the selected room (rent out, charge, renew, check
// out, cancel a letting).
#pragma once
#include "rooms/roomthumbnail.h"

#include <QDate>
#include <QIcon>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <array>

class LeaseForm;
class QComboBox;
class QListWidget;
class QTimer;
class RoomNotice;
class Statement;

class TFormftgl : public QWidget
{
    Q_OBJECT
public:
    explicit TFormftgl(QWidget *parent = nullptr);
    ~TFormftgl() override;

    QListWidget *thumbnails() const { return m_thumbnails; }
    QTimer *timer() const { return Timer1; }
    // The notice of the last room the operator selected, while it is up.
    RoomNotice *notice() const;
    // The position of the thumbnail the operator selected last; -1 when none since opening.
    int selectedPosition() const { return m_position; }

public slots:
    void FormShow();
    // Every 8 seconds: the thumbnails again, the selection and the scroll position kept.
    void Timer1Timer();
    void classifyClick();   // "分类查询"
    void quickSearchClick(); // "快速查询"
    void refreshClick();    // "刷新房间"
    void rentClick();       // "房间出租"
    void chargeClick();     // "房间收费"
    void renewClick();      // "房间续租"
    void checkOutClick();   // "退租管理"
    void cancelLeaseClick(); // "出租取消"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The room row the lease actions prepare their windows from, read before any window opens
    // (the windows reuse the shared statement objects).
    struct Room {
        QString fjbh, fjmc, fjlx, fjyt, czlx, fjzt, fjydzt, fkxm;
        double yzjg = 0, rzjg = 0;
        int fkiid = 0, rs = 0, yfsl = 0, zqts = 0;
        QDate ksrq, dqrq;
        bool letByMonth() const { return czlx == QStringLiteral("是"); }
        double price() const { return letByMonth() ? yzjg : rzjg; }
    };
    struct Booking {
        double yj = 0;
        QDate ksrq, jsrq;
        QString tell, bz;
    };
    // Rebuilds the board and restarts the timer when a lease action ends, however it ends.
    class RebuildAtEnd;

    void buildToolbar();
    void buildList();
    void loadPictures();
    void fillUsageFilter();
    void fillRoomNumbers();

    // The thumbnails of the chosen usage; errors leave the list as it was. With restoreScroll
    // the list is scrolled back to where the operator last selected a room.
    void rebuild(bool restoreScroll = false);
    void fillThumbnails(const Statement &q, int maxRows, bool restoreScroll);
    void selectRemembered();

    void selectionChanged();
    void itemClicked(int row);
    void userSelected(int row);
    void showNotice(const QString &fjbh);
    void closeNotice();

    bool hasSelection() const;
    QString selectedCaption() const;
    Room readRoom(const QString &fjbh) const;
    Booking readBooking(const QString &fjbh) const;
    bool inCheckOut(const QString &fjbh) const;
    // The charging window for a let room; fromDoubleClick chooses the refusal's wording.
    void chargeRoom(const QString &fjbh, bool fromDoubleClick);
    void chargeSelected(bool fromDoubleClick);
    // Renting out, for a booked room with the booking's deposit and dates; true when a lease was saved.
    bool rentOut(const Room &room, const Booking *booking = nullptr);
    // Every lease window starts from the room's number, name, type, way of letting and price.
    static void showRoomTerms(LeaseForm &window, const Room &room);
    void rentOutBooked(const Room &room);
    void removeBooking(const QString &fjbh);
    void renew(const Room &room);
    void checkOut(const Room &room);
    void cancelLetting(const Room &room);

    QComboBox *usageFilter;
    QComboBox *roomNumberBox;
    QListWidget *m_thumbnails;
    QTimer *Timer1;
    std::array<QIcon, 3> m_pictures; // by RoomPicture
    QPointer<RoomNotice> m_notice;
    int m_position = -1;
    QPoint m_scroll;
    bool m_programSelects = false; // selections the board makes itself show no notice
    int m_rowAtPress = -1;
    bool m_shown = false;
};
