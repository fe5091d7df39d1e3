// What the login does to the main window on success: grants on its menu, the operator and the
// date in its status bar, and the start of its expiry-alarm timer.
#pragma once
#include <QDate>
#include <QString>

class QMenuBar;

class LoginTarget
{
public:
    virtual ~LoginTarget() = default;
    // The main menu whose function entries the operator's grants enable.
    virtual QMenuBar *menu() = 0;
    virtual void setStatusOperator(const QString &code, const QDate &date) = 0;
    virtual void startAlarmTimer() = 0;
};
