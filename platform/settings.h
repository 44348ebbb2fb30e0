#pragma once
// The registry settings objects the programs use: sections of a key read and written with the
// class library's value-type rules and error texts. Each value opens and closes its own hive.

#include "registry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Settings kept as values of sections (subkeys) of one key, for example HKEY_CURRENT_USER
// "Software". Reads open the section without creating anything; writes create the section
// (with the key) first. All failures raise platform::Error(ErrorKind::Registry).
class TRegistryIniFile
{
public:
    TRegistryIniFile(RootKey root, std::string key);

    // An integer read with the default 1 or 0; on when the integer is not 0.
    bool ReadBool(std::string_view section, std::string_view name, bool def);
    // REG_SZ: its text as a decimal number (the default when it is none); REG_DWORD: its value;
    // missing: the default. Other types "'%s' のデータ型が不正です"; more than 4 bytes of data
    // "'%s' の取得に失敗しました".
    std::int32_t ReadInteger(std::string_view section, std::string_view name, std::int32_t def);
    // A REG_BINARY of exactly 8 bytes: a little-endian IEEE double (a date-time in days).
    double ReadTime(std::string_view section, std::string_view name, double def);
    // REG_SZ "1" or "0".
    void WriteBool(std::string_view section, std::string_view name, bool value);
    // REG_DWORD, or its decimal text as REG_SZ where a REG_SZ of that name exists.
    void WriteInteger(std::string_view section, std::string_view name, std::int32_t value);
    // REG_BINARY, the 8 bytes of the double.
    void WriteTime(std::string_view section, std::string_view name, double value);

private:
    std::string sectionPath(std::string_view section) const;
    void write(std::string_view section, std::string_view name, const registry::Value &value);

    RootKey m_root;
    std::string m_key;
};

// A key opened by path (from the root with a leading '\', else below the open key), its string
// values read and keys deleted; what the uninstaller needs.
class TRegistry
{
public:
    explicit TRegistry(RootKey root);

    // Opens the key, creating it when canCreate is set; false when that fails.
    bool OpenKey(std::string_view path, bool canCreate);
    void CloseKey();
    // A REG_SZ or REG_EXPAND_SZ (unexpanded) up to its first NUL; "" when the value is missing
    // or no key is open. Other types raise "'%s' のデータ型が不正です".
    std::string ReadString(std::string_view name);
    // Deletes the key with all its subkeys and values; false when absent or not permitted.
    bool DeleteKey(std::string_view path);

private:
    std::string fullPath(std::string_view path) const;

    RootKey m_root;
    bool m_open = false;
    std::string m_currentPath;
};

// String settings in sections of one key, and erasing a whole section.
class TRegIniFile
{
public:
    TRegIniFile(RootKey root, std::string key);

    // The string value (as TRegistry::ReadString), or def when the section or value is missing.
    std::string ReadString(std::string_view section, std::string_view name, std::string_view def);
    // Deletes the section's key with all it holds; nothing happens when that fails.
    void EraseSection(std::string_view section);

private:
    RootKey m_root;
    std::string m_key;
};

} // namespace platform
