#include "contract.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

void fail(const std::string &what)
{
    // Names and texts may hold any bytes: control bytes are shown as escapes.
    std::string shown;
    for (char c : what) {
        const auto byte = static_cast<unsigned char>(c);
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02x", unsigned{byte});
        shown += byte < 0x20 || byte == 0x7f ? std::string(escape) : std::string(1, c);
    }
    std::fprintf(stderr, "contract broken: %s\n", shown.c_str());
    std::abort();
}

void expect(bool holds, const std::string &what)
{
    if (!holds)
        fail(what);
}

} // namespace fuzzing
