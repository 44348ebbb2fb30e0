#include "installation.h"

#include "platform/guard.h"
#include "uninstaller/removal.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {
class RemovalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::setErrorReporter([this](const std::string &text) { reported.push_back(text); });
    }
    void TearDown() override { platform::setErrorReporter(nullptr); }

    static void writeFile(const fs::path &path, const std::string &content = "keep")
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << content;
    }

    TempEnvironment environment;
    std::vector<std::string> reported;
};

// Restores the working folder at the end of a scope.
class WorkingFolder
{
public:
    explicit WorkingFolder(const fs::path &to) : m_before(fs::current_path())
    {
        fs::current_path(to);
    }
    ~WorkingFolder() { fs::current_path(m_before); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

private:
    fs::path m_before;
};
} // namespace

TEST_F(RemovalTest, ShortcutPathIsTheFolderWithTheShortcutName)
{
    EXPECT_EQ(uninstaller::shortcutPath("/home/u/Desktop"), "/home/u/Desktop\\ゼルモ団.lnk");
    EXPECT_EQ(uninstaller::shortcutPath("C:\\Users\\u\\Desktop"),
              "C:\\Users\\u\\Desktop\\ゼルモ団.lnk");
    EXPECT_EQ(uninstaller::shortcutPath(""), "");
}

TEST_F(RemovalTest, WindowsStyleValuesNameNativePlaces)
{
    const Installation at = install(environment.root());
    auto windowsStyle = [](const fs::path &path) {
        std::string text = path.string();
        std::replace(text.begin(), text.end(), '/', '\\');
        return text;
    };
    writeString(false, shellFoldersKey, "Desktop", windowsStyle(at.desktopShortcut.parent_path()));
    writeString(false, settingsKey, "Path", windowsStyle(at.folder) + "\\");

    uninstaller::removeInstallation();

    EXPECT_EQ(presence(environment.root()), (Presence{false, false, false, false, false, true}));
    EXPECT_TRUE(reported.empty());
}

// Each refused `Path` leaves its folder as it was, silently; the settings key goes all the same.
// Every folder named here lies inside the test's own folder, so that a fault can harm nothing
// else.
TEST_F(RemovalTest, RefusedPathsLeaveTheirFolderUntouched)
{
    const fs::path root = environment.root();
    const fs::path home = root / "users" / "me";
    setenv("HOME", home.c_str(), 1);
    const fs::path work = root / "work";
    const std::vector<fs::path> markers = {home / "marker.txt", work / "marker.txt",
                                           work / "relative" / "dir" / "marker.txt"};
    for (const fs::path &marker : markers)
        writeFile(marker);
    const std::string homeText = home.string();
    const std::vector<std::string> cases = {
        "",
        "relative\\dir",
        "C:\\Program Files\\zelmo_dan",
        homeText,
        homeText + "\\",
        homeText + "/sub/..",
        homeText + "/sub/../../me",
        homeText + "/.",
        (root / "users").string(),
        root.string(),
    };
    const WorkingFolder inWork(work);
    for (const std::string &path : cases) {
        writeString(false, settingsKey, "Path", path);
        uninstaller::removeInstallation();
        for (const fs::path &marker : markers)
            EXPECT_TRUE(fs::exists(marker)) << path << " took " << marker;
        EXPECT_FALSE(uninstaller::deletableFolder(path).has_value()) << path;
    }
    EXPECT_TRUE(reported.empty());
}

TEST_F(RemovalTest, TheRootFolderIsNeverDeletable)
{
    for (const char *path : {"/", "\\", "//", "\\.", "/.."})
        EXPECT_FALSE(uninstaller::deletableFolder(path).has_value()) << path;
}

TEST_F(RemovalTest, TheHomeFolderReachedThroughALinkIsRefused)
{
    const fs::path home = environment.home();
    writeFile(home / "marker.txt");
    fs::create_symlink(environment.root(), environment.root() / "loop");
    const std::string throughLink = (environment.root() / "loop" / "home").string();
    writeString(false, settingsKey, "Path", throughLink);

    uninstaller::removeInstallation();

    EXPECT_FALSE(uninstaller::deletableFolder(throughLink).has_value());
    EXPECT_TRUE(fs::exists(home / "marker.txt"));
}

TEST_F(RemovalTest, LinksNamedByTheValuesAreRemovedAsLinks)
{
    const Installation at = install(environment.root());
    const fs::path outside = environment.root() / "outside";
    writeFile(outside / "precious.txt");
    writeFile(outside / "sub" / "deeper.txt");
    fs::remove(at.desktopShortcut);
    fs::create_symlink(outside / "precious.txt", at.desktopShortcut);
    const fs::path linkedFolder = environment.root() / "linked_install";
    fs::create_symlink(outside, linkedFolder);
    writeString(false, settingsKey, "Path", linkedFolder.string());

    uninstaller::removeInstallation();

    EXPECT_FALSE(fs::exists(fs::symlink_status(linkedFolder)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(at.desktopShortcut)));
    EXPECT_TRUE(fs::exists(outside / "precious.txt"));
    EXPECT_TRUE(fs::exists(outside / "sub" / "deeper.txt"));
    EXPECT_TRUE(fs::exists(at.folder / "readme.txt"));
    EXPECT_TRUE(reported.empty());
}

TEST_F(RemovalTest, LinksInsideTheFolderAreNotFollowed)
{
    const Installation at = install(environment.root());
    const fs::path outside = environment.root() / "outside";
    writeFile(outside / "precious.txt");
    fs::create_symlink(outside, at.folder / "data" / "to_outside");
    fs::create_symlink(outside / "precious.txt", at.folder / "precious_link.txt");
    fs::create_symlink(environment.home(), at.folder / "to_home");

    uninstaller::removeInstallation();

    EXPECT_FALSE(presence(environment.root()).folder);
    EXPECT_TRUE(fs::exists(outside / "precious.txt"));
    EXPECT_TRUE(presence(environment.root()).neighboursIntact);
}

// With an empty Shell Folders value no shortcut is looked for at the root.
TEST_F(RemovalTest, AnEmptyShellFolderValueIsNotTakenAsTheRoot)
{
    writeString(false, shellFoldersKey, "Desktop", "");
    writeString(false, shellFoldersKey, "Programs", "");
    uninstaller::RemovalTexts texts;
    uninstaller::readShortcutPaths(texts);
    EXPECT_EQ(texts.desktopShortcut, "");
    EXPECT_EQ(texts.programsShortcut, "");
}
