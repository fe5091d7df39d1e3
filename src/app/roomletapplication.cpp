#include "app/roomletapplication.h"

#include "common/conversionerror.h"
#include "common/prompter.h"
#include "db/dberror.h"

RoomletApplication::RoomletApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool RoomletApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &) {
        showError(std::current_exception());
    }
    return false;
}

void RoomletApplication::showError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const DbError &e) {
        prompter().notice(e.text());
    } catch (const ConversionError &e) {
        prompter().notice(e.text());
    } catch (const std::exception &e) {
        prompter().notice(QString::fromUtf8(e.what()));
    }
}
