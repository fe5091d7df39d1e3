// Login dialog: the operator identifies with code and numeric password; three failed attempts,
// the exit button or closing the dialog leave nobody logged in, which ends the program.
#pragma once
#include <QDialog>

class LoginTarget;
class QLabel;
class QLineEdit;
class QPushButton;

class Tloginfm : public QDialog
{
    Q_OBJECT
public:
    explicit Tloginfm(LoginTarget &target, QWidget *parent = nullptr);

    int failedAttempts() const { return m_failed; }

public slots:
    // "登录"
    void spSkinButton3Click();
    // "退出"
    void spSkinButton1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildLayout();
    void showHintWhenDefaultPassword();
    void codeEntered();
    void passwordEntered();
    void attemptFailed(const QString &message);
    void loggedIn(const QString &code, const QString &number);

    LoginTarget &m_target;
    int m_failed = 0;
    QLabel *Label1, *Label2, *lts, *lts2;
    QLineEdit *Edit1, *Edit2;
    QPushButton *spSkinButton3, *spSkinButton1;
};
