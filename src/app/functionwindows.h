// The function windows the main menu and the navigation panel open, by menu entry name.
#pragma once
#include <QString>

class QWidget;

// A new window for the menu entry (e.g. "s_fjxxgl"), or nullptr for an entry whose window does
// not exist (yet). The window sets WA_DeleteOnClose itself and closes through its own buttons.
QWidget *createFunctionWindow(const QString &entryName, QWidget *parent);
// Whether the entry has a window.
bool hasFunctionWindow(const QString &entryName);
