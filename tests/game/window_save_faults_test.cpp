// End pressed when the save cannot write: on a full disk, and with the settings folder gone
// (a regular file stands in its place, which stops even root). The error is shown, the window
// stays open in the stopped state, the hive keeps what it held, and a later End saves it all.

#include "game_window.h"
#include "record_sets.h"

#include "platform/registry.h"
#include "platform/settings.h"
#include "tests/platform/temp_registry.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <map>

using platform::HKEY_CURRENT_USER;
using testing_support::GameWindow;
namespace fs = std::filesystem;
namespace reg = platform::registry;

namespace {

constexpr const char *Section = "Software\\zelmo_dan";

std::map<std::string, reg::Value> sectionContents()
{
    reg::Hive hive(HKEY_CURRENT_USER);
    std::map<std::string, reg::Value> contents;
    for (const std::string &name : hive.valueNames(Section))
        contents[name] = hive.readValue(Section, name).value();
    return contents;
}

// A full disk under the registry folder: where mounting is permitted (root), a small tmpfs
// mounted there and filled up, so writes fail with ENOSPC; elsewhere a file-size limit of 0 for
// this process with SIGXFSZ ignored, so writes fail with EFBIG.
class FullDisk
{
public:
    // Call before the hive is made: the tmpfs must hold it.
    explicit FullDisk(const fs::path &folder) : m_folder(folder)
    {
        m_mounted = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=1m") == 0;
    }
    ~FullDisk()
    {
        makeRoom();
        if (m_mounted)
            umount2(m_folder.c_str(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    const char *kind() const { return m_mounted ? "a full tmpfs" : "a file-size limit"; }

    void fill()
    {
        if (m_mounted) {
            std::ofstream filler(m_folder / "filler", std::ios::binary);
            const std::string block(4096, 'x');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                filler.flush();
            return;
        }
        getrlimit(RLIMIT_FSIZE, &m_limit);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_limit;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        m_limited = true;
    }

    void makeRoom()
    {
        std::error_code ec;
        fs::remove(m_folder / "filler", ec);
        if (m_limited) {
            setrlimit(RLIMIT_FSIZE, &m_limit);
            std::signal(SIGXFSZ, m_oldHandler);
            m_limited = false;
        }
    }

private:
    fs::path m_folder;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_limit{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

class SaveFails : public ::testing::Test
{
protected:
    // The records of set 0 stored, the game window loaded from them, a game with one miss
    // running.
    void prepare()
    {
        zelmo::RecordStore stored;
        testing_support::fillRecordSet(stored, 0);
        platform::TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
        stored.save(ini);
        before = sectionContents();
        ASSERT_EQ(before.size(), 66u);

        window = std::make_unique<GameWindow>();
        window->startGame();
        window->enter(QStringLiteral("no target has this answer"));
    }

    // End fails with the text: the window stays open and stopped with the released face, and
    // the hive holds what it held.
    void expectFailedEnd(const std::string &text)
    {
        window->click(window->form().EndBtnLbl);
        EXPECT_EQ(window->errors(), std::vector<std::string>{text});
        EXPECT_TRUE(window->form().isVisible());
        EXPECT_EQ(window->core().GameState, zelmo::StoppedState);
        EXPECT_TRUE(window->form().EndBtnOffImg->isVisible());
        EXPECT_FALSE(window->form().EndBtnOnImg->isVisible());
    }

    // Once the save can write, End saves the game played and closes the window.
    void expectEndSaves()
    {
        EXPECT_EQ(sectionContents(), before);
        window->click(window->form().EndBtnLbl);
        EXPECT_EQ(window->errors().size(), 1u);
        EXPECT_FALSE(window->form().isVisible());
        zelmo::RecordStore reloaded;
        platform::TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
        ASSERT_NO_THROW(reloaded.load(ini));
        EXPECT_EQ(reloaded.SeikairituCounts[0].H, window->option().store().SeikairituCounts[0].H);
        EXPECT_EQ(reloaded.SeikairituCounts[0].H, 100 + 1);
    }

    TempRegistry registry;
    std::map<std::string, reg::Value> before;
    std::unique_ptr<GameWindow> window;
};

} // namespace

TEST_F(SaveFails, OnAFullDisk)
{
    FullDisk disk(registry.dir());
    SCOPED_TRACE(disk.kind());
    prepare();
    disk.fill();
    // Values that stay as they were cost no write; the first that changes is the miss count of
    // the category played.
    expectFailedEnd("'SeikairituRomajiKiso_H' の設定に失敗しました");
    disk.makeRoom();
    expectEndSaves();
    window.reset();
}

TEST_F(SaveFails, WhenTheSettingsFolderIsAFile)
{
    prepare();
    const fs::path away = registry.dir().string() + ".away";
    fs::rename(registry.dir(), away);
    std::ofstream(registry.dir()) << "not a folder";
    expectFailedEnd("キー zelmo_dan の作成に失敗しました");
    fs::remove(registry.dir());
    fs::rename(away, registry.dir());
    expectEndSaves();
}
