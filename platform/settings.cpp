#include "settings.h"

#include "errors.h"

#include <array>
#include <bit>
#include <utility>

namespace platform {

using registry::BadHiveFile;
using registry::Hive;
using registry::Value;

namespace {

Error wrongType(std::string_view name)
{
    return Error(ErrorKind::Registry, formatMessage("'%s' のデータ型が不正です", name));
}

Error readFailed(std::string_view name)
{
    return Error(ErrorKind::Registry, formatMessage("'%s' の取得に失敗しました", name));
}

Error createFailed(std::string_view section)
{
    return Error(ErrorKind::Registry, formatMessage("キー %s の作成に失敗しました", section));
}

Error setFailed(std::string_view name)
{
    return Error(ErrorKind::Registry, formatMessage("'%s' の設定に失敗しました", name));
}

std::string joinPath(std::string_view key, std::string_view sub)
{
    if (key.empty())
        return std::string(sub);
    if (sub.empty())
        return std::string(key);
    std::string path(key);
    if (!path.ends_with('\\'))
        path += '\\';
    path += sub.starts_with('\\') ? sub.substr(1) : sub;
    return path;
}

std::string readString(const Value &v, std::string_view name)
{
    if (v.type != registry::REG_SZ && v.type != registry::REG_EXPAND_SZ)
        throw wrongType(name);
    return registry::stringOf(v);
}

// The data of a value read into a buffer of `size` bytes: longer data does not fit, and the
// type must be the one asked for.
void checkFits(const Value &v, std::uint32_t type, std::size_t size, std::string_view name)
{
    if (v.data.size() > size)
        throw readFailed(name);
    if (v.type != type)
        throw wrongType(name);
}

} // namespace

TRegistryIniFile::TRegistryIniFile(RootKey root, std::string key)
    : m_root(root), m_key(std::move(key))
{}

std::string TRegistryIniFile::sectionPath(std::string_view section) const
{
    return joinPath(m_key, section);
}

bool TRegistryIniFile::ReadBool(std::string_view section, std::string_view name, bool def)
{
    return ReadInteger(section, name, def ? 1 : 0) != 0;
}

std::int32_t TRegistryIniFile::ReadInteger(std::string_view section, std::string_view name,
                                           std::int32_t def)
{
    auto v = Hive(m_root).readValue(sectionPath(section), name);
    if (!v)
        return def;
    if (v->type == registry::REG_SZ) {
        try {
            return parseInteger(registry::stringOf(*v));
        } catch (const Error &) {
            return def;
        }
    }
    checkFits(*v, registry::REG_DWORD, 4, name);
    // A shorter DWORD reads as its bytes with zeros above them.
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < v->data.size(); ++i)
        bits |= std::uint32_t{v->data[i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

double TRegistryIniFile::ReadTime(std::string_view section, std::string_view name, double def)
{
    auto v = Hive(m_root).readValue(sectionPath(section), name);
    if (!v)
        return def;
    checkFits(*v, registry::REG_BINARY, 8, name);
    if (v->data.size() != 8)
        throw wrongType(name);
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= std::uint64_t{v->data[i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

void TRegistryIniFile::write(std::string_view section, std::string_view name, const Value &value)
{
    const std::string path = sectionPath(section);
    Hive hive(m_root);
    try {
        hive.createKey(path);
    } catch (const BadHiveFile &) {
        throw;
    } catch (const Error &) {
        throw createFailed(section);
    }
    try {
        hive.writeValue(path, name, value);
    } catch (const BadHiveFile &) {
        throw;
    } catch (const Error &) {
        throw setFailed(name);
    }
}

void TRegistryIniFile::WriteBool(std::string_view section, std::string_view name, bool value)
{
    write(section, name, registry::stringValue(value ? "1" : "0"));
}

void TRegistryIniFile::WriteInteger(std::string_view section, std::string_view name,
                                    std::int32_t value)
{
    auto existing = Hive(m_root).readValue(sectionPath(section), name);
    if (existing && existing->type == registry::REG_SZ)
        write(section, name, registry::stringValue(std::to_string(value)));
    else
        write(section, name, registry::dwordValue(value));
}

void TRegistryIniFile::WriteTime(std::string_view section, std::string_view name, double value)
{
    auto bits = std::bit_cast<std::uint64_t>(value);
    std::array<std::uint8_t, 8> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    write(section, name, registry::binaryValue(bytes));
}

TRegistry::TRegistry(RootKey root) : m_root(root)
{}

std::string TRegistry::fullPath(std::string_view path) const
{
    if (path.starts_with('\\') || !m_open)
        return std::string(path);
    return joinPath(m_currentPath, path);
}

bool TRegistry::OpenKey(std::string_view path, bool canCreate)
{
    std::string full = fullPath(path);
    Hive hive(m_root);
    if (canCreate) {
        try {
            hive.createKey(full);
        } catch (const BadHiveFile &) {
            throw;
        } catch (const Error &) {
            return false;
        }
    } else if (!hive.keyExists(full)) {
        return false;
    }
    m_currentPath = std::move(full);
    m_open = true;
    return true;
}

void TRegistry::CloseKey()
{
    m_open = false;
    m_currentPath.clear();
}

std::string TRegistry::ReadString(std::string_view name)
{
    if (!m_open)
        return {};
    auto v = Hive(m_root).readValue(m_currentPath, name);
    return v ? readString(*v, name) : std::string();
}

bool TRegistry::DeleteKey(std::string_view path)
{
    return Hive(m_root).deleteKey(fullPath(path));
}

TRegIniFile::TRegIniFile(RootKey root, std::string key) : m_root(root), m_key(std::move(key))
{}

std::string TRegIniFile::ReadString(std::string_view section, std::string_view name,
                                    std::string_view def)
{
    auto v = Hive(m_root).readValue(joinPath(m_key, section), name);
    return v ? readString(*v, name) : std::string(def);
}

void TRegIniFile::EraseSection(std::string_view section)
{
    Hive(m_root).deleteKey(joinPath(m_key, section));
}

} // namespace platform
