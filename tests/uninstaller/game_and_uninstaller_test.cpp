// Both programs at once: the real uninstaller, in a process of its own, removes the installation
// while a game runs in the game's window; the game goes on, and its End writes the settings key
// anew with everything it holds in memory.

#include "installation.h"

#include "platform/registry.h"
#include "platform/settings.h"
#include "tests/game/game_window.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

using namespace testing_support;
using platform::HKEY_CURRENT_USER;

TEST(GameAndUninstaller, EndWritesTheKeyAgainAfterTheRemoval)
{
    TempEnvironment environment;
    install(environment.root());
    GameWindow window;
    ASSERT_EQ(window.core().GameHiScore, 1200);
    window.startGame();
    window.enter(QStringLiteral("no target has this answer"));

    const int status = std::system((std::string(UNZELMO_TEST_HELPER) + " remove").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "0: completed without a message; 3: a message was shown";
    EXPECT_FALSE(presence(environment.root()).settingsKey);

    window.tick(100);
    window.enter(QStringLiteral("nor this one"));
    EXPECT_EQ(window.core().GameState, zelmo::PlayingState);
    window.click(window.form().EndBtnLbl);
    EXPECT_TRUE(window.errors().empty());
    EXPECT_FALSE(window.form().isVisible());

    platform::registry::Hive hive(HKEY_CURRENT_USER);
    EXPECT_EQ(hive.valueNames(settingsKey).size(), 66u) << "the 66 values and no Path";
    EXPECT_FALSE(hive.keyExists(std::string(settingsKey) + "\\Extra"));
    zelmo::RecordStore reloaded;
    platform::TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
    ASSERT_NO_THROW(reloaded.load(ini));
    EXPECT_EQ(reloaded.hiScoreCaption(0), u"1200");
    EXPECT_EQ(reloaded.SeikairituCounts[0].H, 2);
    EXPECT_EQ(reloaded.SeikairituCounts[0].A, window.option().store().SeikairituCounts[0].A);
    EXPECT_EQ(reloaded.timeCaption(0), window.option().store().timeCaption(0));
}
