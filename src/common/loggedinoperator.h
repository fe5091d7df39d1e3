// Who is working: filled once by a successful login, read by every window that stamps czy,
// draws a receipt number or is reserved to the superuser.
#pragma once
#include <QString>

struct LoggedInOperator {
    QString code;   // userk.dm as stored
    QString number; // userk.userid
    bool loggedIn = false;

    // The superuser is the operator whose code, blanks removed and upper-cased, is ADMIN.
    bool isSuperuser() const { return isSuperuserCode(code); }
    static bool isSuperuserCode(const QString &code) { return code.trimmed().toUpper() == QLatin1String("ADMIN"); }
};

LoggedInOperator &loggedInOperator();
