#include "registry.h"

#include "hive_db.h"
#include "key_names.h"
#include "shell_folders.h"
#include "system.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace platform::registry {

namespace {

// Marks a SQLite file as a hive, so that a database of anything else is never taken for one.
constexpr std::int64_t applicationId = 0x5A4C4D52;
// The root key has no row of its own; top-level keys have it as their parent.
constexpr std::int64_t rootId = 0;

// Names are kept as given (any bytes) beside their case-folded form, which they are looked up by.
constexpr const char *schema = R"(
CREATE TABLE hive_key (
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name BLOB NOT NULL,
    fold BLOB NOT NULL,
    UNIQUE (parent, fold)
);
CREATE TABLE hive_value (
    id INTEGER PRIMARY KEY,
    key INTEGER NOT NULL,
    name BLOB NOT NULL,
    fold BLOB NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE (key, fold)
);
PRAGMA user_version = 1;
)";

// Both delete the subtree of key ?1: the key itself and every key below it.
constexpr const char *deleteSubtreeValues =
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT hive_key.id FROM hive_key "
    "JOIN tree ON hive_key.parent = tree.id) "
    "DELETE FROM hive_value WHERE key IN (SELECT id FROM tree)";
constexpr const char *deleteSubtreeKeys =
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT hive_key.id FROM hive_key "
    "JOIN tree ON hive_key.parent = tree.id) "
    "DELETE FROM hive_key WHERE id IN (SELECT id FROM tree)";

std::vector<std::string> validPath(std::string_view path)
{
    auto names = splitKeyPath(path);
    if (!names)
        throw Error(ErrorKind::Registry, "'" + std::string(path) + "' is not a valid key name");
    return *names;
}

Error missingKey(std::string_view path)
{
    return Error(ErrorKind::Registry, "The registry key " + std::string(path) + " does not exist");
}

std::optional<std::int64_t> findChild(HiveDb &db, std::int64_t parent, std::string_view name)
{
    Statement find(db, "SELECT id FROM hive_key WHERE parent = ?1 AND fold = ?2");
    find.bindInt(1, parent).bindBlob(2, foldName(name));
    if (find.step())
        return find.integer(0);
    return std::nullopt;
}

std::optional<std::int64_t> findKey(HiveDb &db, const std::vector<std::string> &names)
{
    std::int64_t id = rootId;
    for (const auto &name : names) {
        auto child = findChild(db, id, name);
        if (!child)
            return std::nullopt;
        id = *child;
    }
    return id;
}

bool mayWrite(const std::filesystem::path &path)
{
    return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace

Value stringValue(std::string_view utf8, std::uint32_t type)
{
    Value v{type, std::vector<std::uint8_t>(utf8.begin(), utf8.end())};
    v.data.push_back(0);
    return v;
}

Value dwordValue(std::int32_t v)
{
    auto bits = static_cast<std::uint32_t>(v);
    return Value{REG_DWORD,
                 {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                  static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)}};
}

Value binaryValue(std::span<const std::uint8_t> bytes)
{
    return Value{REG_BINARY, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

std::string stringOf(const Value &v)
{
    auto end = std::find(v.data.begin(), v.data.end(), std::uint8_t{0});
    return std::string(v.data.begin(), end);
}

std::filesystem::path hivePath(RootKey root)
{
    const bool user = root == RootKey::CurrentUser;
    if (const char *dir = std::getenv("ZELMO_REGISTRY_DIR"); dir && *dir)
        return std::filesystem::absolute(dir) / (user ? "hkcu.db" : "hklm.db");
    if (user)
        return configHome() / "zelmo_dan" / "hkcu.db";
    return "/var/lib/zelmo_dan/hklm.db";
}

BadHiveFile::BadHiveFile(const std::filesystem::path &file, const std::string &detail)
    : Error(ErrorKind::Registry, "The registry file " + file.string() +
                                     " is damaged or is not a registry (" + detail +
                                     "); it was left as it is")
{}

Hive::Hive(RootKey root) : m_root(root), m_file(hivePath(root))
{}

Hive::~Hive() = default;

HiveDb *Hive::forReading()
{
    if (!m_db) {
        std::error_code ec;
        if (!std::filesystem::exists(m_file, ec))
            return nullptr;
        m_db = std::make_unique<HiveDb>(m_file, false);
    }
    return hasSchema(*m_db) ? m_db.get() : nullptr;
}

HiveDb *Hive::forWriting(bool create)
{
    if (!m_db) {
        std::error_code ec;
        const bool exists = std::filesystem::exists(m_file, ec);
        if (!exists) {
            if (!create)
                return nullptr;
            std::filesystem::create_directories(m_file.parent_path(), ec);
            if (ec)
                throw Error(ErrorKind::Registry, "The registry folder " +
                                                     m_file.parent_path().string() +
                                                     " cannot be made: " + ec.message());
        }
        m_db = std::make_unique<HiveDb>(m_file, !exists);
    }
    return m_db.get();
}

bool Hive::hasSchema(HiveDb &db)
{
    Statement id(db, "PRAGMA application_id");
    if (id.step() && id.integer(0) == applicationId)
        return true;
    Statement count(db, "SELECT count(*) FROM sqlite_master");
    if (count.step() && count.integer(0) == 0)
        return false;
    throw BadHiveFile(db.file(), "it is a database of other data");
}

void Hive::ensureSchema(HiveDb &db)
{
    if (hasSchema(db))
        return;
    db.exec(schema);
    db.exec(("PRAGMA application_id = " + std::to_string(applicationId)).c_str());
}

bool Hive::keyExists(std::string_view path)
{
    auto names = splitKeyPath(path);
    if (!names)
        return false;
    if (names->empty() || onShellFoldersPath(m_root, *names))
        return true;
    HiveDb *db = forReading();
    if (!db)
        return false;
    Transaction read(*db, false);
    return findKey(*db, *names).has_value();
}

void Hive::createKey(std::string_view path)
{
    auto names = validPath(path);
    HiveDb &db = *forWriting(true);
    Transaction write(db, true);
    ensureSchema(db);
    std::int64_t id = rootId;
    for (const auto &name : names) {
        if (auto child = findChild(db, id, name)) {
            id = *child;
            continue;
        }
        Statement insert(db, "INSERT INTO hive_key (parent, name, fold) VALUES (?1, ?2, ?3)");
        insert.bindInt(1, id).bindBlob(2, name).bindBlob(3, foldName(name));
        insert.step();
        id = db.lastInsertId();
    }
    write.commit();
}

std::optional<Value> Hive::readValue(std::string_view key, std::string_view name)
{
    auto names = splitKeyPath(key);
    if (!names)
        return std::nullopt;
    if (HiveDb *db = forReading()) {
        Transaction readKey(*db, false);
        if (auto id = findKey(*db, *names)) {
            Statement read(*db, "SELECT type, data FROM hive_value WHERE key = ?1 AND fold = ?2");
            read.bindInt(1, *id).bindBlob(2, foldName(name));
            if (read.step())
                return Value{static_cast<std::uint32_t>(read.integer(0)), read.blob(1)};
        }
    }
    return systemValue(m_root, *names, name);
}

void Hive::writeValue(std::string_view key, std::string_view name, const Value &v)
{
    auto names = validPath(key);
    HiveDb *db = forWriting(names.empty());
    if (!db)
        throw missingKey(key);
    Transaction write(*db, true);
    ensureSchema(*db);
    auto id = findKey(*db, names);
    if (!id)
        throw missingKey(key);
    Statement set(*db, "INSERT INTO hive_value (key, name, fold, type, data) "
                       "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (key, fold) "
                       "DO UPDATE SET type = excluded.type, data = excluded.data");
    set.bindInt(1, *id).bindBlob(2, name).bindBlob(3, foldName(name)).bindInt(4, v.type);
    set.bindBlob(5, std::span(v.data));
    set.step();
    write.commit();
}

bool Hive::deleteValue(std::string_view key, std::string_view name)
{
    auto names = splitKeyPath(key);
    if (!names)
        return false;
    return deleteInKey(*names, [&](HiveDb &db, std::int64_t id) {
        Statement del(db, "DELETE FROM hive_value WHERE key = ?1 AND fold = ?2");
        del.bindInt(1, id).bindBlob(2, foldName(name));
        del.step();
        return db.changes() > 0;
    });
}

bool Hive::deleteKey(std::string_view path)
{
    auto names = splitKeyPath(path);
    if (!names || names->empty())
        return false;
    return deleteInKey(*names, [](HiveDb &db, std::int64_t id) {
        for (const char *sql : {deleteSubtreeValues, deleteSubtreeKeys}) {
            Statement del(db, sql);
            del.bindInt(1, id);
            del.step();
        }
        return true;
    });
}

bool Hive::deleteInKey(const std::vector<std::string> &names, const DeleteStep &remove)
{
    try {
        HiveDb *db = forWriting(false);
        if (!db)
            return false;
        Transaction write(*db, true);
        if (!hasSchema(*db))
            return false;
        auto id = findKey(*db, names);
        if (!id)
            return false;
        const bool deleted = remove(*db, *id);
        write.commit();
        return deleted;
    } catch (const BadHiveFile &) {
        throw;
    } catch (const Error &) {
        return false;
    }
}

std::vector<std::string> Hive::subKeyNames(std::string_view key)
{
    auto names = splitKeyPath(key);
    if (!names)
        return {};
    std::vector<std::pair<std::string, std::string>> found; // fold, name
    if (HiveDb *db = forReading()) {
        Transaction read(*db, false);
        if (auto id = findKey(*db, *names)) {
            Statement list(*db, "SELECT fold, name FROM hive_key WHERE parent = ?1 ORDER BY fold");
            list.bindInt(1, *id);
            while (list.step())
                found.emplace_back(list.blobText(0), list.blobText(1));
        }
    }
    if (auto child = shellFoldersChild(m_root, *names)) {
        std::pair entry(foldName(*child), *child);
        auto at = std::lower_bound(found.begin(), found.end(), entry,
                                   [](const auto &a, const auto &b) { return a.first < b.first; });
        if (at == found.end() || at->first != entry.first)
            found.insert(at, entry);
    }
    std::vector<std::string> out;
    for (auto &entry : found)
        out.push_back(std::move(entry.second));
    return out;
}

std::vector<std::string> Hive::valueNames(std::string_view key)
{
    auto names = splitKeyPath(key);
    if (!names)
        return {};
    std::vector<std::string> out;
    if (HiveDb *db = forReading()) {
        Transaction read(*db, false);
        if (auto id = findKey(*db, *names)) {
            Statement list(*db, "SELECT name FROM hive_value WHERE key = ?1 ORDER BY id");
            list.bindInt(1, *id);
            while (list.step())
                out.push_back(list.blobText(0));
        }
    }
    if (isShellFolders(m_root, *names)) {
        for (std::string_view name : systemValueNames()) {
            if (std::none_of(out.begin(), out.end(),
                             [&](const std::string &have) { return sameName(have, name); }))
                out.emplace_back(name);
        }
    }
    return out;
}

bool Hive::writable()
{
    std::error_code ec;
    if (std::filesystem::exists(m_file, ec))
        return mayWrite(m_file) && mayWrite(m_file.parent_path());
    std::filesystem::path dir = m_file.parent_path();
    while (!std::filesystem::exists(dir, ec) && dir.has_relative_path())
        dir = dir.parent_path();
    return mayWrite(dir);
}

} // namespace platform::registry
