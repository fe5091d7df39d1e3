#include "common/watchkeys.h"

#include <QComboBox>
#include <QLineEdit>

QList<QWidget *> watchKeys(QWidget *box, QObject *filter)
{
    QList<QWidget *> watched{box};
    if (auto *c = qobject_cast<QComboBox *>(box); c && c->lineEdit())
        watched << c->lineEdit();
    for (QWidget *w : watched)
        w->installEventFilter(filter);
    return watched;
}
