// Room bookings: reserve a room for a future tenant with dates, deposit and a contact, list
// and delete bookings, export the list.
#pragma once
#include <QWidget>

class DateBox;
class QGridLayout;
class QLineEdit;
class ResultGrid;

class TFormfjyd : public QWidget
{
    Q_OBJECT
public:
    explicit TFormfjyd(QWidget *parent = nullptr);
    ResultGrid *grid() const { return m_grid; }

public slots:
    // Lists the bookings and starts a blank booking from today.
    void FormShow();
    // Room look-up by a prefix of the room number, or over all rooms.
    void searchClick();
    void browseAllClick();
    void saveClick();
    void deleteClick();
    void exportClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildEntry(QGridLayout *form);
    void openBookings();
    // Takes the room from the rows of qfjcx: none is a message, several go through the picker.
    void takeRoom();
    bool refuse(QWidget *box, const QString &message);

    QLineEdit *m_search;
    QLineEdit *Edit1; // 房间编号
    QLineEdit *Edit2; // 房间名称, filled by the look-up
    DateBox *Edit3;   // 租期开始日期
    DateBox *Edit4;   // 租期结束日期
    QLineEdit *Edit5; // 押金
    QLineEdit *Edit7; // 联系电话
    QLineEdit *Edit8; // 备注
    ResultGrid *m_grid;
    bool m_shown = false;
};
