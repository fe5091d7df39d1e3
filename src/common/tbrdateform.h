// The date picker: a month calendar with month and year steps, OK and close.
#pragma once
#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

class TBrDateForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBrDateForm(QWidget *parent = nullptr);

    // Shows the picker modally, opening on today; true with the chosen date on OK.
    static bool pickDate(QDate *date, QWidget *parent = nullptr);
    QDate date() const;

public slots:
    void prevMonth();
    void nextMonth();
    void prevYear();
    void nextYear();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showDate();
    QCalendarWidget *m_calendar;
    QLabel *m_year, *m_month, *m_day;
    QPushButton *m_ok, *m_close;
};
