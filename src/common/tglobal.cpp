#include "common/tglobal.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <utility>
#include <vector>

namespace {
TGlobal *instance = nullptr;

bool isJudgeHeader(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']') && t.mid(1, t.size() - 2).trimmed().compare("judge", Qt::CaseInsensitive) == 0;
}

bool isHeader(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace("\r\n", "\n");
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

TGlobal::TGlobal(const QString &path) : m_path(path)
{
    load();
    instance = this;
}

TGlobal::~TGlobal()
{
    save();
    if (instance == this)
        instance = nullptr;
}

void TGlobal::load()
{
    const std::vector<std::pair<QString, QString *>> keys = {
        {"server_name", &server_name}, {"strfd", &strfd}, {"strzdjf", &strzdjf}, {"strlab1", &strlab1},
        {"strlab2", &strlab2}, {"strlab3", &strlab3}, {"strlab4", &strlab4}, {"strmj", &strmj},
        {"strdysd", &strdysd}};
    bool inJudge = false;
    for (const QString &line : readLines(m_path)) {
        if (isHeader(line)) {
            inJudge = isJudgeHeader(line);
            continue;
        }
        const int eq = line.indexOf('=');
        if (!inJudge || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        for (const auto &[name, value] : keys)
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                *value = line.mid(eq + 1).trimmed();
    }
}

bool TGlobal::save() const
{
    QStringList judge{"[Judge]"};
    const std::vector<std::pair<QString, QString>> keys = {
        {"server_name", server_name}, {"strfd", strfd}, {"strzdjf", strzdjf}, {"strlab1", strlab1},
        {"strlab2", strlab2}, {"strlab3", strlab3}, {"strlab4", strlab4}, {"strmj", strmj}, {"strdysd", strdysd}};
    for (const auto &[name, value] : keys)
        judge << name + "=" + value;

    // Other sections of the file survive; the judge section is replaced where it stood.
    QStringList out;
    bool inJudge = false, written = false;
    for (const QString &line : readLines(m_path)) {
        if (isHeader(line)) {
            inJudge = isJudgeHeader(line);
            if (inJudge && !written) {
                out << judge;
                written = true;
            }
            if (inJudge)
                continue;
        }
        if (!inJudge)
            out << line;
    }
    if (!written) {
        if (!out.isEmpty() && !out.last().trimmed().isEmpty())
            out << QString();
        out << judge;
    }
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write((out.join("\r\n") + "\r\n").toUtf8());
    return f.commit();
}

TGlobal &global()
{
    Q_ASSERT(instance);
    return *instance;
}

bool hasGlobal()
{
    return instance != nullptr;
}
