// Support information window (在线帮助): where to get help, where the data and the backups
// live, and which version is running.
#pragma once
#include <QWidget>

class QLabel;

class TFormzxbz : public QWidget
{
    Q_OBJECT
public:
    explicit TFormzxbz(QWidget *parent = nullptr);

    // The text the window shows, built from the program folder and the version.
    static QString supportText();
};
