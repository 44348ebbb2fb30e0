#include "shell_folders.h"

#include "key_names.h"
#include "system.h"

#include <iterator>

namespace platform::registry {

namespace {

constexpr std::string_view shellFolders[] = {"Software",       "Microsoft", "Windows",
                                             "CurrentVersion", "Explorer",  "Shell Folders"};
constexpr std::size_t shellFoldersDepth = std::size(shellFolders);
constexpr std::string_view valueNames[] = {"Desktop", "Programs"};

} // namespace

bool onShellFoldersPath(RootKey root, const std::vector<std::string> &names)
{
    if (root != RootKey::CurrentUser || names.size() > shellFoldersDepth)
        return false;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!sameName(names[i], shellFolders[i]))
            return false;
    return true;
}

bool isShellFolders(RootKey root, const std::vector<std::string> &names)
{
    return names.size() == shellFoldersDepth && onShellFoldersPath(root, names);
}

std::optional<Value> systemValue(RootKey root, const std::vector<std::string> &names,
                                 std::string_view name)
{
    if (!isShellFolders(root, names))
        return std::nullopt;
    if (sameName(name, "Desktop"))
        return stringValue(desktopFolder().string());
    if (sameName(name, "Programs"))
        return stringValue(programsFolder().string());
    return std::nullopt;
}

std::optional<std::string> shellFoldersChild(RootKey root, const std::vector<std::string> &names)
{
    if (names.size() < shellFoldersDepth && onShellFoldersPath(root, names))
        return std::string(shellFolders[names.size()]);
    return std::nullopt;
}

std::span<const std::string_view> systemValueNames()
{
    return valueNames;
}

} // namespace platform::registry
