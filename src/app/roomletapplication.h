// The application object: its general error display shows an error that escaped an event
// handler as a plain notice, and the program goes on.
#pragma once
#include <QApplication>

#include <exception>

class RoomletApplication : public QApplication
{
    Q_OBJECT
public:
    RoomletApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the text of a database, conversion or other standard error with the application
    // title; anything else is thrown on.
    static void showError(std::exception_ptr error);
};
