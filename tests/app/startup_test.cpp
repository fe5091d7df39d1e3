#include "access/tloginfm.h"
#include "app/roomletapplication.h"
#include "app/startup.h"
#include "app/tformmain.h"
#include "common/clock.h"
#include "common/conversionerror.h"
#include "common/loggedinoperator.h"
#include "common/programfolder.h"
#include "db/connection.h"
#include "db/dberror.h"
#include "db/schema.h"
#include "db/statement.h"
#include "mainwindowtest.h"
#include "support/ui.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

class StartupTest : public MainWindowTest
{
protected:
    QString databaseFile() const { return Tdbhouse::databasePath(folder()); }
};

TEST_F(StartupTest, DatabaseThatCannotBeOpenedEndsTheProgramBeforeLogin)
{
    for (const char *trouble : {"missing", "wrong key"}) {
        prompts.clear();
        db->closeAll();
        QFile::remove(databaseFile());
        if (QLatin1String(trouble) == QLatin1String("wrong key")) {
            QFile empty(databaseFile());
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
            empty.close();
            Connection other;
            other.open(databaseFile(), "not-our-key");
            other.exec("create table t(a)");
        }
        TFormmain *w = makeMain();
        w->FormShow();
        EXPECT_EQ(prompts.notices(), QStringList{"data error"}) << trouble;
        EXPECT_FALSE(w->loginTimer.isActive()) << trouble << ": no login follows";
        EXPECT_FALSE(w->isVisible()) << trouble << ": the main window closed";
        delete w;
    }
}

TEST_F(StartupTest, FirstShowEnsuresTheManagementFeeSetsTheCaptionAndStartsTheLoginTimer)
{
    struct Case {
        const char *what;
        QString before; // the row there before the start, if any
        QString expected;
    };
    const QList<Case> cases = {
        {"missing: inserted at unit price 8", "", "物业管理费|物业管理费|8"},
        {"existing: left alone", "('物业管理费','物业管理费',12.5)", "物业管理费|物业管理费|12.5"},
    };
    for (const Case &c : cases) {
        exec("delete from zf_sfxmb where sfmc='物业管理费'");
        if (!c.before.isEmpty())
            exec("insert into zf_sfxmb(sfmc,sflx,dj) values" + c.before);
        TFormmain *w = makeMain();
        w->FormShow();
        const auto fee = rows("select sfmc,sflx,dj from zf_sfxmb where sfmc='物业管理费'");
        ASSERT_EQ(fee.size(), 1) << c.what;
        EXPECT_EQ(fee[0].join('|'), c.expected) << c.what;
        EXPECT_TRUE(w->windowTitle().startsWith("禾川房屋出租管理系统 TELL："));
        EXPECT_GT(w->windowTitle().size(), QString("禾川房屋出租管理系统 TELL：").size());
        EXPECT_TRUE(w->loginTimer.isActive());
        EXPECT_EQ(w->loginTimer.interval(), 1000);
        EXPECT_TRUE(w->loginTimer.isSingleShot());
        EXPECT_TRUE(prompts.notices().isEmpty());
        delete w;
    }
}

TEST_F(StartupTest, LoginTimerShowsTheLoginAndAFailedLoginEndsTheProgram)
{
    TFormmain *w = makeMain();
    ui::onNextModal<Tloginfm>([](Tloginfm *d) { ui::click(d, "退出"); });
    w->loginTimerTimer();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(loggedInOperator().loggedIn);

    TFormmain *next = makeMain();
    ui::onNextModal<Tloginfm>([](Tloginfm *d) {
        ui::setText(ui::find(d, "Edit1"), "admin");
        ui::setText(ui::find(d, "Edit2"), "1");
        ui::click(d, "登录");
    });
    next->loginTimerTimer();
    EXPECT_TRUE(next->isVisible());
    EXPECT_EQ(next->statusPanel(2)->text(), "admin");
    EXPECT_EQ(next->statusPanel(4)->text(), "2024-03-05");
    EXPECT_TRUE(next->entry("s_fjxxgl")->isEnabled());
    EXPECT_TRUE(next->Timer1.isActive());
}

TEST(GeneralErrorDisplay, ShowsTheTextOfEscapedErrorsAndPassesOthersOn)
{
    ScriptedPrompter prompts;
    setPrompter(&prompts);
    RoomletApplication::showError(std::make_exception_ptr(DbError("no such table: zf_x")));
    RoomletApplication::showError(std::make_exception_ptr(ConversionError("“1a”不是有效的数值")));
    RoomletApplication::showError(std::make_exception_ptr(std::runtime_error("out of memory")));
    EXPECT_EQ(prompts.notices(), (QStringList{"no such table: zf_x", "“1a”不是有效的数值", "out of memory"}));
    for (const auto &r : prompts.records)
        EXPECT_EQ(r.title, "禾川房屋出租管理系统");
    EXPECT_THROW(RoomletApplication::showError(std::make_exception_ptr(42)), int);
    setPrompter(nullptr);
}

// The whole run from settings to the end, with no fixture database or settings of its own.
class StartupRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramFolder(dir.path());
        setClock(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
        setPrompter(&prompts);
        loggedInOperator() = LoggedInOperator{};
    }
    void TearDown() override
    {
        setPrompter(nullptr);
        setClock(QDateTime());
        setProgramFolder(QString());
        loggedInOperator() = LoggedInOperator{};
    }
    QString folder() const { return dir.path() + '/'; }
    QString settingsText() const
    {
        QFile f(folder() + programBaseName() + ".ini");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static void closeMainWindowSoon()
    {
        QTimer::singleShot(50, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (qobject_cast<TFormmain *>(w))
                    w->close();
        });
    }

    QTemporaryDir dir;
    ScriptedPrompter prompts;
};

TEST_F(StartupRunTest, MissingDatabaseShowsDataErrorOnceAndStillWritesTheSettings)
{
    int logins = 0;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&logins] {
        if (auto *d = qobject_cast<Tloginfm *>(QApplication::activeModalWidget())) {
            ++logins;
            d->reject();
        }
    });
    watch.start();
    runRoomlet();
    EXPECT_EQ(prompts.notices(), QStringList{"data error"});
    EXPECT_EQ(logins, 0);
    EXPECT_EQ(settingsText(), "[Judge]\r\nserver_name=127.0.0.1\r\nstrfd=01\r\nstrzdjf=1\r\nstrlab1=\r\n"
                              "strlab2=\r\nstrlab3=\r\nstrlab4=\r\nstrmj=是\r\nstrdysd=0\r\n");
}

TEST_F(StartupRunTest, LoginThenEndWritesTheSettingsBack)
{
    makeFreshDatabase(folder() + "dat/qmvdemo.mdb");
    {
        QFile ini(folder() + programBaseName() + ".ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[JUDGE]\nstrmj=否\nstrdysd=1\n");
    }
    ui::onNextModal<Tloginfm>([](Tloginfm *d) {
        ui::setText(ui::find(d, "Edit1"), "admin");
        ui::setText(ui::find(d, "Edit2"), "1");
        ui::click(d, "登录");
        closeMainWindowSoon();
    });
    runRoomlet();
    EXPECT_TRUE(prompts.notices().isEmpty());
    EXPECT_TRUE(loggedInOperator().loggedIn);
    EXPECT_TRUE(settingsText().contains("[Judge]\r\n"));
    EXPECT_TRUE(settingsText().contains("strmj=否\r\nstrdysd=1\r\n"));

    Connection c;
    c.open(folder() + "dat/qmvdemo.mdb", schema::password);
    Statement q(c, "check");
    q.add("select dj from zf_sfxmb where sfmc='物业管理费'");
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field("dj").asFloat(), 8.0);
}
