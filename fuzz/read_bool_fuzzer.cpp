// TRegistryIniFile::ReadBool over any stored type and bytes: the integer read with the default
// 1 or 0, on when it is not 0; its failures are the integer read's.

#include "fuzz_hive.h"

#include "platform/settings.h"

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
    for (bool def : {false, true}) {
        const auto asBool = attempt([&] { return ini.ReadBool(Section, stored.name, def); });
        const auto asInteger =
            attempt([&] { return ini.ReadInteger(Section, stored.name, def ? 1 : 0); });
        expect(asBool.error == asInteger.error, "fails otherwise than the integer read");
        if (asInteger.value)
            expect(asBool.value == (*asInteger.value != 0), "not the integer read's truth");
        const reg::Value &v = stored.value;
        if (v.type == reg::REG_SZ && !decimal(reg::stringOf(v)))
            expect(asBool.value == def, "text that is no number did not give the default");
    }
    unstore(stored);
    return 0;
}
