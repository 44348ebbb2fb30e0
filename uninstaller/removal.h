#pragma once
// The uninstaller's removal: the shortcut paths, the settings key with the installation
// folder's path, the shortcuts, the folder and the uninstall entry. Plain C++, no window.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace uninstaller {

// The three texts the removal keeps while it runs; an empty text names nothing.
struct RemovalTexts
{
    std::string desktopShortcut;
    std::string programsShortcut;
    std::string installationFolder;
};

// The shortcut's path in a folder as the Shell Folders value gives it; empty when the value is
// empty, so that no shortcut is looked for at the root.
std::string shortcutPath(std::string_view folder);

// Reads the Shell Folders values `Desktop` and `Programs` into the shortcut paths.
void readShortcutPaths(RemovalTexts &texts);

// Reads `Path` of the game's settings key as the installation folder, then deletes the key
// with all its values and subkeys.
void readFolderAndEraseSettings(RemovalTexts &texts);

// Deletes the shortcut for good when a file is there.
void deleteShortcut(const std::string &path);

// The folder that a `Path` value names, where it may be deleted: never an empty or relative
// path, the root, the user's home folder or a folder above it (links in the path resolved as
// the system resolves them; a link at its end stays a link).
std::optional<std::filesystem::path> deletableFolder(std::string_view pathValue);

// Deletes the installation folder with everything in it, for good, when a folder is there and
// it may be deleted.
void deleteInstallationFolder(const std::string &pathValue);

// Deletes the system's uninstall entry where the user may; a failure goes unreported.
void deleteUninstallEntry() noexcept;

// The whole removal in the order above. Each step is guarded: an error it raises is shown and
// the next step runs all the same.
void removeInstallation();

} // namespace uninstaller
