#include "db/connection.h"
#include "db/dberror.h"

#include <sqlcipher/sqlite3.h>

#include <QFileInfo>

#include <cmath>

namespace {
QString engineText(sqlite3 *db, int rc)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
}

// sum() over money adds amounts such as 0.1 many times; the engine's plain running total then
// shows binary noise (5.99999999999999 for sixty lines of 0.1). This sum compensates the
// rounding error of each addition (Neumaier), so a total matches the lines it adds up.
// Like the built-in sum: null over no values, a whole number when every value is whole.
struct SumState {
    double sum, compensation;
    sqlite3_int64 whole;
    int count;
    bool real, overflow;
};

void sumStep(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    auto *s = static_cast<SumState *>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (!s)
        return;
    const int type = sqlite3_value_numeric_type(argv[0]);
    if (type == SQLITE_NULL)
        return;
    ++s->count;
    const double v = sqlite3_value_double(argv[0]);
    if (type == SQLITE_INTEGER && !s->real && !s->overflow) {
        if (__builtin_add_overflow(s->whole, sqlite3_value_int64(argv[0]), &s->whole))
            s->overflow = true;
    } else if (type != SQLITE_INTEGER) {
        s->real = true;
    }
    const double t = s->sum + v;
    s->compensation += std::fabs(s->sum) >= std::fabs(v) ? (s->sum - t) + v : (v - t) + s->sum;
    s->sum = t;
}

void sumFinal(sqlite3_context *ctx)
{
    auto *s = static_cast<SumState *>(sqlite3_aggregate_context(ctx, 0));
    if (!s || s->count == 0)
        sqlite3_result_null(ctx);
    else if (!s->real && !s->overflow)
        sqlite3_result_int64(ctx, s->whole);
    else
        sqlite3_result_double(ctx, s->sum + s->compensation);
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
    // The connection lives on the user-interface thread alone, so the engine's per-call lock
    // (taken for every cell read) is left out.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
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
        sqlite3_create_function(m_db, "sum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr, sumStep,
                                sumFinal);
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
