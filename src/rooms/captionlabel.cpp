#include "rooms/captionlabel.h"

#include <QLabel>
#include <QWidget>

QLabel *captionLabel(const QString &caption, QWidget *box, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(box);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QString name = caption;
    name.remove(QLatin1Char(':')).remove(QChar(0xFF1A)); // "：" after a caption is no part of the name
    box->setAccessibleName(name);
    return label;
}
