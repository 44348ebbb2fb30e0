#pragma once
// The key "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" of
// HKEY_CURRENT_USER, whose values Desktop and Programs the system supplies when the hive lacks
// them (the key and its ancestors then count as present too).

#include "registry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// Whether the key path is the Shell Folders key or one of its ancestors, in the user's hive.
bool onShellFoldersPath(RootKey root, const std::vector<std::string> &names);
bool isShellFolders(RootKey root, const std::vector<std::string> &names);
// For an ancestor of the Shell Folders key: the name of its subkey on the way there.
std::optional<std::string> shellFoldersChild(RootKey root, const std::vector<std::string> &names);
// The system's value of that name when the key is the Shell Folders key.
std::optional<Value> systemValue(RootKey root, const std::vector<std::string> &names,
                                 std::string_view name);
// Desktop and Programs.
std::span<const std::string_view> systemValueNames();

} // namespace platform::registry
