#include "common/enterchain.h"
#include "common/watchkeys.h"

#include <QWidget>

#include <QKeyEvent>

EnterChain::EnterChain(const QList<QWidget *> &order, QObject *parent) : QObject(parent)
{
    for (int i = 0; i < order.size(); ++i) {
        QWidget *next = i + 1 < order.size() ? order[i + 1] : nullptr;
        for (QWidget *watched : watchKeys(order[i], this))
            m_next.insert(watched, next);
    }
}

bool EnterChain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_next.contains(watched)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QWidget *next = m_next.value(watched))
                next->setFocus();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
