// TRegistryIniFile::ReadTime over any stored type and bytes: a REG_BINARY of exactly 8 bytes
// reads as its little-endian double (NaN and infinities included), longer data fails to be
// read, anything else is the wrong type.

#include "fuzz_hive.h"

#include "platform/settings.h"

#include <bit>

using namespace fuzzing;
namespace reg = platform::registry;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    openTempHive();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const StoredValue stored = decode(data, size);
    store(stored);
    platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, Key);
    const auto got = attempt([&] { return ini.ReadTime(Section, stored.name, 0.5); });
    const reg::Value &v = stored.value;
    if (v.data.size() > 8) {
        expect(got.error == readFailedText(stored.name), "longer data: " + got.error);
    } else if (v.type != reg::REG_BINARY || v.data.size() != 8) {
        expect(got.error == wrongTypeText(stored.name), "another type or size: " + got.error);
    } else {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < 8; ++i)
            bits |= std::uint64_t{v.data[i]} << (8 * i);
        expect(got.value && std::bit_cast<std::uint64_t>(*got.value) == bits,
               "8 bytes read as another double");
    }
    unstore(stored);
    return 0;
}
