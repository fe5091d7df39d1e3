// The push buttons of the windows: a caption, an objectName, and never the default button, so
// Enter in a box of the window never presses one.
#pragma once
#include <QString>

class QPushButton;
class QWidget;

QPushButton *namedButton(QWidget *parent, const QString &caption, const QString &objectName);
