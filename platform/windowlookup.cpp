#include "windowlookup.h"

#include "system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

// The folder of the registrations: per user, in the runtime folder when there is one.
fs::path registryFolder()
{
    fs::path base;
    if (const char *dir = std::getenv("ZELMO_WINDOWS_DIR"); dir != nullptr && *dir != '\0')
        return dir;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return fs::path(runtime) / "zelmo_dan-windows";
    // No runtime folder: the user's own cache folder, which no other user can plant files in
    // (a shared temporary folder could hold a stand-in that blocks every start).
    if (const char *cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/')
        base = cache;
    else
        base = platform::homeFolder() / ".cache";
    return base / "zelmo_dan" / "windows";
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[512];
    ssize_t n = 0;
    if (lseek(fd, 0, SEEK_SET) != 0)
        return text;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

WindowRegistration::WindowRegistration(std::string_view className, std::string_view title)
{
    const fs::path folder = registryFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    m_path = (folder / (std::string(className) + "." + std::to_string(getpid()))).string();
    // The file is locked and written under a name that lookups skip, then renamed into place:
    // a lookup never sees it unlocked (and takes it for a dead one) or without its title.
    const std::string draft = m_path + ".new";
    m_fd = open(draft.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return;
    if (flock(m_fd, LOCK_EX | LOCK_NB) != 0 ||
        write(m_fd, title.data(), title.size()) != static_cast<ssize_t>(title.size()) ||
        rename(draft.c_str(), m_path.c_str()) != 0) {
        close(m_fd);
        m_fd = -1;
        unlink(draft.c_str());
    }
}

WindowRegistration::~WindowRegistration()
{
    if (m_fd >= 0) {
        unlink(m_path.c_str());
        close(m_fd);
    }
}

bool FindWindow(std::string_view className, std::string_view title)
{
    std::error_code ec;
    const std::string prefix = std::string(className) + ".";
    for (const auto &entry : fs::directory_iterator(registryFolder(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0 ||
            name.find('.', prefix.size()) != std::string::npos)
            continue;
        const int fd = open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
            // Nobody holds it: a registration left by a process that died.
            unlink(entry.path().c_str());
            close(fd);
            continue;
        }
        const bool match = readAll(fd) == title;
        close(fd);
        if (match)
            return true;
    }
    return false;
}

} // namespace platform
