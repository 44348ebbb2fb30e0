#pragma once
// Finding the top-level window of a running program by its window class and title, on any
// desktop (X11 or Wayland). A window registers itself for its lifetime; the registration is a
// lock that the system drops when the process ends, so a crashed program leaves nothing behind.

#include <string>
#include <string_view>

namespace platform {

class WindowRegistration
{
public:
    WindowRegistration(std::string_view className, std::string_view title);
    ~WindowRegistration();
    WindowRegistration(const WindowRegistration &) = delete;
    WindowRegistration &operator=(const WindowRegistration &) = delete;

private:
    int m_fd = -1;
    std::string m_path;
};

// True when a live process has registered a window of this class with this title.
bool FindWindow(std::string_view className, std::string_view title);

} // namespace platform
