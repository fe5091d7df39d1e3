#include "access/grants.h"
#include "app/tformmain.h"
#include "common/loggedinoperator.h"
#include "mainwindowtest.h"
#include "support/ui.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {
// The menu as "menu:caption" followed by "entry:caption" lines, "-" for separators.
QStringList menuTree(TFormmain *w)
{
    QStringList out;
    for (QAction *top : w->menuBar()->actions()) {
        out << top->menu()->objectName() + ":" + top->text();
        for (QAction *e : top->menu()->actions())
            out << (e->isSeparator() ? QString("-") : "  " + e->objectName() + ":" + e->text());
    }
    return out;
}

// The names of the enabled entries among the function menus and the help menu.
QStringList enabledEntries(TFormmain *w)
{
    QStringList out;
    for (QAction *top : w->menuBar()->actions()) {
        EXPECT_TRUE(top->isEnabled()) << "top-level menus are never disabled";
        for (QAction *e : top->menu()->actions())
            if (!e->isSeparator() && e->isEnabled())
                out << e->objectName();
    }
    return out;
}

const QStringList functionEntries = {"s_fjxxgl", "s_sfmcsz", "s_fkxxdj", "s_qtcssz", "s_dyxxsz", "s_fjyd",
                                     "s_czxzgl", "s_sfhzcx", "s_sfmxcx", "s_bjxx", "s_fjczqkcx", "s_fjczlscx",
                                     "s_sdcx", "s_xtcsh", "s_czygl", "s_sqgl", "s_sjbf"};
const QStringList helpEntries = {"N9", "N4", "exitAction"};
} // namespace

TEST_F(MainWindowTest, MenuNavigationAndStatusBarAsThePersonSeesThem)
{
    TFormmain *w = makeMain();
    EXPECT_EQ(w->menuBar()->objectName(), "MainMenu1");
    EXPECT_EQ(menuTree(w), (QStringList{
                               "m_jcsjgl:基础数据管理", "  s_fjxxgl:房屋信息管理", "  s_sfmcsz:收费名称设置",
                               "  s_fkxxdj:房客信息登记", "-", "  s_qtcssz:其它参数设置", "-", "  s_dyxxsz:打印信息设置",
                               "m_fjydgl:房屋预租管理", "  s_fjyd:房间预租管理",
                               "m_fjsfgl:房屋收费管理", "  s_czxzgl:出租续租退租收费管理",
                               "m_cxgl:查询管理", "  s_sfhzcx:收费汇总查询", "  s_sfmxcx:收费明细查询",
                               "  s_bjxx:到期报警信息", "-", "  s_fjczqkcx:房间出租情况查询",
                               "  s_fjczlscx:房间出租历史记录查询", "-", "  s_sdcx:水电收费查询",
                               "m_xtcshgl:系统初始化管理", "  s_xtcsh:系统初始化",
                               "m_xtwh:系统维护", "  s_czygl:操作记帐员管理", "  s_sqgl:操作授权管理",
                               "  s_sjbf:数据备份恢复",
                               "About:帮助", "  N9:帮助", "  N4:在线帮助", "  exitAction:退出"}));
    EXPECT_EQ(w->entry("N9")->shortcut(), QKeySequence(Qt::Key_F1));

    auto *panel = ui::find<QDockWidget>(w, "navigationPanel");
    EXPECT_EQ(panel->windowTitle(), "导航向导");
    EXPECT_EQ(panel->width(), 146);
    QStringList buttons;
    for (QPushButton *b : panel->findChildren<QPushButton *>())
        buttons << b->objectName() + ":" + b->text();
    EXPECT_EQ(buttons, (QStringList{"spSkinButton13:房间信息管理", "spSkinButton5:房客信息登记",
                                    "spSkinButton6:收费名称设置", "spSkinButton1:出租续租管理",
                                    "spSkinButton11:到期报警信息", "spSkinButton2:房间出租情况",
                                    "spSkinButton3:房间出租历史", "spSkinButton8:欠费明细查询",
                                    "spSkinButton12:收费汇总查询", "spSkinButton14:收费明细查询",
                                    "spSkinButton7:水电费查询", "spSkinButton4:财务收支管理"}));

    EXPECT_EQ(w->statusBar()->objectName(), "sb1");
    QStringList panels;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w->statusPanel(i)->width(), 160);
        panels << w->statusPanel(i)->text();
    }
    EXPECT_EQ(panels, (QStringList{"当前操作员：", "", "日期：", ""}));
    w->setStatusOperator("admin", QDate(2024, 3, 5));
    EXPECT_EQ(w->statusPanel(2)->text(), "admin");
    EXPECT_EQ(w->statusPanel(4)->text(), "2024-03-05");
}

TEST_F(MainWindowTest, GrantsOpenExactlyTheNamedEntriesAndHelpStaysOpen)
{
    TFormmain *w = makeMain();
    EXPECT_EQ(enabledEntries(w), helpEntries) << "before login every function entry is closed";

    exec("insert into yhqxb(loginuser,funcename,funccname) values('zhang','m_cxgl','查询管理'),"
         "('zhang','s_sdcx','水电收费查询'),('zhang','s_fjxxgl','房屋信息管理')");
    applyGrants(*w->menuBar(), "zhang");
    EXPECT_EQ(enabledEntries(w), (QStringList{"s_fjxxgl", "s_sdcx"} + helpEntries));

    TFormmain *nobody = makeMain();
    applyGrants(*nobody->menuBar(), "wang");
    EXPECT_EQ(enabledEntries(nobody), helpEntries);

    TFormmain *admin = makeMain();
    applyGrants(*admin->menuBar(), "admin");
    EXPECT_EQ(enabledEntries(admin), functionEntries + helpEntries);
}

TEST_F(MainWindowTest, NavigationButtonsRefuseWhatIsNotGranted)
{
    exec("insert into userk(dm,loginuser,pd,userid) values('zhang','张三','2','002')");
    struct Case {
        QString operatorCode;
        QString button;
        QString message; // empty: passes the gate
    };
    const QString noRight = "您没有此操作权限";
    const QString notAdmin = "您不是ADMIN用户不能使用此功能！";
    QList<Case> cases;
    for (const char *b : {"spSkinButton13", "spSkinButton5", "spSkinButton6", "spSkinButton1", "spSkinButton11",
                          "spSkinButton2", "spSkinButton3", "spSkinButton12", "spSkinButton14", "spSkinButton7"})
        cases << Case{"zhang", b, noRight} << Case{"admin", b, noRight};
    cases << Case{"zhang", "spSkinButton8", ""} << Case{"admin", "spSkinButton8", ""};
    cases << Case{"zhang", "spSkinButton4", notAdmin} << Case{"admin", "spSkinButton4", ""};

    // Nobody has a grant, admin included; no entry has a window, so nothing opens.
    exec("delete from yhqxb");
    for (const Case &c : cases) {
        TFormmain *w = makeMain({}, true);
        loggedInOperator() = LoggedInOperator{c.operatorCode, "002", true};
        applyGrants(*w->menuBar(), c.operatorCode);
        prompts.clear();
        ui::click(w, c.button);
        EXPECT_EQ(prompts.notices(), c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.operatorCode.toStdString() << " " << c.button.toStdString();
        delete w;
    }
}

TEST_F(MainWindowTest, OpeningAFunctionClosesEveryOtherWindowFirst)
{
    TFormmain *w = makeMain({"s_fjxxgl", "s_fkxxdj"});
    applyGrants(*w->menuBar(), "admin");
    auto *area = w->findChild<QMdiArea *>();

    w->entry("s_fkxxdj")->trigger();
    QPointer<QWidget> tenants = w->functionWindow("s_fkxxdj");
    ASSERT_TRUE(tenants);
    auto *frame = qobject_cast<QMdiSubWindow *>(tenants->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(frame->isMaximized());
    EXPECT_TRUE(tenants->isVisible());

    QPointer<QWidget> stray = new QWidget;
    stray->show();
    ui::click(w, "spSkinButton13");
    EXPECT_FALSE(w->functionWindow("s_fkxxdj")) << "the reference is cleared at once";
    EXPECT_FALSE(stray->isVisible()) << "other top-level windows are closed too";
    QPointer<QWidget> rooms = w->functionWindow("s_fjxxgl");
    ASSERT_TRUE(rooms);
    EXPECT_EQ(ProbeWindow::closes, 1);
    settle();
    EXPECT_FALSE(tenants) << "a closed window is destroyed";
    EXPECT_EQ(area->subWindowList().size(), 1);

    // Opening it again while it is open closes it and makes a new one.
    w->entry("s_fjxxgl")->trigger();
    settle();
    EXPECT_FALSE(rooms);
    ASSERT_TRUE(w->functionWindow("s_fjxxgl"));
    EXPECT_EQ(area->subWindowList().size(), 1);

    // An entry whose window does not exist does nothing, not even close the open one.
    w->entry("s_sfmcsz")->trigger();
    ui::click(w, "spSkinButton6");
    EXPECT_TRUE(w->functionWindow("s_fjxxgl"));

    // A window that closes itself takes its frame with it.
    w->functionWindow("s_fjxxgl")->close();
    EXPECT_FALSE(w->functionWindow("s_fjxxgl"));
    settle();
    EXPECT_TRUE(area->subWindowList().isEmpty());
    w->entry("s_fjxxgl")->trigger();
    EXPECT_TRUE(w->functionWindow("s_fjxxgl"));
}

TEST_F(MainWindowTest, SupportWindowTellsWhereHelpDataAndBackupsAre)
{
    QCoreApplication::setApplicationVersion("9.8.7");
    TFormmain *w = makeMain();
    w->entry("N4")->trigger();
    QWidget *support = w->functionWindow("N4");
    ASSERT_NE(support, nullptr);
    const QString text = ui::find<QLabel>(support, "supportText")->text();
    EXPECT_TRUE(text.contains(folder() + "dat/qmvdemo.mdb"));
    EXPECT_TRUE(text.contains(folder() + "backup/"));
    EXPECT_TRUE(text.contains("禾川房屋出租操作说明.mht"));
    EXPECT_TRUE(text.contains("9.8.7"));
    QCoreApplication::setApplicationVersion(QString());
    ui::click(support, "返回");
    EXPECT_FALSE(w->functionWindow("N4"));
}

TEST_F(MainWindowTest, ExitEndsTheProgramByClosingTheMainWindow)
{
    TFormmain *w = makeMain({"s_fjxxgl"});
    applyGrants(*w->menuBar(), "admin");
    w->entry("s_fjxxgl")->trigger();
    w->entry("exitAction")->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ProbeWindow::closes, 1) << "child windows close with the main window";
}
