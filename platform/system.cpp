#include "system.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace platform {

namespace {

std::filesystem::path absoluteEnv(const char *name)
{
    const char *value = std::getenv(name);
    if (value && value[0] == '/')
        return value;
    return {};
}

// One value of user-dirs.dirs: "$HOME/..." or "/...", in double quotes with shell escapes.
std::filesystem::path userDirValue(std::string_view quoted)
{
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return {};
    std::string_view body = quoted.substr(1, quoted.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\' && i + 1 < body.size())
            ++i;
        text += body[i];
    }
    constexpr std::string_view home = "$HOME";
    if (text.starts_with(home) && (text.size() == home.size() || text[home.size()] == '/'))
        return homeFolder() / std::filesystem::path(text.substr(home.size())).relative_path();
    if (!text.empty() && text.front() == '/')
        return text;
    return {};
}

} // namespace

std::filesystem::path homeFolder()
{
    if (auto home = absoluteEnv("HOME"); !home.empty())
        return home;
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/";
}

std::filesystem::path configHome()
{
    if (auto dir = absoluteEnv("XDG_CONFIG_HOME"); !dir.empty())
        return dir;
    return homeFolder() / ".config";
}

std::filesystem::path desktopFolder()
{
    std::ifstream in(configHome() / "user-dirs.dirs");
    std::filesystem::path found;
    constexpr std::string_view key = "XDG_DESKTOP_DIR=";
    for (std::string line; std::getline(in, line);) {
        std::string_view view = line;
        while (!view.empty() && (view.front() == ' ' || view.front() == '\t'))
            view.remove_prefix(1);
        while (!view.empty() && (view.back() == ' ' || view.back() == '\t' || view.back() == '\r'))
            view.remove_suffix(1);
        if (view.starts_with(key))
            found = userDirValue(view.substr(key.size()));
    }
    found = found.lexically_normal();
    if (!found.has_filename() && found.has_relative_path())
        found = found.parent_path();
    if (!found.empty())
        return found;
    return homeFolder() / "Desktop";
}

std::filesystem::path programsFolder()
{
    auto data = absoluteEnv("XDG_DATA_HOME");
    if (data.empty())
        data = homeFolder() / ".local" / "share";
    return data / "applications";
}

} // namespace platform
