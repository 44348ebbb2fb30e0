// TRegistry::ReadString and TRegIniFile::ReadString over any stored type and bytes: a REG_SZ or
// REG_EXPAND_SZ reads as its bytes up to the first NUL, every other type is the wrong type.

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
    const reg::Value &v = stored.value;
    const bool isString = v.type == reg::REG_SZ || v.type == reg::REG_EXPAND_SZ;

    platform::TRegistry registry(platform::HKEY_CURRENT_USER);
    expect(registry.OpenKey(std::string("\\") + Key + "\\" + Section, false),
           "the section did not open");
    const auto got = attempt([&] { return registry.ReadString(stored.name); });
    if (isString)
        expect(got.value == reg::stringOf(v), "a string read as other text: " + got.error);
    else
        expect(got.error == wrongTypeText(stored.name), "another type: " + got.error);
    registry.CloseKey();

    platform::TRegIniFile ini(platform::HKEY_CURRENT_USER, Key);
    const auto viaSection = attempt([&] { return ini.ReadString(Section, stored.name, "-"); });
    expect(viaSection.value == got.value && viaSection.error == got.error,
           "the section read differs from the key read");
    unstore(stored);
    return 0;
}
