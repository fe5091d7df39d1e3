// The client area of the main window: holds the function windows over a painted background of
// a quiet street of houses under a pale sky.
#pragma once
#include <QMdiArea>
#include <QPixmap>

class ClientArea : public QMdiArea
{
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The picture is painted once per size and stretched over the whole area.
    QPixmap background();
    QPixmap m_cache;
};
