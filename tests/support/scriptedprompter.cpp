#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

void ScriptedPrompter::notice(const QString &text, const QString &title, Icon icon)
{
    records << PromptRecord{"notice", title.isEmpty() ? applicationTitle() : title, text, icon};
}

bool ScriptedPrompter::ask(const QString &text, const QString &title)
{
    records << PromptRecord{"ask", title, text, Icon::Question};
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    return m_answers.dequeue();
}

QString ScriptedPrompter::saveFile(const QString &caption, const QString &, const QString &filter)
{
    records << PromptRecord{"saveFile", caption, filter, Icon::None};
    if (m_files.isEmpty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return QString();
    }
    return m_files.dequeue();
}

QString ScriptedPrompter::openFile(const QString &caption, const QString &, const QString &filter)
{
    records << PromptRecord{"openFile", caption, filter, Icon::None};
    if (m_files.isEmpty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return QString();
    }
    return m_files.dequeue();
}

QString ScriptedPrompter::chooseFolder(const QString &caption, const QString &)
{
    records << PromptRecord{"chooseFolder", caption, QString(), Icon::None};
    if (m_files.isEmpty()) {
        ADD_FAILURE() << "unexpected folder dialog";
        return QString();
    }
    return m_files.dequeue();
}

bool ScriptedPrompter::inputText(const QString &caption, const QString &label, QString *text)
{
    records << PromptRecord{"inputText", caption, label, Icon::None};
    if (m_texts.isEmpty()) {
        ADD_FAILURE() << "unexpected input box: " << label.toStdString();
        return false;
    }
    *text = m_texts.dequeue();
    return true;
}

QStringList ScriptedPrompter::notices() const
{
    QStringList out;
    for (const auto &r : records)
        if (r.kind == "notice")
            out << r.text;
    return out;
}

QString ScriptedPrompter::lastNotice() const
{
    const QStringList n = notices();
    return n.isEmpty() ? QString() : n.last();
}

QStringList ScriptedPrompter::questions() const
{
    QStringList out;
    for (const auto &r : records)
        if (r.kind == "ask")
            out << r.text;
    return out;
}
