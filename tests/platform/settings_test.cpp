#include "platform/settings.h"
#include "temp_registry.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>
#include <bit>
#include <cstring>
#include <optional>

using namespace platform;
using namespace platform::registry;

namespace {

constexpr const char *section = "Software\\zelmo_dan";

Value raw(std::uint32_t type, std::vector<std::uint8_t> bytes)
{
    return Value{type, std::move(bytes)};
}

Value timeValue(double days)
{
    std::array<std::uint8_t, 8> bytes{};
    auto bits = std::bit_cast<std::uint64_t>(days);
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return binaryValue(bytes);
}

// Stores the value in the section, which is created first.
void storeInSection(const std::string &name, const Value &v)
{
    Hive hive(HKEY_CURRENT_USER);
    hive.createKey(section);
    hive.writeValue(section, name, v);
}

std::string errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::Registry);
        return e.what();
    }
    return {};
}

enum class Read { Bool, Integer, Time };

struct ReadCase
{
    const char *what;
    std::optional<Value> stored; // none: the hive file is not there
    Read kind;
    double def = 0;
    double result = 0;
    const char *error = nullptr; // the message, with the name read in place of %s
    const char *name = "Value";
    const char *sectionName = "zelmo_dan";
    const char *storedName = "Value";
};

const ReadCase readCases[] = {
    {"no hive: bool default on", std::nullopt, Read::Bool, 1, 1},
    {"no hive: bool default off", std::nullopt, Read::Bool, 0, 0},
    {"no hive: integer default", std::nullopt, Read::Integer, 7, 7},
    {"no hive: time default", std::nullopt, Read::Time, 0.25, 0.25},
    {"other value only: integer default", stringValue("1"), Read::Integer, 3, 3, nullptr, "Other"},
    {"other section: bool default", stringValue("0"), Read::Bool, 1, 1, nullptr, "Value",
     "elsewhere"},
    {"bool REG_SZ 1", stringValue("1"), Read::Bool, 0, 1},
    {"bool REG_SZ 0", stringValue("0"), Read::Bool, 1, 0},
    {"bool REG_SZ no number, default on", stringValue("yes"), Read::Bool, 1, 1},
    {"bool REG_SZ no number, default off", stringValue("yes"), Read::Bool, 0, 0},
    {"bool REG_DWORD 0", dwordValue(0), Read::Bool, 1, 0},
    {"bool REG_DWORD 5", dwordValue(5), Read::Bool, 0, 1},
    {"bool REG_BINARY of 4", raw(REG_BINARY, {1, 0, 0, 0}), Read::Bool, 1, 0,
     "'Value' のデータ型が不正です"},
    {"bool REG_BINARY of 8", timeValue(0.5), Read::Bool, 1, 0, "'Value' の取得に失敗しました"},
    {"integer REG_SZ 1234", stringValue("1234"), Read::Integer, 0, 1234},
    {"integer REG_SZ -5", stringValue("-5"), Read::Integer, 0, -5},
    {"integer REG_SZ no number", stringValue("12x"), Read::Integer, 9, 9},
    {"integer REG_SZ empty", stringValue(""), Read::Integer, 9, 9},
    {"integer REG_SZ too big", stringValue("2147483648"), Read::Integer, 9, 9},
    {"integer REG_SZ long text fits any size", stringValue("0000000000042"), Read::Integer, 0, 42},
    {"integer REG_DWORD -1", dwordValue(-1), Read::Integer, 0, -1},
    {"integer REG_DWORD max", dwordValue(2147483647), Read::Integer, 0, 2147483647},
    {"integer REG_DWORD of 2 bytes", raw(REG_DWORD, {0x34, 0x12}), Read::Integer, 0, 0x1234},
    {"integer REG_DWORD of 5 bytes", raw(REG_DWORD, {1, 0, 0, 0, 0}), Read::Integer, 0, 0,
     "'Value' の取得に失敗しました"},
    {"integer REG_EXPAND_SZ short", stringValue("12", REG_EXPAND_SZ), Read::Integer, 0, 0,
     "'Value' のデータ型が不正です"},
    {"integer REG_EXPAND_SZ long", stringValue("12345", REG_EXPAND_SZ), Read::Integer, 0, 0,
     "'Value' の取得に失敗しました"},
    {"integer REG_BINARY of 4", raw(REG_BINARY, {1, 0, 0, 0}), Read::Integer, 0, 0,
     "'Value' のデータ型が不正です"},
    {"integer unknown type 11 of 8", raw(11, {1, 0, 0, 0, 0, 0, 0, 0}), Read::Integer, 0, 0,
     "'Value' の取得に失敗しました"},
    {"integer unknown type 7 of 2", raw(7, {1, 0}), Read::Integer, 0, 0,
     "'Value' のデータ型が不正です"},
    {"time REG_BINARY 1.75", timeValue(1.75), Read::Time, 0, 1.75},
    {"time REG_BINARY of 7", raw(REG_BINARY, {0, 0, 0, 0, 0, 0, 0}), Read::Time, 0, 0,
     "'Value' のデータ型が不正です"},
    {"time REG_BINARY of 9", raw(REG_BINARY, {0, 0, 0, 0, 0, 0, 0, 0, 0}), Read::Time, 0, 0,
     "'Value' の取得に失敗しました"},
    {"time REG_DWORD", dwordValue(1), Read::Time, 0, 0, "'Value' のデータ型が不正です"},
    {"time REG_SZ short", stringValue("0.5"), Read::Time, 0, 0, "'Value' のデータ型が不正です"},
    {"time REG_SZ long", stringValue("12345678"), Read::Time, 0, 0, "'Value' の取得に失敗しました"},
    {"names compare case-insensitively", dwordValue(77), Read::Integer, 0, 77, nullptr, "vALUE",
     "ZELMO_DAN"},
    {.what = "the error names the value",
     .stored = dwordValue(1),
     .kind = Read::Time,
     .error = "'TimeKanaKiso' のデータ型が不正です",
     .name = "TimeKanaKiso",
     .storedName = "TimeKanaKiso"},
};

} // namespace

TEST(TRegistryIniFileRead, FollowsTheValueTypeRules)
{
    for (const auto &c : readCases) {
        SCOPED_TRACE(c.what);
        TempRegistry reg;
        if (c.stored)
            storeInSection(c.storedName, *c.stored);
        TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
        double got = 0;
        std::string error = errorOf([&] {
            switch (c.kind) {
            case Read::Bool:
                got = ini.ReadBool(c.sectionName, c.name, c.def != 0) ? 1 : 0;
                break;
            case Read::Integer:
                got = ini.ReadInteger(c.sectionName, c.name, static_cast<std::int32_t>(c.def));
                break;
            case Read::Time:
                got = ini.ReadTime(c.sectionName, c.name, c.def);
                break;
            }
        });
        EXPECT_EQ(error, c.error ? c.error : "");
        if (!c.error) {
            EXPECT_EQ(got, c.result);
        }
        if (!c.stored) {
            EXPECT_FALSE(std::filesystem::exists(reg.file(HKEY_CURRENT_USER)))
                << "a read made the hive file";
        } else {
            EXPECT_FALSE(Hive(HKEY_CURRENT_USER).keyExists("Software\\elsewhere"));
        }
    }
}

namespace {

struct WriteCase
{
    const char *what;
    std::optional<Value> before; // stored as "HiScoreEigo" first
    void (*write)(TRegistryIniFile &ini);
    Value after;
};

const WriteCase writeCases[] = {
    {"bool on: REG_SZ 1 with its NUL", std::nullopt,
     [](TRegistryIniFile &ini) { ini.WriteBool("zelmo_dan", "HiScoreEigo", true); },
     raw(REG_SZ, {'1', 0})},
    {"bool off over a DWORD", dwordValue(1),
     [](TRegistryIniFile &ini) { ini.WriteBool("zelmo_dan", "HiScoreEigo", false); },
     raw(REG_SZ, {'0', 0})},
    {"integer: REG_DWORD", std::nullopt,
     [](TRegistryIniFile &ini) { ini.WriteInteger("zelmo_dan", "HiScoreEigo", -2); },
     raw(REG_DWORD, {0xfe, 0xff, 0xff, 0xff})},
    {"integer over REG_SZ stays text", stringValue("1234"),
     [](TRegistryIniFile &ini) { ini.WriteInteger("zelmo_dan", "hiscoreEIGO", -7); },
     stringValue("-7")},
    {"integer over REG_EXPAND_SZ becomes DWORD", stringValue("1", REG_EXPAND_SZ),
     [](TRegistryIniFile &ini) { ini.WriteInteger("zelmo_dan", "HiScoreEigo", 5); }, dwordValue(5)},
    {"integer over REG_BINARY becomes DWORD", timeValue(1),
     [](TRegistryIniFile &ini) { ini.WriteInteger("zelmo_dan", "HiScoreEigo", 5); }, dwordValue(5)},
    {"time: 8 bytes little-endian", dwordValue(3),
     [](TRegistryIniFile &ini) { ini.WriteTime("zelmo_dan", "HiScoreEigo", 0.75); },
     raw(REG_BINARY, {0, 0, 0, 0, 0, 0, 0xe8, 0x3f})},
};

} // namespace

TEST(TRegistryIniFileWrite, WritesTheTypesAndCreatesTheSection)
{
    for (const auto &c : writeCases) {
        SCOPED_TRACE(c.what);
        TempRegistry reg;
        if (c.before)
            storeInSection("HiScoreEigo", *c.before);
        TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
        c.write(ini);
        Hive hive(HKEY_CURRENT_USER);
        EXPECT_EQ(hive.readValue(section, "HiScoreEigo"), c.after);
        EXPECT_EQ(hive.valueNames(section), std::vector<std::string>{"HiScoreEigo"});
    }
}

TEST(TRegistryIniFileWrite, ReadsBackWhatItWrote)
{
    TempRegistry reg;
    TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
    ini.WriteBool("zelmo_dan", "SoundPlay", false);
    ini.WriteInteger("zelmo_dan", "HiScoreEigo", -2147483647 - 1);
    ini.WriteTime("zelmo_dan", "TimeEigo", 0.123456789);
    EXPECT_FALSE(ini.ReadBool("zelmo_dan", "SoundPlay", true));
    EXPECT_EQ(ini.ReadInteger("zelmo_dan", "HiScoreEigo", 0), -2147483647 - 1);
    EXPECT_EQ(ini.ReadTime("zelmo_dan", "TimeEigo", 0), 0.123456789);
}

namespace {

// Makes the hive refuse new rows of one table, as a hive that cannot be written would.
void refuseInserts(const std::filesystem::path &file, const char *table)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    std::string sql = std::string("CREATE TRIGGER refuse BEFORE INSERT ON ") + table +
                      " BEGIN SELECT RAISE(ABORT, 'refused'); END";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

TEST(TRegistryIniFileWrite, ReportsFailuresWithTheClassLibraryTexts)
{
    TempRegistry reg;
    Hive(HKEY_CURRENT_USER).createKey("Software");
    refuseInserts(reg.file(HKEY_CURRENT_USER), "hive_key");
    TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
    EXPECT_EQ(errorOf([&] { ini.WriteBool("zelmo_dan", "SoundPlay", true); }),
              "キー zelmo_dan の作成に失敗しました");

    TempRegistry other;
    Hive(HKEY_CURRENT_USER).createKey(section);
    refuseInserts(other.file(HKEY_CURRENT_USER), "hive_value");
    EXPECT_EQ(errorOf([&] { ini.WriteInteger("zelmo_dan", "HiScoreEigo", 1); }),
              "'HiScoreEigo' の設定に失敗しました");
    EXPECT_EQ(errorOf([&] { ini.WriteTime("zelmo_dan", "TimeEigo", 1); }),
              "'TimeEigo' の設定に失敗しました");
}
