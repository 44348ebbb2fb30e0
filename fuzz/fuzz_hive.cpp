#include "fuzz_hive.h"

#include <cstdlib>
#include <filesystem>

namespace fuzzing {

namespace {

std::filesystem::path tempFolder;

void removeTempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(tempFolder, ec);
}

std::string sectionPath()
{
    return std::string(Key) + "\\" + Section;
}

// Points ZELMO_REGISTRY_DIR at a fresh temporary folder (removed at exit) and creates the
// section there.
void openTempHive()
{
    // A folder in memory where there is one: every input writes a transaction.
    std::error_code ec;
    std::filesystem::path base = "/dev/shm";
    if (const char *tmp = std::getenv("TMPDIR"); tmp && *tmp)
        base = tmp;
    else if (!std::filesystem::is_directory(base, ec))
        base = std::filesystem::temp_directory_path();
    std::string pattern = (base / "zelmo_fuzz_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        fail("cannot make a temporary folder in " + base.string());
    tempFolder = pattern;
    std::atexit(removeTempFolder);
    setenv("ZELMO_REGISTRY_DIR", tempFolder.c_str(), 1);
    platform::registry::Hive(platform::HKEY_CURRENT_USER).createKey(sectionPath());
}

void store(const StoredValue &stored)
{
    platform::registry::Hive(platform::HKEY_CURRENT_USER)
        .writeValue(sectionPath(), stored.name, stored.value);
}

void unstore(const StoredValue &stored)
{
    platform::registry::Hive(platform::HKEY_CURRENT_USER).deleteValue(sectionPath(), stored.name);
}

} // namespace

StoredValue decode(const std::uint8_t *data, std::size_t size)
{
    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    StoredValue stored;
    const std::size_t nameLength = next() % 33u;
    for (std::size_t i = 0; i < nameLength; ++i)
        stored.name.push_back(static_cast<char>(next()));
    for (int i = 0; i < 4; ++i)
        stored.value.type |= std::uint32_t{next()} << (8 * i);
    if (at < size)
        stored.value.data.assign(data + at, data + size);
    return stored;
}

// what() is a C string: a NUL in the name ends the text there.
std::string wrongTypeText(const std::string &name)
{
    return ("'" + name + "' のデータ型が不正です").c_str();
}

std::string readFailedText(const std::string &name)
{
    return ("'" + name + "' の取得に失敗しました").c_str();
}

std::optional<std::int32_t> decimal(const std::string &text)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    if (at == text.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > 2147483648)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace fuzzing

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::openTempHive();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzzing::StoredValue stored = fuzzing::decode(data, size);
    fuzzing::store(stored);
    fuzzing::checkReads(stored);
    fuzzing::unstore(stored);
    return 0;
}
