// Watching the keys typed into a box, wherever Qt delivers them.
#pragma once
#include <QList>

class QObject;
class QWidget;

// Installs filter on the box and, for an editable combo box, on its line edit too: the combo box
// holds the focus and hands typed keys to its line edit past that edit's own filters, while keys
// sent to the line edit directly reach only the edit. Returns the widgets now watched.
QList<QWidget *> watchKeys(QWidget *box, QObject *filter);
