#include "installation.h"

#include "platform/registry.h"
#include "platform/system.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using platform::registry::Hive;

namespace testing_support {

namespace {
const std::vector<std::string> variables = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                            "ZELMO_REGISTRY_DIR"};

void writeFile(const fs::path &path, const std::string &content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::optional<std::string> readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

Hive hive(bool localMachine)
{
    return Hive(localMachine ? platform::HKEY_LOCAL_MACHINE : platform::HKEY_CURRENT_USER);
}

std::string readString(bool localMachine, const std::string &key, const std::string &name)
{
    const auto value = hive(localMachine).readValue(key, name);
    return value ? platform::registry::stringOf(*value) : std::string("<missing>");
}

void dumpKey(Hive &h, const std::string &key, std::ostringstream &out)
{
    out << "[" << key << "]\n";
    for (const std::string &name : h.valueNames(key)) {
        const auto value = h.readValue(key, name);
        out << "  " << name << " type " << value->type << ":";
        for (unsigned byte : value->data)
            out << ' ' << byte;
        out << '\n';
    }
    for (const std::string &sub : h.subKeyNames(key))
        dumpKey(h, key.empty() ? sub : key + "\\" + sub, out);
}

fs::path appsFolder(const fs::path &root)
{
    return root / "apps";
}
} // namespace

void pointEnvironmentAt(const fs::path &root)
{
    setenv("HOME", (root / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "home" / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (root / "home" / ".local" / "share").c_str(), 1);
    setenv("ZELMO_REGISTRY_DIR", (root / "registry").c_str(), 1);
}

TempEnvironment::TempEnvironment()
{
    std::string pattern = (fs::temp_directory_path() / "unzelmo_test_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    m_root = pattern;
    for (const std::string &name : variables) {
        const char *value = std::getenv(name.c_str());
        m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    fs::create_directories(home());
    fs::create_directories(m_root / "registry");
    pointEnvironmentAt(m_root);
}

TempEnvironment::~TempEnvironment()
{
    for (const auto &[name, value] : m_saved) {
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
    std::error_code ec;
    fs::remove_all(m_root, ec);
}

Installation installationIn(const fs::path &root)
{
    return {appsFolder(root) / "zelmo_dan", platform::desktopFolder() / "ゼルモ団.lnk",
            platform::programsFolder() / "ゼルモ団.lnk"};
}

void writeString(bool localMachine, const std::string &key, const std::string &name,
                 const std::string &text)
{
    Hive h = hive(localMachine);
    h.createKey(key);
    h.writeValue(key, name, platform::registry::stringValue(text));
}

void writeDword(bool localMachine, const std::string &key, const std::string &name, int value)
{
    Hive h = hive(localMachine);
    h.createKey(key);
    h.writeValue(key, name, platform::registry::dwordValue(value));
}

Installation install(const fs::path &root)
{
    const Installation at = installationIn(root);
    writeFile(at.folder / "zelmo_dan", "program");
    writeFile(at.folder / "readme.txt", "readme");
    writeFile(at.folder / "data" / "words.txt", "words");
    writeFile(at.folder / "data" / "deeper" / "kanji.txt", "kanji");
    fs::create_directories(at.folder / "empty");
    writeFile(at.desktopShortcut, "[Desktop Entry]\n");
    writeFile(at.programsShortcut, "[Desktop Entry]\n");

    writeString(false, settingsKey, "Path", at.folder.string());
    writeString(false, settingsKey, "SoundPlay", "1");
    writeDword(false, settingsKey, "HiScoreRomajiKiso", 1200);
    writeString(false, std::string(settingsKey) + "\\Extra", "Note", "kept by the game");
    writeString(true, uninstallKey, "DisplayName", "ゼルモ団");
    writeString(true, uninstallKey, "UninstallString", (at.folder / "Unzelmo").string());
    writeString(true, std::string(uninstallKey) + "\\Details\\Deep", "Level", "3");

    writeFile(appsFolder(root) / "other_app" / "keep.txt", "neighbour");
    writeFile(appsFolder(root) / "keep.txt", "neighbour");
    writeFile(at.desktopShortcut.parent_path() / "other.desktop", "neighbour");
    writeFile(at.programsShortcut.parent_path() / "other.desktop", "neighbour");
    writeString(false, "Software\\zelmo_dan2", "Keep", "neighbour");
    writeString(false, "Software\\OtherApp", "Keep", "neighbour");
    writeString(true, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\other_program",
                "Keep", "neighbour");
    return at;
}

Presence presence(const fs::path &root)
{
    const Installation at = installationIn(root);
    Presence p;
    p.settingsKey = hive(false).keyExists(settingsKey);
    p.desktopShortcut = fs::exists(fs::symlink_status(at.desktopShortcut));
    p.programsShortcut = fs::exists(fs::symlink_status(at.programsShortcut));
    p.folder = fs::exists(fs::symlink_status(at.folder));
    p.uninstallEntry = hive(true).keyExists(uninstallKey);
    const std::optional<std::string> neighbour = "neighbour";
    p.neighboursIntact =
        readFile(appsFolder(root) / "other_app" / "keep.txt") == neighbour &&
        readFile(appsFolder(root) / "keep.txt") == neighbour &&
        readFile(at.desktopShortcut.parent_path() / "other.desktop") == neighbour &&
        readFile(at.programsShortcut.parent_path() / "other.desktop") == neighbour &&
        readString(false, "Software\\zelmo_dan2", "Keep") == "neighbour" &&
        readString(false, "Software\\OtherApp", "Keep") == "neighbour" &&
        readString(true, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\other_program",
                   "Keep") == "neighbour";
    return p;
}

std::string describe(const Presence &p)
{
    std::ostringstream out;
    out << "settings key " << p.settingsKey << ", desktop shortcut " << p.desktopShortcut
        << ", programs shortcut " << p.programsShortcut << ", folder " << p.folder
        << ", uninstall entry " << p.uninstallEntry << ", neighbours intact " << p.neighboursIntact;
    return out.str();
}

std::string snapshot(const fs::path &root)
{
    std::ostringstream out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const fs::path relative = it->path().lexically_relative(root);
        if (relative == "registry" || relative == fs::path("home") / ".cache") {
            it.disable_recursion_pending();
            continue;
        }
        out << relative.string();
        if (it->is_symlink())
            out << " -> " << fs::read_symlink(it->path()).string();
        else if (it->is_regular_file())
            out << " = " << readFile(it->path()).value_or("<unreadable>");
        out << '\n';
    }
    for (bool localMachine : {false, true}) {
        Hive h = hive(localMachine);
        dumpKey(h, "", out);
    }
    return out.str();
}

} // namespace testing_support
