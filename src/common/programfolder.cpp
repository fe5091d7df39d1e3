#include "common/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString overridden;
}

QString programFolder()
{
    QString folder = overridden.isEmpty() ? QCoreApplication::applicationDirPath() : overridden;
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

void setProgramFolder(const QString &folder)
{
    overridden = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

QString programBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
