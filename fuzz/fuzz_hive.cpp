#include "fuzz_hive.h"

#include <cstdio>
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
