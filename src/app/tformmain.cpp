#include "app/tformmain.h"

#include "access/tloginfm.h"
#include "app/clientarea.h"
#include "app/functionwindows.h"
#include "app/startuptiming.h"
#include "app/tformfjbjxx.h"
#include "common/clock.h"
#include "common/loggedinoperator.h"
#include "common/programfolder.h"
#include "common/prompter.h"
#include "common/values.h"
#include "db/dberror.h"
#include "db/tdbhouse.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// The telephone number the caption offers for support.
const char *const supportTelephone = "0571-8765-4321";
const char *const helpDocument = "禾川房屋出租操作说明.mht";
const char *const alarmKey = "TFormfjbjxx";

struct Entry {
    const char *name; // nullptr: a separator
    const char *caption;
};
struct TopMenu {
    const char *name;
    const char *caption;
    QList<Entry> entries;
};

// The function menus; their entry names are the function keys of the grants.
const QList<TopMenu> &functionMenus()
{
    static const QList<TopMenu> menus = {
        {"m_jcsjgl", "基础数据管理",
         {{"s_fjxxgl", "房屋信息管理"}, {"s_sfmcsz", "收费名称设置"}, {"s_fkxxdj", "房客信息登记"},
          {nullptr, nullptr}, {"s_qtcssz", "其它参数设置"}, {nullptr, nullptr}, {"s_dyxxsz", "打印信息设置"}}},
        {"m_fjydgl", "房屋预租管理", {{"s_fjyd", "房间预租管理"}}},
        {"m_fjsfgl", "房屋收费管理", {{"s_czxzgl", "出租续租退租收费管理"}}},
        {"m_cxgl", "查询管理",
         {{"s_sfhzcx", "收费汇总查询"}, {"s_sfmxcx", "收费明细查询"}, {"s_bjxx", "到期报警信息"},
          {nullptr, nullptr}, {"s_fjczqkcx", "房间出租情况查询"}, {"s_fjczlscx", "房间出租历史记录查询"},
          {nullptr, nullptr}, {"s_sdcx", "水电收费查询"}}},
        {"m_xtcshgl", "系统初始化管理", {{"s_xtcsh", "系统初始化"}}},
        {"m_xtwh", "系统维护", {{"s_czygl", "操作记帐员管理"}, {"s_sqgl", "操作授权管理"}, {"s_sjbf", "数据备份恢复"}}},
    };
    return menus;
}

bool isOrdinaryWindow(const QWidget *w)
{
    const Qt::WindowType t = w->windowType();
    return t == Qt::Window || t == Qt::Dialog || t == Qt::Tool || t == Qt::Sheet;
}
} // namespace

struct TFormmain::NavButton {
    enum class Gate { Entry, None, Superuser };
    const char *name;
    const char *caption;
    Gate gate;
    const char *target; // the entry (or key) it opens; also the entry it tests under Gate::Entry
};

namespace {
using Gate = TFormmain::NavButton::Gate;

// The navigation panel from the top down.
const QList<TFormmain::NavButton> &navigationButtons()
{
    static const QList<TFormmain::NavButton> buttons = {
        {"spSkinButton13", "房间信息管理", Gate::Entry, "s_fjxxgl"},
        {"spSkinButton5", "房客信息登记", Gate::Entry, "s_fkxxdj"},
        {"spSkinButton6", "收费名称设置", Gate::Entry, "s_sfmcsz"},
        {"spSkinButton1", "出租续租管理", Gate::Entry, "s_czxzgl"},
        {"spSkinButton11", "到期报警信息", Gate::Entry, "s_bjxx"},
        {"spSkinButton2", "房间出租情况", Gate::Entry, "s_fjczqkcx"},
        {"spSkinButton3", "房间出租历史", Gate::Entry, "s_fjczlscx"},
        {"spSkinButton8", "欠费明细查询", Gate::None, "spSkinButton8"},
        {"spSkinButton12", "收费汇总查询", Gate::Entry, "s_sfhzcx"},
        {"spSkinButton14", "收费明细查询", Gate::Entry, "s_sfmxcx"},
        {"spSkinButton7", "水电费查询", Gate::Entry, "s_sdcx"},
        {"spSkinButton4", "财务收支管理", Gate::Superuser, "spSkinButton4"},
    };
    return buttons;
}
} // namespace

TFormmain::TFormmain(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_client(new ClientArea(this)),
      m_factory{&hasFunctionWindow, &createFunctionWindow}
{
    setObjectName("formmain");
    // Dates are shown and read as yyyy-mm-dd (dateText, toDate); the process's locale is Chinese.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    setWindowTitle(applicationTitle());
    setCentralWidget(m_client);
    buildMenu();
    buildNavigation();
    buildStatusBar();

    Timer1.setObjectName("Timer1");
    Timer1.setInterval(1500);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TFormmain::Timer1Timer);
    loginTimer.setObjectName("loginTimer");
    loginTimer.setInterval(1000);
    loginTimer.setSingleShot(true);
    connect(&loginTimer, &QTimer::timeout, this, &TFormmain::loginTimerTimer);
}

TFormmain::~TFormmain()
{
    // The child windows are deleted with the frame; their hiding must not call back into it.
    for (QMdiSubWindow *s : m_client->subWindowList())
        if (QWidget *w = s->widget())
            w->removeEventFilter(this);
}

// --- building -------------------------------------------------------------------------------

QMenu *TFormmain::addTopMenu(const QString &name, const QString &caption)
{
    QMenu *m = menuBar()->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction *TFormmain::addEntry(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    m_entries.insert(name, a);
    return a;
}

void TFormmain::buildMenu()
{
    menuBar()->setObjectName("MainMenu1");
    for (const TopMenu &top : functionMenus()) {
        QMenu *m = addTopMenu(top.name, top.caption);
        for (const Entry &e : top.entries) {
            if (!e.name) {
                m->addSeparator();
                continue;
            }
            QAction *a = addEntry(m, e.name, e.caption);
            // Closed until the operator's grants open it at login.
            a->setEnabled(false);
            const QString name = e.name;
            if (name == QLatin1String("s_bjxx"))
                connect(a, &QAction::triggered, this, &TFormmain::s_bjxxClick);
            else
                connect(a, &QAction::triggered, this, [this, name] { openFunction(name); });
        }
    }
    buildHelpMenu();
}

void TFormmain::buildHelpMenu()
{
    QMenu *help = addTopMenu("About", "帮助");
    QAction *n9 = addEntry(help, "N9", "帮助");
    n9->setShortcut(QKeySequence(Qt::Key_F1));
    connect(n9, &QAction::triggered, this, &TFormmain::N9Click);
    connect(addEntry(help, "N4", "在线帮助"), &QAction::triggered, this, [this] { openFunction("N4"); });
    connect(addEntry(help, "exitAction", "退出"), &QAction::triggered, this, &QWidget::close);
}

void TFormmain::buildNavigation()
{
    m_navigation = new QDockWidget("导航向导", this);
    m_navigation->setObjectName("navigationPanel");
    m_navigation->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_navigation->setFixedWidth(146);

    auto *buttons = new QWidget;
    buttons->setObjectName("navigationButtons");
    auto *column = new QVBoxLayout(buttons);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    for (const NavButton &b : navigationButtons()) {
        auto *button = new QPushButton(b.caption);
        button->setObjectName(b.name);
        button->setMinimumHeight(34);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, &b] { navigate(b); });
        column->addWidget(button);
    }
    column->addStretch();
    buttons->setStyleSheet(
        "#navigationButtons { background: #e8eff6; }"
        "QPushButton { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #fdfeff, stop:1 #dce7f2);"
        " border: 1px solid #a9bfd6; border-radius: 4px; padding: 4px; color: #1f3b57; }"
        "QPushButton:hover { background: #f4f9ff; border-color: #5b8db8; }"
        "QPushButton:pressed { background: #c9daea; }");

    // The title bar rolls the panel up sideways to a narrow strip and out again.
    auto *title = new QWidget;
    auto *row = new QHBoxLayout(title);
    row->setContentsMargins(6, 2, 2, 2);
    auto *caption = new QLabel("导航向导");
    auto *roll = new QToolButton;
    roll->setObjectName("rollButton");
    roll->setText("«");
    roll->setAutoRaise(true);
    row->addWidget(caption);
    row->addStretch();
    row->addWidget(roll);
    connect(roll, &QToolButton::clicked, this, [this, buttons, caption, roll] {
        const bool rollUp = buttons->isVisible();
        buttons->setVisible(!rollUp);
        caption->setVisible(!rollUp);
        roll->setText(rollUp ? "»" : "«");
        m_navigation->setFixedWidth(rollUp ? 26 : 146);
    });
    m_navigation->setTitleBarWidget(title);
    m_navigation->setWidget(buttons);
    addDockWidget(Qt::LeftDockWidgetArea, m_navigation);
}

void TFormmain::buildStatusBar()
{
    statusBar()->setObjectName("sb1");
    statusBar()->setSizeGripEnabled(false);
    const QStringList texts = {"当前操作员：", QString(), "日期：", QString()};
    for (int i = 0; i < texts.size(); ++i) {
        auto *panel = new QLabel(texts[i]);
        panel->setObjectName(QStringLiteral("sb1Panel%1").arg(i + 1));
        panel->setFixedWidth(160);
        if (i % 2 == 0)
            panel->setAlignment(Qt::AlignCenter);
        statusBar()->addWidget(panel);
        m_panels << panel;
    }
}

// --- login target ---------------------------------------------------------------------------

QMenuBar *TFormmain::menu()
{
    return menuBar();
}

void TFormmain::setStatusOperator(const QString &code, const QDate &date)
{
    m_panels[1]->setText(code);
    m_panels[3]->setText(dateText(date));
}

void TFormmain::startAlarmTimer()
{
    Timer1.start();
}

QAction *TFormmain::entry(const QString &name) const
{
    return m_entries.value(name);
}

QLabel *TFormmain::statusPanel(int number) const
{
    return number >= 1 && number <= m_panels.size() ? m_panels[number - 1] : nullptr;
}

// --- opening functions ----------------------------------------------------------------------

bool TFormmain::entryEnabled(const QString &name) const
{
    const QAction *a = entry(name);
    return a && a->isEnabled();
}

void TFormmain::navigate(const NavButton &button)
{
    if (button.gate == NavButton::Gate::Entry && !entryEnabled(button.target)) {
        prompter().notice("您没有此操作权限");
        return;
    }
    if (button.gate == NavButton::Gate::Superuser && !loggedInOperator().isSuperuser()) {
        prompter().notice("您不是ADMIN用户不能使用此功能！");
        return;
    }
    if (QLatin1String(button.target) == QLatin1String("s_bjxx"))
        spSkinButton11Click();
    else
        openFunction(button.target);
}

bool TFormmain::hasWindowFor(const QString &entry) const
{
    return m_factory.has && m_factory.has(entry);
}

QWidget *TFormmain::createWindowFor(const QString &entry)
{
    return m_factory.create ? m_factory.create(entry, this) : nullptr;
}

void TFormmain::openFunction(const QString &entry)
{
    if (!hasWindowFor(entry))
        return;
    closeOtherWindows();
    // A window that refused to close is still the one instance of its class.
    if (functionWindow(entry))
        return;
    if (QWidget *w = createWindowFor(entry))
        addChildWindow(entry, w);
}

void TFormmain::closeOtherWindows()
{
    for (QMdiSubWindow *s : m_client->subWindowList())
        s->close();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && isOrdinaryWindow(w))
            w->close();
}

void TFormmain::addChildWindow(const QString &key, QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = m_client->addSubWindow(window, Qt::FramelessWindowHint);
    sub->setObjectName(key + "_sub");
    sub->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, sub, &QObject::deleteLater);
    m_windows.insert(key, sub);
    sub->move(0, 0);
    sub->showMaximized();
    window->show();
}

void TFormmain::forgetWindow(QObject *window)
{
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        QMdiSubWindow *sub = it->data();
        if (!sub || sub->widget() == window) {
            if (sub) {
                sub->hide();
                sub->deleteLater();
            }
            it = m_windows.erase(it);
        } else {
            ++it;
        }
    }
}

bool TFormmain::eventFilter(QObject *watched, QEvent *event)
{
    // A function window that closed itself (its own 返回/关闭, or the subwindow's close) is
    // hidden on the way to its deletion: its frame goes with it and its reference is cleared
    // at once, so the next opening creates a new one.
    if (event->type() == QEvent::HideToParent) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->isHidden())
            forgetWindow(w);
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget *TFormmain::functionWindow(const QString &entry) const
{
    const QPointer<QMdiSubWindow> sub = m_windows.value(entry);
    return sub ? sub->widget() : nullptr;
}

TFormfjbjxx *TFormmain::alarmWindow() const
{
    return qobject_cast<TFormfjbjxx *>(functionWindow(alarmKey));
}

// --- expiry alarms --------------------------------------------------------------------------

bool TFormmain::openLetAlarms()
{
    auto &q = dbhouse().qyj;
    q.close();
    q.clear();
    q.add("select * from zf_fjb where yjrq<= :yjrq and fjzt= :fjzt order by iid ");
    q.param("yjrq") = today();
    q.param("fjzt") = QStringLiteral("已租");
    q.open();
    return !q.isEmpty();
}

void TFormmain::showAlarmWindow()
{
    // Other windows stay open: the alarm joins them.
    if (!alarmWindow())
        addChildWindow(alarmKey, new TFormfjbjxx(this));
}

void TFormmain::Timer1Timer()
{
    Timer1.stop();
    if (openLetAlarms())
        showAlarmWindow();
}

void TFormmain::spSkinButton11Click()
{
    Timer1.stop();
    if (openLetAlarms())
        showAlarmWindow();
    else
        prompter().notice("没有查到有报警或预警信息！");
}

void TFormmain::s_bjxxClick()
{
    Timer1.stop();
    // Rooms whose date in dateColumn is today or earlier; a list with a room brings up the alarm.
    auto alarmOn = [this](Statement &q, const char *sql, const char *dateColumn) {
        q.close();
        q.clear();
        q.add(sql);
        q.param(dateColumn) = today();
        q.open();
        if (q.isEmpty())
            return false;
        showAlarmWindow();
        return true;
    };
    const bool due = alarmOn(dbhouse().qydq, "select * from zf_fjb where dqrq<= :dqrq order by iid ", "dqrq");
    // Vacant rooms whose last warning date has passed are listed here too.
    const bool warned = alarmOn(dbhouse().qyj, "select * from zf_fjb where yjrq<= :yjrq order by iid ", "yjrq");
    if (!due && !warned)
        prompter().notice("没有查到有报警或预警信息！");
}

// --- help -----------------------------------------------------------------------------------

void TFormmain::N9Click()
{
    const QString path = programFolder() + helpDocument;
    if (QFileInfo::exists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// --- start and end --------------------------------------------------------------------------

void TFormmain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (m_startsOnShow)
        QMetaObject::invokeMethod(this, &TFormmain::FormShow, Qt::QueuedConnection);
}

bool TFormmain::openDatabase()
{
    QElapsedTimer clock;
    clock.start();
    try {
        dbhouse().openDatabase(programFolder());
    } catch (const DbError &) {
        prompter().notice("data error");
        return false;
    }
    StartupTiming::report("database open", clock.nsecsElapsed() / 1e6);
    return true;
}

void TFormmain::ensureManagementFee()
{
    // At every start, so the item comes back after an initialisation emptied the fee items.
    auto &q = dbhouse().qcx;
    q.close();
    q.clear();
    q.add("select count(*) as expr1001 from zf_sfxmb where sfmc= :sfmc ");
    q.param("sfmc") = QStringLiteral("物业管理费");
    q.open();
    const int existing = q.field("expr1001").asInteger();
    q.close();
    if (existing != 0)
        return;
    auto &ins = dbhouse().qins;
    ins.close();
    ins.clear();
    ins.add("insert into zf_sfxmb(sfmc,sflx,dj) values(:sfmc,:sflx,:dj )");
    ins.param("sfmc") = QStringLiteral("物业管理费");
    ins.param("sflx") = QStringLiteral("物业管理费");
    ins.param("dj") = 8.0;
    ins.execSQL();
    ins.close();
}

void TFormmain::FormShow()
{
    if (!openDatabase()) {
        close();
        return;
    }
    ensureManagementFee();
    setWindowTitle(applicationTitle() + " TELL：" + supportTelephone);
    loginTimer.start();
}

void TFormmain::loginTimerTimer()
{
    loginTimer.stop();
    Tloginfm login(*this, this);
    QTimer::singleShot(0, &login, [] { StartupTiming::report("login dialog shown"); });
    login.exec();
    if (!loggedInOperator().loggedIn)
        close();
}

void TFormmain::closeEvent(QCloseEvent *event)
{
    Timer1.stop();
    loginTimer.stop();
    // Child windows close with the frame, so their statement objects are closed.
    for (QMdiSubWindow *s : m_client->subWindowList())
        s->close();
    QMainWindow::closeEvent(event);
}
