#include "platform/shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace platform;

namespace {
class ShellFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "shell_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
    }
    fs::path file(const fs::path &relative, const std::string &content = "x")
    {
        const fs::path at = root / relative;
        fs::create_directories(at.parent_path());
        std::ofstream(at) << content;
        return at;
    }
    fs::path folder(const fs::path &relative)
    {
        fs::create_directories(root / relative);
        return root / relative;
    }
    fs::path root;
};
} // namespace

TEST_F(ShellFiles, FileAndFolderTestsTellEntriesApart)
{
    const fs::path plain = file("plain.txt");
    const fs::path dir = folder("dir");
    fs::create_symlink(plain, root / "to_file");
    fs::create_symlink(dir, root / "to_dir");
    fs::create_symlink(root / "gone", root / "dangling");

    struct Case
    {
        fs::path path;
        bool isFile;
        bool isFolder;
    };
    const std::vector<Case> cases = {
        {plain, true, false},
        {dir, false, true},
        {root / "to_file", true, false},
        {root / "to_dir", false, true},
        {root / "dangling", true, false},
        {root / "missing", false, false},
        {fs::path(), false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(fileExists(c.path), c.isFile) << c.path;
        EXPECT_EQ(directoryExists(c.path), c.isFolder) << c.path;
    }
}

TEST(NativePath, TurnsBackslashesIntoSlashes)
{
    EXPECT_EQ(nativePath("/home/u/Desktop\\ゼルモ団.lnk"),
              fs::path("/home/u/Desktop/ゼルモ団.lnk"));
    EXPECT_EQ(nativePath("C:\\Program Files\\zelmo"), fs::path("C:/Program Files/zelmo"));
    EXPECT_EQ(nativePath("\\ゼルモ団.lnk"), fs::path("/ゼルモ団.lnk"));
    EXPECT_EQ(nativePath(""), fs::path());
}

TEST_F(ShellFiles, DeletesAFileAndAWholeTreeForGood)
{
    const fs::path plain = file("plain.txt");
    const fs::path tree = folder("tree");
    file("tree/a.txt");
    file("tree/sub/deeper/b.txt");
    const fs::path readOnly = file("tree/sub/ro.txt");
    fs::permissions(readOnly, fs::perms::owner_read);

    EXPECT_TRUE(deleteForGood(plain));
    EXPECT_TRUE(deleteForGood(tree));
    EXPECT_FALSE(fs::exists(fs::symlink_status(plain)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_FALSE(deleteForGood(root / "missing"));
}

TEST_F(ShellFiles, RemovesLinksAsLinksAndNeverFollowsThem)
{
    const fs::path outside = folder("outside");
    const fs::path kept = file("outside/keep.txt");
    const fs::path tree = folder("tree");
    fs::create_symlink(outside, tree / "link_inside");
    fs::create_symlink(kept, tree / "file_link");
    fs::create_symlink(outside, root / "named_link");
    fs::create_symlink(outside, root / "slashed_link");

    EXPECT_TRUE(deleteForGood(tree));
    EXPECT_TRUE(deleteForGood(root / "named_link"));
    EXPECT_TRUE(deleteForGood(fs::path((root / "slashed_link").string() + "//")));

    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(root / "named_link")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(root / "slashed_link")));
    EXPECT_TRUE(fs::exists(kept));
}

TEST_F(ShellFiles, RefusesPathsThatNameNoEntryOfTheirOwn)
{
    const fs::path dir = folder("dir");
    const fs::path inside = file("dir/inside.txt");
    EXPECT_FALSE(deleteForGood(dir / "."));
    EXPECT_FALSE(deleteForGood(dir / "sub" / ".."));
    EXPECT_FALSE(deleteForGood(fs::path()));
    EXPECT_FALSE(deleteForGood(fs::path("/")));
    EXPECT_TRUE(fs::exists(inside));
}

TEST(ShellOpen, HandsTheTargetToTheOpenerAndSwallowsItsFailure)
{
    std::vector<std::string> opened;
    setUrlOpener([&](std::string_view target) { opened.emplace_back(target); });
    shellOpen("https://example.org/");
    shellOpen("mailto:someone@example.org");
    EXPECT_EQ(opened,
              (std::vector<std::string>{"https://example.org/", "mailto:someone@example.org"}));

    setUrlOpener([](std::string_view) { throw std::runtime_error("no handler"); });
    EXPECT_NO_THROW(shellOpen("https://example.org/"));
    setUrlOpener(nullptr);
}
