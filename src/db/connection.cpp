#include "db/connection.h"
#include "db/dberror.h"

#include <sqlcipher/sqlite3.h>

#include <QFileInfo>

namespace {
QString engineText(sqlite3 *db, int rc)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
}

QString quoted(const QString &text)
{
    QString t = text;
    return "'" + t.replace("'", "''") + "'";
}
} // namespace

Connection::~Connection()
{
    close();
}

void Connection::open(const QString &path, const QString &password)
{
    close();
    if (!QFileInfo::exists(path))
        throw DbError(QStringLiteral("数据库文件不存在：%1").arg(path));
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = engineText(db, rc);
        sqlite3_close(db);
        throw DbError(text);
    }
    m_db = db;
    m_path = path;
    try {
        exec("PRAGMA key = " + quoted(password));
        // The key is only tried by the first read: a wrong key or a damaged file fails here.
        exec("select count(*) from sqlite_master");
        exec("PRAGMA foreign_keys = OFF");
        exec("PRAGMA temp_store = MEMORY");
        exec("PRAGMA cache_size = -32768");
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_depth = 0;
    m_rollbackOnly = false;
}

void Connection::exec(const QString &sql)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库没有连接"));
    char *err = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        QString text = err ? QString::fromUtf8(err) : engineText(m_db, rc);
        sqlite3_free(err);
        throw DbError(text);
    }
}

void Connection::begin()
{
    if (m_depth++ == 0) {
        m_rollbackOnly = false;
        exec("BEGIN IMMEDIATE");
    }
}

void Connection::commit()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0)
        return;
    if (m_rollbackOnly) {
        exec("ROLLBACK");
        throw DbError(QStringLiteral("事务已撤销"));
    }
    exec("COMMIT");
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0) {
        // An inner step failed: the whole outer step must not commit.
        m_rollbackOnly = true;
        return;
    }
    m_rollbackOnly = false;
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}
