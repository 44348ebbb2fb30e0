#pragma once
// A temporary user environment (home, XDG folders, registry hives) and an installation of the
// game in it as an installer leaves it, with neighbours that the uninstaller must not touch.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A fresh folder with a home, XDG folders and a registry folder in it; the environment points
// at them while the object lives and is put back afterwards.
class TempEnvironment
{
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment &) = delete;
    TempEnvironment &operator=(const TempEnvironment &) = delete;

    const std::filesystem::path &root() const { return m_root; }
    std::filesystem::path home() const { return m_root / "home"; }

private:
    std::filesystem::path m_root;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// Points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and ZELMO_REGISTRY_DIR at folders in root.
void pointEnvironmentAt(const std::filesystem::path &root);

// The places of an installation below root (the environment must point at root).
struct Installation
{
    std::filesystem::path folder;
    std::filesystem::path desktopShortcut;
    std::filesystem::path programsShortcut;
};
Installation installationIn(const std::filesystem::path &root);

// Makes the installation: the folder with files and subfolders, the two shortcuts, the
// settings key with `Path`, values and a subkey, the uninstall entry with subkeys; and beside
// each of them a neighbour. The Shell Folders values are left to the system.
Installation install(const std::filesystem::path &root);

// What of the installation is there, and whether every neighbour is still intact.
struct Presence
{
    bool settingsKey = false;
    bool desktopShortcut = false;
    bool programsShortcut = false;
    bool folder = false;
    bool uninstallEntry = false;
    bool neighboursIntact = false;
    bool operator==(const Presence &) const = default;
};
Presence presence(const std::filesystem::path &root);
std::string describe(const Presence &p);

// Every file, folder and link below root and every key and value of both hives, as text.
std::string snapshot(const std::filesystem::path &root);

// Writes a string value, creating its key.
void writeString(bool localMachine, const std::string &key, const std::string &name,
                 const std::string &text);
void writeDword(bool localMachine, const std::string &key, const std::string &name, int value);

inline constexpr const char *settingsKey = "Software\\zelmo_dan";
inline constexpr const char *shellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char *uninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\zelmo_dan";

} // namespace testing_support
