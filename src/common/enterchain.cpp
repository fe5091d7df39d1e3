#include "common/enterchain.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

EnterChain::EnterChain(const QList<QWidget *> &order, QObject *parent) : QObject(parent)
{
    for (int i = 0; i < order.size(); ++i) {
        QWidget *box = order[i];
        QWidget *next = i + 1 < order.size() ? order[i + 1] : nullptr;
        // An editable combo box holds the focus and hands keys to its line edit past that
        // edit's filters: both are watched.
        box->installEventFilter(this);
        m_next.insert(box, next);
        if (auto *c = qobject_cast<QComboBox *>(box); c && c->lineEdit()) {
            c->lineEdit()->installEventFilter(this);
            m_next.insert(c->lineEdit(), next);
        }
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
