#pragma once
// The registry: hives HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, each one SQLite file, holding
// keys (paths of names separated by '\') and typed values. Names compare case-insensitively.

#include "errors.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class RootKey { CurrentUser, LocalMachine };
inline constexpr RootKey HKEY_CURRENT_USER = RootKey::CurrentUser;
inline constexpr RootKey HKEY_LOCAL_MACHINE = RootKey::LocalMachine;

namespace registry {

enum ValueType : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4
};

// A value's type code (codes other than the named ones are kept as they are) and its bytes.
struct Value
{
    std::uint32_t type = REG_NONE;
    std::vector<std::uint8_t> data;
    bool operator==(const Value &) const = default;
};

// A string value: the UTF-8 (or any other) bytes followed by one NUL.
Value stringValue(std::string_view utf8, std::uint32_t type = REG_SZ);
// A REG_DWORD: four bytes, little-endian.
Value dwordValue(std::int32_t v);
Value binaryValue(std::span<const std::uint8_t> bytes);
// The text of a string value: its bytes up to the first NUL.
std::string stringOf(const Value &v);

// The hive's file: $ZELMO_REGISTRY_DIR/hkcu.db or hklm.db when that variable is set; otherwise
// $XDG_CONFIG_HOME/zelmo_dan/hkcu.db (default ~/.config/...) and /var/lib/zelmo_dan/hklm.db.
std::filesystem::path hivePath(RootKey root);

// The error for a hive file that is not a registry database or is damaged; it names the file.
// Such a file is never written to.
class BadHiveFile : public Error
{
public:
    BadHiveFile(const std::filesystem::path &file, const std::string &detail);
};

class HiveDb;

// One open hive file; cheap to make, made per operation step. Every call reads or writes the
// file itself (nothing is cached, so another process's changes show at once) and every write
// is one transaction. Reads of a missing file see an empty hive and create nothing.
// Key paths start at the root; a leading '\' is allowed. HKEY_CURRENT_USER supplies the
// system's Shell Folders values `Desktop` and `Programs` when the file lacks them.
class Hive
{
public:
    explicit Hive(RootKey root);
    ~Hive();
    Hive(const Hive &) = delete;
    Hive &operator=(const Hive &) = delete;

    bool keyExists(std::string_view path);
    // Creates the key with any missing parents; raises a registry error on failure.
    void createKey(std::string_view path);
    std::optional<Value> readValue(std::string_view key, std::string_view name);
    // Sets a value of an existing key (a value of the same name keeps its spelling); raises a
    // registry error on failure.
    void writeValue(std::string_view key, std::string_view name, const Value &v);
    // False when the value is absent or the hive may not be written.
    bool deleteValue(std::string_view key, std::string_view name);
    // Deletes the key with all its subkeys and values; false when it is absent or the hive may
    // not be written. The root itself cannot be deleted.
    bool deleteKey(std::string_view path);
    // Names as created, in case-insensitive order.
    std::vector<std::string> subKeyNames(std::string_view key);
    // Names as created, in the order they were first written.
    std::vector<std::string> valueNames(std::string_view key);
    // Whether this process may write the hive file (or create it where it is missing).
    bool writable();

private:
    HiveDb *forReading();
    HiveDb *forWriting(bool create);
    bool hasSchema(HiveDb &db);
    void ensureSchema(HiveDb &db);
    // Deletes from the key at names in one write transaction, where the hive and the key exist:
    // the step gets the open hive and the key's id and says whether it deleted anything. A bad
    // hive file is raised; any other registry error makes it false.
    using DeleteStep = std::function<bool(HiveDb &db, std::int64_t key)>;
    bool deleteInKey(const std::vector<std::string> &names, const DeleteStep &remove);

    RootKey m_root;
    std::filesystem::path m_file;
    std::unique_ptr<HiveDb> m_db;
};

} // namespace registry
} // namespace platform
