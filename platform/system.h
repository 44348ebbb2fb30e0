#pragma once
// Folders the desktop system provides: the user's desktop (from the XDG user directories) and
// the folder of the user's application launchers, as the Shell Folders values name them.

#include <filesystem>

namespace platform {

// The user's home folder: $HOME, else the password database's entry.
std::filesystem::path homeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::filesystem::path configHome();
// XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Desktop.
std::filesystem::path desktopFolder();
// $XDG_DATA_HOME/applications (default ~/.local/share/applications).
std::filesystem::path programsFolder();

} // namespace platform
