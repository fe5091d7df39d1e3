#include "support/roomlettest.h"

#include "common/clock.h"
#include "common/gridexport.h"
#include "common/loggedinoperator.h"
#include "common/processflags.h"
#include "common/programfolder.h"
#include "common/tglobal.h"
#include "db/schema.h"
#include "db/tdbhouse.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QWidget>

void makeFreshDatabase(const QString &path)
{
    static QTemporaryDir templateDir;
    static const QString templ = templateDir.path() + "/template.mdb";
    if (!QFile::exists(templ))
        schema::createDatabase(templ);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(templ, path));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

QDateTime RoomletTest::pinnedNow()
{
    return QDateTime(QDate(2024, 3, 5), QTime(10, 0));
}

void RoomletTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    setProgramFolder(m_dir.path());
    setClock(pinnedNow());
    setPrompter(&prompts);
    setOpenExportedFiles(false);
    makeFreshDatabase(Tdbhouse::databasePath(folder()));
    db = std::make_unique<Tdbhouse>();
    db->openDatabase(folder());
    settings = std::make_unique<TGlobal>(folder() + "roomlet.ini");
    loggedInOperator() = LoggedInOperator{"admin", "001", true};
    processFlags() = ProcessFlags{};
}

void RoomletTest::TearDown()
{
    // Windows a test left open go before the database they read.
    // Only windows without a parent: the others (a combo box's popup, a dialog's own children)
    // belong to a parent that deletes them, and deleting them first leaves it a dangling pointer.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    for (const auto &w : windows)
        delete w.data();
    QApplication::processEvents();
    settings.reset();
    db.reset();
    setPrompter(nullptr);
    setClock(QDateTime());
    setProgramFolder(QString());
    loggedInOperator() = LoggedInOperator{};
}

QList<QStringList> RoomletTest::rows(const QString &sql) const
{
    Statement q(db->adoacccon, "test");
    q.add(sql);
    q.open();
    QList<QStringList> out;
    for (int r = 0; r < q.recordCount(); ++r) {
        QStringList row;
        for (const QString &c : q.columns())
            row << q.fieldAt(r, c).asString();
        out << row;
    }
    return out;
}

QString RoomletTest::value(const QString &sql) const
{
    const auto r = rows(sql);
    return r.isEmpty() || r.first().isEmpty() ? QString() : r.first().first();
}

int RoomletTest::count(const QString &table, const QString &where) const
{
    return value("select count(*) from " + table + (where.isEmpty() ? QString() : " where " + where)).toInt();
}

void RoomletTest::exec(const QString &sql) const
{
    db->adoacccon.exec(sql);
}
