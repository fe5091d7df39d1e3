// The prompter that shows real Qt message boxes and dialogs.
#pragma once
#include "common/prompter.h"

class QtPrompter : public Prompter
{
public:
    void notice(const QString &text, const QString &title, Icon icon) override;
    bool ask(const QString &text, const QString &title) override;
    QString saveFile(const QString &caption, const QString &dir, const QString &filter) override;
    QString openFile(const QString &caption, const QString &dir, const QString &filter) override;
    QString chooseFolder(const QString &caption, const QString &dir) override;
    bool inputText(const QString &caption, const QString &label, QString *text) override;
};
