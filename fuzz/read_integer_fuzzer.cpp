// TRegistryIniFile::ReadInteger over any stored type and bytes: a REG_SZ reads as its number or
// the default, a REG_DWORD of up to 4 bytes as its bytes, longer data fails to be read, every
// other type is the wrong type. The name is looked up without case.

#include "fuzz_hive.h"

#include "platform/settings.h"

using namespace fuzzing;
namespace reg = platform::registry;

namespace {
constexpr std::int32_t Default = -777;

std::int32_t littleEndian(const std::vector<std::uint8_t> &bytes)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bits |= std::uint32_t{bytes[i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

std::string otherCase(std::string name)
{
    for (char &c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

void check(const StoredValue &stored, const std::string &name)
{
    platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, Key);
    const auto got = attempt([&] { return ini.ReadInteger(Section, name, Default); });
    const reg::Value &v = stored.value;
    if (v.type == reg::REG_SZ) {
        expect(got.value.has_value(), "a REG_SZ failed: " + got.error);
        expect(*got.value == decimal(reg::stringOf(v)).value_or(Default),
               "a REG_SZ read as another number");
    } else if (v.data.size() > 4) {
        expect(got.error == readFailedText(name), "longer data: " + got.error);
    } else if (v.type != reg::REG_DWORD) {
        expect(got.error == wrongTypeText(name), "another type: " + got.error);
    } else {
        expect(got.value == littleEndian(v.data), "a REG_DWORD read as another number");
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    openTempHive();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const StoredValue stored = decode(data, size);
    store(stored);
    check(stored, stored.name);
    check(stored, otherCase(stored.name));
    unstore(stored);
    return 0;
}
