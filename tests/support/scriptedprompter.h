// A prompter for tests: records every message and answers questions and dialogs from queues.
// A question it was not told to expect fails the test.
#pragma once
#include "common/prompter.h"

#include <QList>
#include <QQueue>
#include <QString>

struct PromptRecord {
    QString kind; // "notice", "ask", "saveFile", "openFile", "chooseFolder", "inputText"
    QString title;
    QString text;
    Prompter::Icon icon = Prompter::Icon::None;
};

class ScriptedPrompter : public Prompter
{
public:
    void notice(const QString &text, const QString &title, Icon icon) override;
    bool ask(const QString &text, const QString &title) override;
    QString saveFile(const QString &caption, const QString &dir, const QString &filter) override;
    QString openFile(const QString &caption, const QString &dir, const QString &filter) override;
    QString chooseFolder(const QString &caption, const QString &dir) override;
    bool inputText(const QString &caption, const QString &label, QString *text) override;

    // Queue the answers of the next questions and dialogs.
    void answer(bool yes) { m_answers.enqueue(yes); }
    void answerFile(const QString &path) { m_files.enqueue(path); }
    void answerText(const QString &text) { m_texts.enqueue(text); }

    QList<PromptRecord> records;
    // The texts of the notices shown so far.
    QStringList notices() const;
    QString lastNotice() const;
    QStringList questions() const;
    void clear() { records.clear(); }
    // True when every queued answer was used.
    bool allAnswered() const { return m_answers.isEmpty() && m_files.isEmpty() && m_texts.isEmpty(); }

private:
    QQueue<bool> m_answers;
    QQueue<QString> m_files;
    QQueue<QString> m_texts;
};
