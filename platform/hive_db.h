#pragma once
// One connection to a hive's SQLite file, with statements and transactions; every SQLite
// failure becomes a registry error that names the file. Used by the registry only.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::registry {

class HiveDb
{
public:
    // Opens an existing file, read-write where the system permits it and read-only otherwise;
    // with create set, a missing file is made (its folder must exist).
    HiveDb(std::filesystem::path file, bool create);
    ~HiveDb();
    HiveDb(const HiveDb &) = delete;
    HiveDb &operator=(const HiveDb &) = delete;

    const std::filesystem::path &file() const { return m_file; }
    sqlite3 *handle() const { return m_db; }
    void exec(const char *sql);
    std::int64_t changes() const;
    std::int64_t lastInsertId() const;

    // Raises the error for a failed SQLite call: BadHiveFile for a file that is not a
    // database or is damaged, a plain registry error otherwise.
    [[noreturn]] void fail(int rc) const;

private:
    [[noreturn]] static void raise(const std::filesystem::path &file, int rc,
                                   const std::string &detail);

    std::filesystem::path m_file;
    sqlite3 *m_db = nullptr;
};

class Statement
{
public:
    Statement(HiveDb &db, const char *sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bindInt(int index, std::int64_t value);
    Statement &bindBlob(int index, std::span<const std::uint8_t> bytes);
    Statement &bindBlob(int index, std::string_view bytes);
    // Runs to the next row; false when there is none (the statement is done).
    bool step();
    // Makes the statement ready to run again with new values.
    void reset();
    std::int64_t integer(int column) const;
    std::string blobText(int column) const;
    std::vector<std::uint8_t> blob(int column) const;

private:
    HiveDb &m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

// A transaction that rolls back unless committed. A write transaction takes the write lock at
// once, so two writers queue instead of failing half way.
class Transaction
{
public:
    Transaction(HiveDb &db, bool write);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    HiveDb &m_db;
    bool m_open = true;
};

} // namespace platform::registry
