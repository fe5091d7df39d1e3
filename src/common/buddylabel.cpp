#include "common/buddylabel.h"

#include <QLabel>

QLabel *buddyLabel(const QString &caption, QWidget *box, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(box);
    box->setAccessibleName(caption);
    return label;
}
