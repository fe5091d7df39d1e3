#include "access/tloginfm.h"

#include "access/grants.h"
#include "access/logintarget.h"
#include "common/clock.h"
#include "common/loggedinoperator.h"
#include "common/namedbutton.h"
#include "common/prompter.h"
#include "common/values.h"
#include "db/schema.h"
#include "db/tdbhouse.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QLabel *namedLabel(const QString &name, const QString &caption)
{
    auto *l = new QLabel(caption);
    l->setObjectName(name);
    return l;
}
} // namespace

Tloginfm::Tloginfm(LoginTarget &target, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_target(target)
{
    setObjectName("loginfm");
    setWindowTitle("用户登录");
    // Nobody is logged in until this dialog says so.
    loggedInOperator() = LoggedInOperator{};
    buildLayout();
    showHintWhenDefaultPassword();
    connect(Edit1, &QLineEdit::returnPressed, this, &Tloginfm::codeEntered);
    connect(Edit2, &QLineEdit::returnPressed, this, &Tloginfm::passwordEntered);
    connect(spSkinButton3, &QPushButton::clicked, this, &Tloginfm::spSkinButton3Click);
    connect(spSkinButton1, &QPushButton::clicked, this, &Tloginfm::spSkinButton1Click);
}

void Tloginfm::buildLayout()
{
    Label1 = namedLabel("Label1", "用户代码：");
    Label2 = namedLabel("Label2", "口    令:");
    Edit1 = new QLineEdit;
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit;
    Edit2->setObjectName("Edit2");
    Edit2->setEchoMode(QLineEdit::Password);
    Edit2->setStyleSheet("lineedit-password-character: 42;"); // '*'
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Edit1->setAccessibleName(Label1->text());
    Edit2->setAccessibleName(Label2->text());
    lts = namedLabel("lts", QStringLiteral("注：用户代码为“admin”口令“%1”").arg(schema::defaultPassword));
    lts2 = namedLabel("lts2", "请及时更改密码");
    for (QLabel *hint : {lts, lts2})
        hint->setStyleSheet("color: #b03a2e;");
    // Enter belongs to the boxes (code → password → login), never to a default button.
    spSkinButton3 = namedButton(nullptr, "登录", "spSkinButton3");
    spSkinButton1 = namedButton(nullptr, "退出", "spSkinButton1");

    auto *boxes = new QGridLayout;
    boxes->addWidget(Label1, 0, 0);
    boxes->addWidget(Edit1, 0, 1);
    boxes->addWidget(Label2, 1, 0);
    boxes->addWidget(Edit2, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(spSkinButton3);
    buttons->addWidget(spSkinButton1);
    auto *all = new QVBoxLayout(this);
    all->setContentsMargins(24, 20, 24, 16);
    all->setSpacing(10);
    all->addLayout(boxes);
    all->addWidget(lts);
    all->addWidget(lts2);
    all->addLayout(buttons);
    Edit1->setMinimumWidth(170);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Tloginfm::showHintWhenDefaultPassword()
{
    auto &q = dbhouse().userk;
    q.close();
    q.clear();
    q.add("select * from userk where dm=:dm");
    q.param("dm") = QStringLiteral("admin");
    q.open();
    const bool isDefault = !q.isEmpty() && q.field("pd").asString() == QLatin1String(schema::defaultPassword);
    q.close();
    lts->setVisible(isDefault);
    lts2->setVisible(isDefault);
}

void Tloginfm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    Edit1->setFocus();
    // Once more when the window manager has settled the new window.
    QTimer::singleShot(500, Edit1, [e = Edit1] { e->setFocus(); });
}

void Tloginfm::keyPressEvent(QKeyEvent *event)
{
    // Escape does not close the login: leaving it ends the program, which takes 退出 or the
    // window's close button.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tloginfm::codeEntered()
{
    if (!Edit1->text().isEmpty())
        Edit2->setFocus();
}

void Tloginfm::passwordEntered()
{
    if (!Edit1->text().isEmpty() && !Edit2->text().isEmpty())
        spSkinButton3Click();
}

void Tloginfm::spSkinButton3Click()
{
    if (Edit2->text().isEmpty() || Edit1->text().isEmpty()) {
        prompter().notice("请输和用户名和密码");
        Edit1->setFocus();
        return;
    }
    if (!isInteger(Edit2->text())) {
        prompter().notice("密码必须为数字值！", "提示");
        Edit2->setFocus();
        return;
    }
    auto &q = dbhouse().q1;
    q.close();
    q.clear();
    q.add("select * from userk where dm=:tj1 ");
    q.param("tj1") = Edit1->text();
    q.open();
    if (q.isEmpty()) {
        q.close();
        attemptFailed("用户或密码输入不对！");
        return;
    }
    const QString code = q.field("dm").asString();
    const QString number = q.field("userid").asString();
    const bool samePassword = q.field("pd").asString() == Edit2->text();
    q.close();
    if (!samePassword) {
        attemptFailed("口令错误!,请核对后重新输入！");
        return;
    }
    loggedIn(code, number);
}

void Tloginfm::attemptFailed(const QString &message)
{
    prompter().notice(message);
    ++m_failed;
    if (m_failed > 2)
        reject();
}

void Tloginfm::loggedIn(const QString &code, const QString &number)
{
    // The code as stored, not as typed: every czy written afterwards carries it.
    loggedInOperator() = LoggedInOperator{code, number, true};
    if (QMenuBar *bar = m_target.menu())
        applyGrants(*bar, code);
    m_target.setStatusOperator(code, today());
    m_target.startAlarmTimer();
    accept();
}

void Tloginfm::spSkinButton1Click()
{
    reject();
}
