// The room details notice of the status board: a small frameless window at the bottom-right
// edge of the screen that closes itself after nine seconds or when it is clicked.
#pragma once
#include <QWidget>

class QLabel;
class QTimer;

class RoomNotice : public QWidget
{
    Q_OBJECT
public:
    static constexpr int noticeWidth = 200;
    static constexpr int noticeHeight = 270;
    static constexpr int lifetimeMs = 9000;

    // text: lines separated by "\r\n". The notice frees itself when it closes.
    RoomNotice(const QString &title, const QString &text, QWidget *parent = nullptr);

    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QTimer *closeTimer() const { return m_closeTimer; }

    // Places the notice at the bottom-right corner of the screen's free area, shows it without
    // taking the focus from the board and starts its clock.
    void popUp();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_title;
    QString m_text;
    QTimer *m_closeTimer;
};
