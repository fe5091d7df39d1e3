#include "common/namedbutton.h"

#include <QPushButton>

QPushButton *namedButton(QWidget *parent, const QString &caption, const QString &objectName)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}
