// Every message, question, file dialog and input box of the program goes through the prompter,
// so tests can script the person's answers.
#pragma once
#include <QString>

class QWidget;

class Prompter
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~Prompter() = default;
    // A plain message with an OK button. An empty title means the application title.
    virtual void notice(const QString &text, const QString &title = QString(), Icon icon = Icon::None) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString &text, const QString &title = QStringLiteral("询问")) = 0;
    // File dialogs: an empty result means cancelled. filter is in Qt form "Excel文件(*.xls)".
    virtual QString saveFile(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString openFile(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString chooseFolder(const QString &caption, const QString &dir) = 0;
    // A line of text; false when cancelled.
    virtual bool inputText(const QString &caption, const QString &label, QString *text) = 0;
};

// The installed prompter (the Qt one unless a test installed its own).
Prompter &prompter();
// Installs p (not owned); nullptr restores the Qt prompter.
void setPrompter(Prompter *p);

// The application title every message box without a title of its own carries.
QString applicationTitle();
