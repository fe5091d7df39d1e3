// Enter moves the focus along a fixed order of boxes: from each box to the next one; Enter in
// the last box stays there. The key is taken, so a dialog does not read it as a press of its
// default button.
#pragma once
#include <QHash>
#include <QList>
#include <QObject>

class QWidget;

class EnterChain : public QObject
{
    Q_OBJECT
public:
    // Watches every box of order from now on; the chain goes with parent.
    EnterChain(const QList<QWidget *> &order, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Which box Enter moves to from the box (or a combo box's line edit) it is pressed in.
    QHash<QObject *, QWidget *> m_next;
};
