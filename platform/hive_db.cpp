#include "hive_db.h"

#include "registry.h"

#include <sqlite3.h>

#include <utility>

namespace platform::registry {

namespace {
// How long one process waits for the other's transaction before giving up.
constexpr int busyTimeoutMs = 10000;
} // namespace

HiveDb::HiveDb(std::filesystem::path file, bool create) : m_file(std::move(file))
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(m_file.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        // A failed open still hands out a connection, which the destructor will not see.
        std::string detail = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close_v2(m_db);
        raise(m_file, rc, detail);
    }
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
}

HiveDb::~HiveDb()
{
    sqlite3_close_v2(m_db);
}

void HiveDb::exec(const char *sql)
{
    int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

std::int64_t HiveDb::changes() const
{
    return sqlite3_changes64(m_db);
}

std::int64_t HiveDb::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

void HiveDb::fail(int rc) const
{
    raise(m_file, rc, sqlite3_errmsg(m_db));
}

void HiveDb::raise(const std::filesystem::path &file, int rc, const std::string &detail)
{
    int primary = rc & 0xff;
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        throw BadHiveFile(file, detail);
    throw Error(ErrorKind::Registry,
                "The registry file " + file.string() + " cannot be used: " + detail, rc);
}

Statement::Statement(HiveDb &db, const char *sql) : m_db(db)
{
    int rc = sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc);
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement &Statement::bindInt(int index, std::int64_t value)
{
    if (int rc = sqlite3_bind_int64(m_stmt, index, value); rc != SQLITE_OK)
        m_db.fail(rc);
    return *this;
}

Statement &Statement::bindBlob(int index, std::span<const std::uint8_t> bytes)
{
    // An empty blob still binds as a blob, never as NULL.
    static const std::uint8_t none = 0;
    const void *data = bytes.empty() ? &none : bytes.data();
    if (int rc = sqlite3_bind_blob64(m_stmt, index, data, bytes.size(), SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        m_db.fail(rc);
    return *this;
}

Statement &Statement::bindBlob(int index, std::string_view bytes)
{
    return bindBlob(index,
                    std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()));
}

bool Statement::step()
{
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.fail(rc);
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

std::string Statement::blobText(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_stmt, column));
    auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
    return data ? std::string(data, size) : std::string();
}

std::vector<std::uint8_t> Statement::blob(int column) const
{
    const auto *data = static_cast<const std::uint8_t *>(sqlite3_column_blob(m_stmt, column));
    auto size = static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column));
    return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

Transaction::Transaction(HiveDb &db, bool write) : m_db(db)
{
    db.exec(write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.exec("COMMIT");
    m_open = false;
}

} // namespace platform::registry
