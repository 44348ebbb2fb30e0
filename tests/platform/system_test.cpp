#include "platform/settings.h"
#include "platform/system.h"
#include "temp_registry.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace platform::registry;

namespace {

constexpr const char *shellFolders = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                     "Shell Folders";

// A home folder with its own XDG configuration and data folders.
struct FakeHome
{
    TempDir dir;
    ScopedEnv home{"HOME", dir.path().c_str()};
    ScopedEnv config{"XDG_CONFIG_HOME", (dir.path() / "cfg").c_str()};
    ScopedEnv data{"XDG_DATA_HOME", (dir.path() / "data").c_str()};

    void userDirs(const std::string &text)
    {
        std::filesystem::create_directories(dir.path() / "cfg");
        writeFile(dir.path() / "cfg" / "user-dirs.dirs", text);
    }
};

} // namespace

TEST(SystemFolders, DesktopComesFromTheUserDirs)
{
    struct Case
    {
        const char *file;     // nullptr: no user-dirs.dirs
        std::string expected; // below the home folder unless absolute
    };
    const Case cases[] = {
        {nullptr, "Desktop"},
        {"# "
         "comment\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n",
         "Schreibtisch"},
        {"  XDG_DESKTOP_DIR=\"/srv/desk top\"  \r\n", "/srv/desk top"},
        {"XDG_DESKTOP_DIR=\"$HOME/a\\\"b/デスクトップ\"\n", "a\"b/デスクトップ"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", ""},
        {"XDG_DESKTOP_DIR=\"Desktop-relative\"\n", "Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOMEX/x\"\n", "Desktop"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        FakeHome home;
        if (c.file)
            home.userDirs(c.file);
        auto expected = c.expected.starts_with('/') ? std::filesystem::path(c.expected)
                        : c.expected.empty()        ? home.dir.path()
                                                    : home.dir.path() / c.expected;
        EXPECT_EQ(desktopFolder(), expected);
    }
}

TEST(SystemFolders, ProgramsIsTheApplicationsFolder)
{
    FakeHome home;
    EXPECT_EQ(programsFolder(), home.dir.path() / "data" / "applications");
    ScopedEnv noData("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(programsFolder(), home.dir.path() / ".local" / "share" / "applications");
}

TEST(SystemFolders, TheUserHiveSuppliesShellFoldersItLacks)
{
    TempRegistry reg;
    FakeHome home;
    home.userDirs("XDG_DESKTOP_DIR=\"$HOME/Arbeitsfläche\"\n");
    const auto desktop = (home.dir.path() / "Arbeitsfläche").string();
    const auto programs = (home.dir.path() / "data" / "applications").string();

    TRegistry registry(HKEY_CURRENT_USER);
    ASSERT_TRUE(registry.OpenKey(shellFolders, false));
    EXPECT_EQ(registry.ReadString("Desktop"), desktop);
    EXPECT_EQ(registry.ReadString("programs"), programs);
    EXPECT_FALSE(std::filesystem::exists(reg.file(HKEY_CURRENT_USER)));

    Hive hive(HKEY_CURRENT_USER);
    hive.createKey("Software\\zelmo_dan");
    EXPECT_EQ(hive.subKeyNames("software"), (std::vector<std::string>{"Microsoft", "zelmo_dan"}));
    EXPECT_EQ(hive.valueNames(shellFolders), (std::vector<std::string>{"Desktop", "Programs"}));

    hive.createKey(shellFolders);
    hive.writeValue(shellFolders, "Desktop", stringValue("/elsewhere"));
    EXPECT_EQ(registry.ReadString("Desktop"), "/elsewhere");
    EXPECT_EQ(registry.ReadString("Programs"), programs);
    EXPECT_EQ(hive.valueNames(shellFolders), (std::vector<std::string>{"Desktop", "Programs"}));
    EXPECT_EQ(hive.readValue(shellFolders, "Programs"), std::optional(stringValue(programs)));

    TRegistry machine(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(machine.OpenKey(shellFolders, false));
}
