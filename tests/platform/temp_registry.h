#pragma once
// Test fixtures: an environment variable set for one scope, and a registry (both hives) in a
// fresh temporary folder that ZELMO_REGISTRY_DIR points at.

#include "platform/registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

class ScopedEnv
{
public:
    // Sets name to value, or unsets it when value is null; the old state comes back at the end.
    ScopedEnv(const char *name, const char *value) : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

class TempDir
{
public:
    TempDir()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zelmo_test_XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

class TempRegistry
{
public:
    TempRegistry() : m_env("ZELMO_REGISTRY_DIR", m_dir.path().c_str()) {}
    const std::filesystem::path &dir() const { return m_dir.path(); }
    std::filesystem::path file(platform::RootKey root) const
    {
        return platform::registry::hivePath(root);
    }

private:
    TempDir m_dir;
    ScopedEnv m_env;
};

inline std::string readFile(const std::filesystem::path &path)
{
    std::error_code ec;
    std::string bytes(std::filesystem::file_size(path, ec), '\0');
    if (ec)
        return {};
    std::ifstream(path, std::ios::binary).read(bytes.data(), static_cast<long>(bytes.size()));
    return bytes;
}

inline void writeFile(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
