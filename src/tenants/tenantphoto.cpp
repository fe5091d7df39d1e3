#include "tenants/tenantphoto.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

namespace {
QString &photoPath()
{
    static QString path;
    return path;
}
} // namespace

QString currentPhotoPath()
{
    return photoPath();
}

void setCurrentPhotoPath(const QString &path)
{
    photoPath() = path;
}

void clearCurrentPhotoPath()
{
    photoPath().clear();
}

QLabel *newPhotoFrame(QWidget *parent, const QString &objectName)
{
    auto *frame = new QLabel(parent);
    frame->setObjectName(objectName);
    frame->setFixedSize(102, 126);
    frame->setFrameShape(QFrame::Box);
    frame->setAlignment(Qt::AlignCenter);
    frame->setAccessibleName(QStringLiteral("照片"));
    return frame;
}

void showPhotoFile(QLabel *frame, const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        frame->clear();
        return;
    }
    QPixmap picture;
    if (!picture.load(path))
        return;
    frame->setPixmap(picture.scaled(frame->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
