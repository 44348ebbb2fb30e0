#pragma once
// SQLite's own integrity check of a hive file, for tests that kill or race its writers.

#include <sqlite3.h>

#include <filesystem>
#include <string>

// "ok" for a whole file; otherwise the first problem found, or why the file would not open.
inline std::string integrityCheck(const std::filesystem::path &file)
{
    sqlite3 *db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
        result = sqlite3_step(stmt) == SQLITE_ROW
                     ? reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0))
                     : sqlite3_errmsg(db);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}
