// The caption label of a box: the label is the box's buddy, and the box reads the caption as its
// accessible name, so the box reads as the person sees it.
#pragma once
#include <QString>

class QLabel;
class QWidget;

QLabel *buddyLabel(const QString &caption, QWidget *box, QWidget *parent);
