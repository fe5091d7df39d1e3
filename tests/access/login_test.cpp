#include "access/logintarget.h"
#include "access/tloginfm.h"
#include "common/loggedinoperator.h"
#include "db/dberror.h"
#include "support/roomlettest.h"
#include "support/ui.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

namespace {
// Stands in for the main window: a menu with one function entry and one help entry.
class FakeTarget : public LoginTarget
{
public:
    FakeTarget()
    {
        QMenu *functions = bar->addMenu("基础数据管理");
        functions->setObjectName("m_jcsjgl");
        room = functions->addAction("房屋信息管理");
        room->setObjectName("s_fjxxgl");
        room->setEnabled(false);
        bar->addMenu("帮助")->setObjectName("About");
    }
    QMenuBar *menu() override { return bar; }
    void setStatusOperator(const QString &c, const QDate &d) override
    {
        code = c;
        date = d;
    }
    void startAlarmTimer() override { ++alarmStarts; }

    QPointer<QMenuBar> bar = new QMenuBar; // deleted with the other top-level widgets
    QAction *room;
    QString code;
    QDate date;
    int alarmStarts = 0;
};
} // namespace

class LoginTest : public RoomletTest
{
protected:
    void SetUp() override
    {
        RoomletTest::SetUp();
        exec("insert into userk(dm,loginuser,pd,userid) values('zhang','张三','25','002')");
    }
    Tloginfm *open()
    {
        dialog = new Tloginfm(target);
        dialog->show();
        return dialog;
    }
    void attempt(const QString &code, const QString &password)
    {
        ui::setText(ui::find(dialog, "Edit1"), code);
        ui::setText(ui::find(dialog, "Edit2"), password);
        ui::click(dialog, "登录");
    }
    bool stillOpen() const { return dialog && dialog->isVisible(); }

    FakeTarget target;
    QPointer<Tloginfm> dialog;
};

TEST_F(LoginTest, CodeTypedInCapitalsLogsInAsTheStoredCode)
{
    open();
    EXPECT_FALSE(loggedInOperator().loggedIn) << "nobody is logged in while the dialog is open";
    attempt("ADMIN", "1");
    EXPECT_FALSE(stillOpen());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(loggedInOperator().loggedIn);
    EXPECT_EQ(loggedInOperator().code, "admin");
    EXPECT_EQ(loggedInOperator().number, "001");
    EXPECT_TRUE(target.room->isEnabled()) << "admin's grants were applied";
    EXPECT_EQ(target.code, "admin");
    EXPECT_EQ(target.date, QDate(2024, 3, 5));
    EXPECT_EQ(target.alarmStarts, 1);
    EXPECT_TRUE(prompts.notices().isEmpty());
}

TEST_F(LoginTest, RefusalsThatAreNotAttempts)
{
    open();
    struct Case {
        QString code, password, message, title;
    };
    const QList<Case> cases = {
        {"", "1", "请输和用户名和密码", "禾川房屋出租管理系统"},
        {"admin", "", "请输和用户名和密码", "禾川房屋出租管理系统"},
        {"admin", "1a", "密码必须为数字值！", "提示"},
        {"admin", "abc", "密码必须为数字值！", "提示"},
        {"admin", "99999999999", "密码必须为数字值！", "提示"},
    };
    for (const Case &c : cases) {
        prompts.clear();
        attempt(c.code, c.password);
        ASSERT_EQ(prompts.records.size(), 1) << c.password.toStdString();
        EXPECT_EQ(prompts.records[0].text, c.message);
        EXPECT_EQ(prompts.records[0].title, c.title);
    }
    EXPECT_TRUE(stillOpen()) << "five refusals, none of them counted";
    EXPECT_EQ(dialog->failedAttempts(), 0);
    EXPECT_FALSE(loggedInOperator().loggedIn);
}

TEST_F(LoginTest, ThirdFailedAttemptClosesTheDialogWithNobodyLoggedIn)
{
    open();
    attempt("nobody", "1");
    EXPECT_EQ(prompts.lastNotice(), "用户或密码输入不对！");
    attempt("admin", "2");
    EXPECT_EQ(prompts.lastNotice(), "口令错误!,请核对后重新输入！");
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(ui::text(ui::find(dialog, "Edit1")), "admin") << "the boxes keep their text";
    attempt("zhang", "26");
    EXPECT_EQ(prompts.lastNotice(), "口令错误!,请核对后重新输入！");
    EXPECT_FALSE(stillOpen());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(loggedInOperator().loggedIn);
    EXPECT_EQ(target.alarmStarts, 0);
    EXPECT_TRUE(target.code.isEmpty());
}

TEST_F(LoginTest, TwoFailuresThenTheRightPasswordLogIn)
{
    open();
    attempt("zhang", "1");
    attempt("zhangsan", "25");
    attempt("zhang", "25");
    EXPECT_FALSE(stillOpen());
    EXPECT_TRUE(loggedInOperator().loggedIn);
    EXPECT_EQ(loggedInOperator().code, "zhang");
    EXPECT_EQ(loggedInOperator().number, "002");
    EXPECT_FALSE(target.room->isEnabled()) << "zhang has no grants";
}

TEST_F(LoginTest, ExitLeavesNobodyLoggedIn)
{
    open();
    ui::click(dialog, "退出");
    EXPECT_FALSE(stillOpen());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(loggedInOperator().loggedIn);
}

TEST_F(LoginTest, HintNamesTheDefaultPasswordOnlyWhileAdminStillHasIt)
{
    open();
    auto *hint = ui::find<QLabel>(dialog, "lts");
    EXPECT_EQ(hint->text(), "注：用户代码为“admin”口令“1”");
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(ui::find(dialog, "lts2")->isVisible());
    delete dialog;

    exec("update userk set pd='739' where dm='admin'");
    open();
    EXPECT_FALSE(ui::find(dialog, "lts")->isVisible());
    EXPECT_FALSE(ui::find(dialog, "lts2")->isVisible());
}

TEST_F(LoginTest, EnterMovesFromCodeToPasswordAndThenLogsIn)
{
    open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto *code = ui::find<QLineEdit>(dialog, "Edit1");
    auto *password = ui::find<QLineEdit>(dialog, "Edit2");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);

    code->setFocus();
    ui::key(code, Qt::Key_Return);
    EXPECT_TRUE(code->hasFocus()) << "an empty code box keeps the focus";
    ui::type(code, "admin");
    ui::key(code, Qt::Key_Return);
    EXPECT_TRUE(password->hasFocus());
    EXPECT_TRUE(stillOpen()) << "Enter in the code box does not log in";
    ui::key(password, Qt::Key_Return);
    EXPECT_TRUE(stillOpen()) << "an empty password does not log in";
    EXPECT_TRUE(prompts.notices().isEmpty());
    ui::key(password, Qt::Key_Escape);
    EXPECT_TRUE(stillOpen()) << "Escape does not leave the login";
    ui::type(password, "1");
    ui::key(password, Qt::Key_Return);
    EXPECT_FALSE(stillOpen());
    EXPECT_TRUE(loggedInOperator().loggedIn);
}

TEST_F(LoginTest, DatabaseErrorStopsTheAttemptAndKeepsTheDialog)
{
    open();
    exec("alter table userk rename to userk_gone");
    ui::setText(ui::find(dialog, "Edit1"), "admin");
    ui::setText(ui::find(dialog, "Edit2"), "1");
    EXPECT_THROW(dialog->spSkinButton3Click(), DbError);
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(dialog->failedAttempts(), 0);
    EXPECT_FALSE(loggedInOperator().loggedIn);
}
