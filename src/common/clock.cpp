#include "common/clock.h"

namespace {
QDateTime pinnedNow;
}

QDateTime now()
{
    return pinnedNow.isValid() ? pinnedNow : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setClock(const QDateTime &pinned)
{
    pinnedNow = pinned;
}
