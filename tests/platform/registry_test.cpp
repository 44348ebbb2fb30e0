#include "platform/registry.h"
#include "platform/settings.h"
#include "temp_registry.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace platform;
using namespace platform::registry;

using Names = std::vector<std::string>;

TEST(Hive, DeletesAKeyWithAllItsSubkeysAndValues)
{
    TempRegistry reg;
    Hive hive(HKEY_LOCAL_MACHINE);
    for (const char *key : {"Software\\zelmo_dan\\a\\b", "Software\\zelmo_dan\\c",
                            "Software\\zelmo_dan2", "Software\\other"})
        hive.createKey(key);
    hive.writeValue("Software\\zelmo_dan", "Path", stringValue("/opt/zelmo"));
    hive.writeValue("Software\\zelmo_dan\\a\\b", "Deep", dwordValue(1));
    hive.writeValue("Software\\zelmo_dan2", "Kept", dwordValue(2));

    EXPECT_TRUE(hive.deleteKey("Software\\ZELMO_DAN"));
    EXPECT_FALSE(hive.keyExists("Software\\zelmo_dan"));
    EXPECT_FALSE(hive.keyExists("Software\\zelmo_dan\\a\\b"));
    EXPECT_EQ(hive.readValue("Software\\zelmo_dan\\a\\b", "Deep"), std::nullopt);
    EXPECT_EQ(hive.subKeyNames("Software"), (Names{"other", "zelmo_dan2"}));
    EXPECT_EQ(hive.readValue("Software\\zelmo_dan2", "Kept"), dwordValue(2));

    // Keys made again after a delete start empty.
    hive.createKey("Software\\zelmo_dan\\a\\b");
    EXPECT_EQ(hive.readValue("Software\\zelmo_dan\\a\\b", "Deep"), std::nullopt);

    EXPECT_FALSE(hive.deleteKey("Software\\absent"));
    EXPECT_FALSE(hive.deleteKey(""));
    EXPECT_FALSE(hive.deleteKey("Software\\\\zelmo_dan"));
    EXPECT_TRUE(hive.keyExists("Software"));
}

TEST(Hive, NamesCompareWithoutCaseAndKeepTheirSpelling)
{
    TempRegistry reg;
    Hive hive(HKEY_CURRENT_USER);
    hive.createKey("\\Software\\Ｚｅｌｍｏ\\ÄÖÜ");
    hive.createKey("software\\ｚｅｌｍｏ\\äöü\\ΣΟΦΊΑ");
    EXPECT_TRUE(hive.keyExists("SOFTWARE\\ＺＥＬＭＯ\\äÖü\\σοφία"));
    EXPECT_EQ(hive.subKeyNames(""), Names{"Software"});
    EXPECT_EQ(hive.subKeyNames("Software\\zelmo"), Names{}) << "full-width is not ASCII";
    EXPECT_EQ(hive.subKeyNames("software\\ｚｅｌｍｏ"), Names{"ÄÖÜ"});

    hive.writeValue("Software", "SoundPlay", stringValue("1"));
    hive.writeValue("Software", "Ärger", dwordValue(1));
    hive.writeValue("Software", "SOUNDPLAY", stringValue("0"));
    EXPECT_EQ(hive.valueNames("Software"), (Names{"SoundPlay", "Ärger"}));
    EXPECT_EQ(hive.readValue("software", "soundplay"), stringValue("0"));
    EXPECT_EQ(hive.readValue("Software", "äRGER"), dwordValue(1));
    EXPECT_TRUE(hive.deleteValue("Software", "ärger"));
    EXPECT_FALSE(hive.deleteValue("Software", "ärger"));
}

TEST(Hive, KeepsAnyBytesAndTypeCode)
{
    TempRegistry reg;
    Hive hive(HKEY_CURRENT_USER);
    hive.createKey("Software\\zelmo_dan");
    const std::string path = "/home/u/\xff\xfe latin1 \xe9t\xe9/ゼルモ団";
    hive.writeValue("Software\\zelmo_dan", "Path", stringValue(path));
    hive.writeValue("Software\\zelmo_dan", "Odd", Value{0x12345678, {0, 1, 2}});
    hive.writeValue("Software\\zelmo_dan", "Empty", Value{REG_BINARY, {}});
    hive.writeValue("Software\\zelmo_dan", "bad \xff name", dwordValue(9));

    EXPECT_EQ(TRegIniFile(HKEY_CURRENT_USER, "Software").ReadString("zelmo_dan", "Path", "x"),
              path);
    EXPECT_EQ(hive.readValue("Software\\zelmo_dan", "Odd"), (Value{0x12345678, {0, 1, 2}}));
    EXPECT_EQ(hive.readValue("Software\\zelmo_dan", "Empty"), (Value{REG_BINARY, {}}));
    EXPECT_EQ(hive.readValue("Software\\zelmo_dan", "BAD \xff NAME"), dwordValue(9));
}

TEST(Hive, WritingNeedsAnExistingKey)
{
    TempRegistry reg;
    Hive hive(HKEY_CURRENT_USER);
    EXPECT_THROW(hive.writeValue("Software\\none", "x", dwordValue(1)), Error);
    EXPECT_FALSE(std::filesystem::exists(reg.file(HKEY_CURRENT_USER)));
    EXPECT_THROW(hive.createKey("Software\\\\double"), Error);
    EXPECT_TRUE(hive.writable());
}

TEST(Hive, AMissingFileIsAnEmptyHiveAndReadsCreateNothing)
{
    TempRegistry reg;
    Hive hive(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(hive.keyExists(""));
    EXPECT_FALSE(hive.keyExists("SOFTWARE"));
    EXPECT_EQ(hive.readValue("SOFTWARE", "x"), std::nullopt);
    EXPECT_EQ(hive.subKeyNames(""), Names{});
    EXPECT_EQ(hive.valueNames("SOFTWARE"), Names{});
    EXPECT_FALSE(hive.deleteValue("SOFTWARE", "x"));
    EXPECT_FALSE(hive.deleteKey("SOFTWARE"));
    TRegistry registry(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(registry.OpenKey("SOFTWARE", false));
    EXPECT_EQ(registry.ReadString("x"), "");
    EXPECT_TRUE(std::filesystem::is_empty(reg.dir()));
}

TEST(HivePath, FollowsTheEnvironment)
{
    {
        TempRegistry reg;
        EXPECT_EQ(hivePath(HKEY_CURRENT_USER), reg.dir() / "hkcu.db");
        EXPECT_EQ(hivePath(HKEY_LOCAL_MACHINE), reg.dir() / "hklm.db");
    }
    ScopedEnv noDir("ZELMO_REGISTRY_DIR", nullptr);
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(hivePath(HKEY_CURRENT_USER), "/cfg/zelmo_dan/hkcu.db");
    }
    ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(hivePath(HKEY_CURRENT_USER), "/home/someone/.config/zelmo_dan/hkcu.db");
    EXPECT_EQ(hivePath(HKEY_LOCAL_MACHINE), "/var/lib/zelmo_dan/hklm.db");
}

namespace {

std::string errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const BadHiveFile &e) {
        EXPECT_EQ(e.kind(), ErrorKind::Registry);
        return e.what();
    }
    return "no error";
}

// A hive holding some data whose pages after the first are then overwritten.
std::string damagedHive(const std::filesystem::path &file)
{
    {
        Hive hive(HKEY_CURRENT_USER);
        hive.createKey("Software\\zelmo_dan");
        hive.writeValue("Software\\zelmo_dan", "Path", stringValue(std::string(20000, 'p')));
    }
    std::string bytes = readFile(file);
    for (std::size_t i = 4096; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(0xa5);
    return bytes;
}

} // namespace

TEST(Hive, AFileThatIsNoHiveGivesAClearErrorAndStaysAsItIs)
{
    TempRegistry reg;
    const auto file = reg.file(HKEY_CURRENT_USER);
    std::string otherDb;
    {
        sqlite3 *db = nullptr;
        sqlite3_open((reg.dir() / "other.db").c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE t(a); INSERT INTO t VALUES (1)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        otherDb = readFile(reg.dir() / "other.db");
    }
    const std::string contents[] = {"these are notes, not a database\n" + std::string(600, 'x'),
                                    otherDb, damagedHive(file)};
    for (const auto &bytes : contents) {
        writeFile(file, bytes);
        for (auto step : std::initializer_list<std::function<void()>>{
                 [] { Hive(HKEY_CURRENT_USER).keyExists("Software\\zelmo_dan"); },
                 [] { Hive(HKEY_CURRENT_USER).readValue("Software\\zelmo_dan", "Path"); },
                 [] { Hive(HKEY_CURRENT_USER).createKey("Software\\new"); },
                 [] { Hive(HKEY_CURRENT_USER).deleteKey("Software\\zelmo_dan"); },
                 [] {
                     TRegistryIniFile(HKEY_CURRENT_USER, "Software")
                         .ReadInteger("zelmo_dan", "HiScoreEigo", 0);
                 },
                 [] {
                     TRegistryIniFile(HKEY_CURRENT_USER, "Software")
                         .WriteBool("zelmo_dan", "SoundPlay", true);
                 },
             }) {
            std::string message = errorOf(step);
            EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        }
        EXPECT_EQ(readFile(file), bytes);
        EXPECT_FALSE(std::filesystem::exists(file.string() + "-journal"));
    }
}

TEST(TRegistry, OpensWithoutCreatingAndReadsStrings)
{
    TempRegistry reg;
    {
        Hive hive(HKEY_CURRENT_USER);
        hive.createKey("Software\\zelmo_dan\\sub");
        hive.writeValue("Software\\zelmo_dan", "Path",
                        stringValue(std::string_view("/opt/z\0tail", 11)));
        hive.writeValue("Software\\zelmo_dan", "Exp", stringValue("%HOME%/z", REG_EXPAND_SZ));
        hive.writeValue("Software\\zelmo_dan", "NoNul", Value{REG_SZ, {'a', 'b'}});
        hive.writeValue("Software\\zelmo_dan", "Num", dwordValue(1));
    }
    TRegistry registry(HKEY_CURRENT_USER);
    EXPECT_EQ(registry.ReadString("Path"), "") << "no key open";
    EXPECT_FALSE(registry.OpenKey("Software\\nothing", false));
    EXPECT_FALSE(Hive(HKEY_CURRENT_USER).keyExists("Software\\nothing"));
    EXPECT_TRUE(registry.OpenKey("\\Software", false));
    EXPECT_TRUE(registry.OpenKey("ZELMO_DAN", false)) << "below the open key";
    EXPECT_EQ(registry.ReadString("path"), "/opt/z");
    EXPECT_EQ(registry.ReadString("Exp"), "%HOME%/z");
    EXPECT_EQ(registry.ReadString("NoNul"), "ab");
    EXPECT_EQ(registry.ReadString("Missing"), "");
    try {
        registry.ReadString("Num");
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'Num' のデータ型が不正です");
    }
    EXPECT_TRUE(registry.OpenKey("sub\\new", true));
    EXPECT_TRUE(Hive(HKEY_CURRENT_USER).keyExists("Software\\zelmo_dan\\sub\\new"));
    registry.CloseKey();
    EXPECT_EQ(registry.ReadString("Path"), "");
    EXPECT_TRUE(registry.DeleteKey("Software\\zelmo_dan"));
    EXPECT_FALSE(registry.DeleteKey("Software\\zelmo_dan"));
}

TEST(TRegIniFile, ReadsWithADefaultAndErasesASection)
{
    TempRegistry reg;
    TRegIniFile ini(HKEY_CURRENT_USER, "Software");
    EXPECT_EQ(ini.ReadString("zelmo_dan", "Path", "none"), "none");
    ini.EraseSection("zelmo_dan");
    EXPECT_FALSE(std::filesystem::exists(reg.file(HKEY_CURRENT_USER)));
    {
        Hive hive(HKEY_CURRENT_USER);
        hive.createKey("Software\\zelmo_dan\\deeper");
        hive.writeValue("Software\\zelmo_dan", "Path", stringValue("/opt/zelmo"));
        hive.writeValue("Software\\zelmo_dan\\deeper", "x", dwordValue(1));
    }
    EXPECT_EQ(ini.ReadString("ZELMO_DAN", "Path", "none"), "/opt/zelmo");
    EXPECT_EQ(ini.ReadString("zelmo_dan", "Other", "none"), "none");
    ini.EraseSection("zelmo_dan");
    EXPECT_FALSE(Hive(HKEY_CURRENT_USER).keyExists("Software\\zelmo_dan"));
    EXPECT_TRUE(Hive(HKEY_CURRENT_USER).keyExists("Software"));
}

TEST(Hive, AHiveThatCannotBeOpenedFailsCleanly)
{
    TempRegistry reg;
    std::filesystem::create_directory(reg.file(HKEY_CURRENT_USER));
    Hive hive(HKEY_CURRENT_USER);
    try {
        hive.readValue("Software", "x");
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::Registry);
        EXPECT_NE(std::string(e.what()).find(reg.file(HKEY_CURRENT_USER).string()),
                  std::string::npos);
    }
    EXPECT_FALSE(hive.deleteKey("Software"));
    try {
        TRegistryIniFile(HKEY_CURRENT_USER, "Software").WriteBool("zelmo_dan", "SoundPlay", true);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "キー zelmo_dan の作成に失敗しました");
    }
}
