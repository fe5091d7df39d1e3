// The caption label in front of a box: the label is the box's buddy, and the box carries the
// caption as its accessible name, so the box reads as the person sees it.
#pragma once
#include <QString>

class QLabel;
class QWidget;

QLabel *captionLabel(const QString &caption, QWidget *box, QWidget *parent);
