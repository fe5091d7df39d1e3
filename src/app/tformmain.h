// Main window: the frame with the main menu, the navigation panel, the client area in which
// every function opens as a child window (one at a time), the status bar and the expiry alarms.
#pragma once
#include "access/logintarget.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>

class ClientArea;
class QAction;
class QDockWidget;
class QLabel;
class QMdiSubWindow;
class QMenu;
class TFormfjbjxx;

// Where the main window gets its function windows from; tests put their own in.
struct FunctionWindowFactory {
    std::function<bool(const QString &entry)> has;
    std::function<QWidget *(const QString &entry, QWidget *parent)> create;
};

class TFormmain : public QMainWindow, public LoginTarget
{
    Q_OBJECT
public:
    explicit TFormmain(QWidget *parent = nullptr);
    ~TFormmain() override;

    QMenuBar *menu() override;
    void setStatusOperator(const QString &code, const QDate &date) override;
    void startAlarmTimer() override;

    // Opens the function of a menu entry or navigation key: every other window is closed first,
    // then the window is created. An entry without a window does nothing.
    void openFunction(const QString &entry);
    // Closes every window but this one: the child windows and any other open top-level window.
    void closeOtherWindows();
    // The open window of an entry (or nullptr).
    QWidget *functionWindow(const QString &entry) const;
    TFormfjbjxx *alarmWindow() const;
    // The menu entry with this objectName (s_..., N9, N4), or nullptr.
    QAction *entry(const QString &name) const;
    // The status bar panels 1 to 4.
    QLabel *statusPanel(int number) const;

    // Whether the first show runs the start-up steps (FormShow); tests drive them themselves.
    void setStartsOnShow(bool on) { m_startsOnShow = on; }
    void setFunctionWindowFactory(const FunctionWindowFactory &factory) { m_factory = factory; }

    // The expiry alarm 1.5 s after login, once.
    QTimer Timer1;
    // The login dialog 1 s after the database is open, once.
    QTimer loginTimer;

public slots:
    // First show: database, fee item 物业管理费, caption, login timer.
    void FormShow();
    void Timer1Timer();
    void loginTimerTimer();
    // 到期报警信息 of the menu: due and warned rooms, let or not.
    void s_bjxxClick();
    // 到期报警信息 of the navigation panel: warned let rooms.
    void spSkinButton11Click();
    // 帮助 / F1: the help document beside the program.
    void N9Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // A navigation button: what it tests before it acts, and what it opens.
    struct NavButton;

private:
    void buildMenu();
    QMenu *addTopMenu(const QString &name, const QString &caption);
    QAction *addEntry(QMenu *menu, const QString &name, const QString &caption);
    void buildHelpMenu();
    void buildNavigation();
    void buildStatusBar();
    void navigate(const NavButton &button);
    bool entryEnabled(const QString &name) const;

    bool hasWindowFor(const QString &entry) const;
    QWidget *createWindowFor(const QString &entry);
    void addChildWindow(const QString &key, QWidget *window);
    void forgetWindow(QObject *window);

    bool openLetAlarms();
    void showAlarmWindow();
    bool openDatabase();
    void ensureManagementFee();

    ClientArea *m_client;
    QDockWidget *m_navigation = nullptr;
    QList<QLabel *> m_panels;
    QHash<QString, QAction *> m_entries;
    // One reference per window class, by the entry that opens it; cleared when it closes.
    QHash<QString, QPointer<QMdiSubWindow>> m_windows;
    FunctionWindowFactory m_factory;
    bool m_startsOnShow = true;
    bool m_shown = false;
};
