// regtool: sets and reads registry values from scripts, through the programs' own registry.
//   regtool set HKCU|HKLM KEY NAME sz|expand_sz|dword|binary DATA   (binary DATA in hex)
//   regtool get HKCU|HKLM KEY NAME      prints the type and the contents, e.g. "REG_DWORD 1234"
// Exit status 0 on success, 1 when the value is missing or the registry fails, 2 on bad usage.

#include "platform/errors.h"
#include "platform/registry.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace reg = platform::registry;

int usage()
{
    std::cerr << "usage: regtool set HKCU|HKLM KEY NAME sz|expand_sz|dword|binary DATA\n"
                 "       regtool get HKCU|HKLM KEY NAME\n";
    return 2;
}

std::optional<platform::RootKey> rootOf(std::string_view name)
{
    if (name == "HKCU" || name == "HKEY_CURRENT_USER")
        return platform::HKEY_CURRENT_USER;
    if (name == "HKLM" || name == "HKEY_LOCAL_MACHINE")
        return platform::HKEY_LOCAL_MACHINE;
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> fromHex(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const std::string pair(hex.substr(i, 2));
        if (pair.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
            std::sscanf(pair.c_str(), "%2x", &value) != 1)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

std::optional<reg::Value> valueOf(std::string_view type, std::string_view data)
{
    if (type == "sz")
        return reg::stringValue(data);
    if (type == "expand_sz")
        return reg::stringValue(data, reg::REG_EXPAND_SZ);
    if (type == "dword")
        return reg::dwordValue(platform::parseInteger(data));
    if (type == "binary") {
        if (auto bytes = fromHex(data))
            return reg::binaryValue(*bytes);
    }
    return std::nullopt;
}

void print(const reg::Value &v)
{
    switch (v.type) {
    case reg::REG_SZ:
        std::cout << "REG_SZ " << reg::stringOf(v) << '\n';
        return;
    case reg::REG_EXPAND_SZ:
        std::cout << "REG_EXPAND_SZ " << reg::stringOf(v) << '\n';
        return;
    case reg::REG_DWORD:
        if (v.data.size() == 4) {
            std::uint32_t bits = 0;
            for (std::size_t i = 0; i < 4; ++i)
                bits |= static_cast<std::uint32_t>(v.data[i]) << (8 * i);
            std::cout << "REG_DWORD " << static_cast<std::int32_t>(bits) << '\n';
            return;
        }
        break;
    default:
        break;
    }
    std::cout << (v.type == reg::REG_BINARY ? std::string("REG_BINARY")
                                            : "TYPE_" + std::to_string(v.type));
    char hex[3];
    std::cout << ' ';
    for (const std::uint8_t byte : v.data) {
        std::snprintf(hex, sizeof hex, "%02x", byte);
        std::cout << hex;
    }
    std::cout << '\n';
}

int run(const std::vector<std::string_view> &args)
{
    if (args.size() < 4)
        return usage();
    const auto root = rootOf(args[1]);
    if (!root)
        return usage();
    reg::Hive hive(*root);
    if (args[0] == "get" && args.size() == 4) {
        const auto value = hive.readValue(args[2], args[3]);
        if (!value) {
            std::cerr << "regtool: no value " << args[3] << " in " << args[2] << '\n';
            return 1;
        }
        print(*value);
        return 0;
    }
    if (args[0] == "set" && args.size() == 6) {
        const auto value = valueOf(args[4], args[5]);
        if (!value)
            return usage();
        hive.createKey(args[2]);
        hive.writeValue(args[2], args[3], *value);
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        return run(args);
    } catch (const std::exception &e) {
        std::cerr << "regtool: " << e.what() << '\n';
        return 1;
    }
}
