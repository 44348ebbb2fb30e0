// A second process for the registry tests. Commands (HKEY_CURRENT_USER key Software\zelmo_dan
// unless said otherwise):
//   write NAME TEXT    sets NAME to the REG_SZ TEXT
//   read NAME          prints the text of NAME
//   fill PREFIX COUNT  sets the DWORDs PREFIX0 .. PREFIX<COUNT-1>, one write each
//   churn FIRST        rounds FIRST, FIRST+1, ... for ever: sets v0 .. v7, each a 64 KiB blob
//                      of the round number, then writes one byte to standard output
//   machine KEY        in HKEY_LOCAL_MACHINE: prints whether the hive is writable, whether
//                      KEY could be deleted and the errors of two settings writes
#include "platform/registry.h"
#include "platform/settings.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::registry;

namespace {

constexpr const char *key = "Software\\zelmo_dan";

int churn(std::uint32_t first)
{
    Hive hive(HKEY_CURRENT_USER);
    hive.createKey(key);
    for (std::uint32_t round = first;; ++round) {
        std::vector<std::uint32_t> words(16384, round);
        Value v{REG_BINARY, std::vector<std::uint8_t>(words.size() * 4)};
        std::memcpy(v.data.data(), words.data(), v.data.size());
        for (char i = '0'; i < '8'; ++i)
            hive.writeValue(key, std::string{'v', i}, v);
        if (write(STDOUT_FILENO, "r", 1) != 1)
            return 3;
    }
}

std::string writeError(TRegistryIniFile &ini, const char *section)
{
    try {
        ini.WriteBool(section, "x", true);
        return "none";
    } catch (const Error &e) {
        return e.what();
    }
}

int machine(const std::string &path)
{
    Hive hive(HKEY_LOCAL_MACHINE);
    std::printf("writable=%d\n", hive.writable() ? 1 : 0);
    std::printf("deleted=%d\n", hive.deleteKey(path) ? 1 : 0);
    std::printf("exists=%d\n", hive.keyExists(path) ? 1 : 0);
    auto parent = path.substr(0, path.rfind('\\'));
    TRegistryIniFile ini(HKEY_LOCAL_MACHINE, parent);
    std::printf("existing section: %s\n", writeError(ini, "zelmo_dan").c_str());
    std::printf("new section: %s\n", writeError(ini, "fresh").c_str());
    return 0;
}

int run(const std::vector<std::string> &args)
{
    if (args.size() == 3 && args[0] == "write") {
        Hive hive(HKEY_CURRENT_USER);
        hive.createKey(key);
        hive.writeValue(key, args[1], stringValue(args[2]));
        return 0;
    }
    if (args.size() == 2 && args[0] == "read") {
        auto v = Hive(HKEY_CURRENT_USER).readValue(key, args[1]);
        std::printf("%s", v ? stringOf(*v).c_str() : "<missing>");
        return 0;
    }
    if (args.size() == 3 && args[0] == "fill") {
        Hive hive(HKEY_CURRENT_USER);
        hive.createKey(key);
        for (int i = 0; i < std::stoi(args[2]); ++i)
            hive.writeValue(key, args[1] + std::to_string(i), dwordValue(i));
        return 0;
    }
    if (args.size() == 2 && args[0] == "churn")
        return churn(static_cast<std::uint32_t>(std::stoul(args[1])));
    if (args.size() == 2 && args[0] == "machine")
        return machine(args[1]);
    std::fprintf(stderr, "registry_helper: unknown command\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "registry_helper: %s\n", e.what());
        return 2;
    }
}
