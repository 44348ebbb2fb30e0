#include "removal.h"

#include "platform/guard.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "platform/system.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace uninstaller {

namespace {
constexpr std::string_view shellFoldersKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view uninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\zelmo_dan";
constexpr std::string_view shortcutName = "\\ゼルモ団.lnk";

fs::path withoutTrailingSeparators(fs::path path)
{
    std::string text = path.native();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return fs::path(text);
}

// The home folder the programs use and the one the password database names; either may be
// what the user thinks of as home.
std::vector<fs::path> homeFolders()
{
    std::vector<fs::path> homes{platform::homeFolder()};
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir)
        homes.emplace_back(entry->pw_dir);
    std::vector<fs::path> resolved;
    for (const fs::path &home : homes) {
        resolved.push_back(withoutTrailingSeparators(home.lexically_normal()));
        std::error_code ec;
        if (fs::path real = fs::canonical(home, ec); !ec)
            resolved.push_back(real);
    }
    return resolved;
}

bool isSameOrAbove(const fs::path &folder, const fs::path &other)
{
    auto [end, unused] = std::mismatch(folder.begin(), folder.end(), other.begin(), other.end());
    return end == folder.end();
}
} // namespace

std::string shortcutPath(std::string_view folder)
{
    if (folder.empty())
        return {};
    return std::string(folder) + std::string(shortcutName);
}

void readShortcutPaths(RemovalTexts &texts)
{
    platform::TRegistry registry(platform::HKEY_CURRENT_USER);
    registry.OpenKey(shellFoldersKey, false);
    texts.desktopShortcut = shortcutPath(registry.ReadString("Desktop"));
    texts.programsShortcut = shortcutPath(registry.ReadString("Programs"));
}

void readFolderAndEraseSettings(RemovalTexts &texts)
{
    platform::TRegIniFile settings(platform::HKEY_CURRENT_USER, "Software");
    texts.installationFolder = settings.ReadString("zelmo_dan", "Path", "");
    settings.EraseSection("zelmo_dan");
}

void deleteShortcut(const std::string &path)
{
    if (path.empty())
        return;
    const fs::path file = platform::nativePath(path);
    if (platform::fileExists(file))
        platform::deleteForGood(file);
}

std::optional<fs::path> deletableFolder(std::string_view pathValue)
{
    const fs::path path = withoutTrailingSeparators(platform::nativePath(pathValue));
    if (path.empty() || !path.is_absolute())
        return std::nullopt;
    const fs::path name = path.filename();
    if (name.empty() || name == "." || name == "..")
        return std::nullopt;
    std::error_code ec;
    const fs::path parent = fs::canonical(path.parent_path(), ec);
    if (ec)
        return std::nullopt;
    const fs::path folder = parent / name;
    for (const fs::path &home : homeFolders()) {
        if (isSameOrAbove(folder, home))
            return std::nullopt;
    }
    return folder;
}

void deleteInstallationFolder(const std::string &pathValue)
{
    if (!platform::directoryExists(platform::nativePath(pathValue)))
        return;
    if (const std::optional<fs::path> folder = deletableFolder(pathValue))
        platform::deleteForGood(*folder);
}

void deleteUninstallEntry() noexcept
{
    try {
        platform::TRegistry registry(platform::HKEY_LOCAL_MACHINE);
        registry.DeleteKey(uninstallKey);
    } catch (...) {
    }
}

void removeInstallation()
{
    RemovalTexts texts;
    platform::guarded([&] { readShortcutPaths(texts); });
    platform::guarded([&] { readFolderAndEraseSettings(texts); });
    platform::guarded([&] { deleteShortcut(texts.desktopShortcut); });
    platform::guarded([&] { deleteShortcut(texts.programsShortcut); });
    platform::guarded([&] { deleteInstallationFolder(texts.installationFolder); });
    deleteUninstallEntry();
}

} // namespace uninstaller
