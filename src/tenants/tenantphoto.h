// The tenant photo: the path of the photo taken at the last card read, the frame a window shows
// it in, and showing a photo file in that frame.
#pragma once
#include <QString>

class QLabel;
class QWidget;

// One value for the whole run: a card read sets it, the next registration stores it in picpath
// and then clears it.
QString currentPhotoPath();
void setCurrentPhotoPath(const QString &path);
void clearCurrentPhotoPath();

// An empty boxed frame of the photo's size (102 by 126), its picture centred, with the given
// objectName; it reads as "照片".
QLabel *newPhotoFrame(QWidget *parent, const QString &objectName);

// Loads the picture of the file at path into frame, scaled to the frame; a path naming no file
// empties the frame, and a file that cannot be read as a picture leaves the frame as it was.
void showPhotoFile(QLabel *frame, const QString &path);
