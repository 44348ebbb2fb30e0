#pragma once
// Key and value names: how they compare (without case, across Unicode) and how a key path
// splits into names.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// The form names are compared in: Unicode case folding of UTF-8 text; names that are not
// UTF-8 fold their ASCII letters only.
std::string foldName(std::string_view name);
bool sameName(std::string_view a, std::string_view b);
// The names of a key path (a leading or trailing '\' is ignored; an empty path is the root);
// nullopt when a name in it is empty.
std::optional<std::vector<std::string>> splitKeyPath(std::string_view path);

} // namespace platform::registry
