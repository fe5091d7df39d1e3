#include "app/startup.h"

#include "app/tformmain.h"
#include "common/programfolder.h"
#include "common/prompter.h"
#include "common/tglobal.h"
#include "db/tdbhouse.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include <memory>

#ifndef ROOMLET_VERSION
#define ROOMLET_VERSION ""
#endif

int runRoomlet()
{
    // Standard buttons and dialogs in Chinese (是 / 否 / 确定 / 取消).
    QTranslator qtChinese;
    if (qtChinese.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtChinese);
    QCoreApplication::setApplicationVersion(ROOMLET_VERSION);

    TGlobal settings(programFolder() + programBaseName() + ".ini");
    QCoreApplication::setApplicationName(applicationTitle());
    auto mainWindow = std::make_unique<TFormmain>();
    auto house = std::make_unique<Tdbhouse>();
    // Also fills the screen where no window manager maximises it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow->setGeometry(screen->availableGeometry());
    mainWindow->showMaximized();
    const int code = QApplication::exec();
    // Windows go before the statements they show; the settings are saved last.
    mainWindow.reset();
    house.reset();
    return code;
}
