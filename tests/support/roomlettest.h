// The fixture every test stands on: a temporary program folder with a fresh database, a pinned
// clock, admin logged in, the scripted prompter, and helpers to read rows back with SQL.
#pragma once
#include "support/scriptedprompter.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "common/tglobal.h"
#include "db/tdbhouse.h"

// Readable QString in gtest messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

class RoomletTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Rows of a select, each as the fields' texts (null as empty).
    QList<QStringList> rows(const QString &sql) const;
    // First field of the first row, or empty.
    QString value(const QString &sql) const;
    int count(const QString &table, const QString &where = QString()) const;
    void exec(const QString &sql) const;

    QString folder() const { return m_dir.path() + '/'; }
    // The pinned "now" of every test: 2024-03-05 10:00.
    static QDateTime pinnedNow();

    ScriptedPrompter prompts;
    std::unique_ptr<Tdbhouse> db;
    std::unique_ptr<TGlobal> settings;

private:
    QTemporaryDir m_dir;
};

// A fresh database file at path (copied from one made once per test program).
void makeFreshDatabase(const QString &path);
