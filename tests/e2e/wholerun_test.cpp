// A whole run as a user makes it, in one process on the real windows: an installed game played
// in each of the sixteen categories from the settings dialog's choice, its records shown,
// saved at End and loaded again by the next run, then the uninstaller removing everything.
// Pictures of the title, the games, the dialog's pages and the uninstaller's completion go to
// the build folder for a person to look at.

#include "game_windows.h"
#include "installation.h"

#include "game/categories.h"
#include "game/radiogroup.h"
#include "platform/settings.h"
#include "uninstaller/UnzelmoUnit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr double MsPerDay = 86'400'000.0;
// What the installation leaves as the first category's best score.
constexpr std::int32_t InstalledHiScore = 1200;
const QString wrongAnswer = QStringLiteral("##");

std::string word(int k)
{
    return std::string(zelmo::categories[static_cast<std::size_t>(k)].word);
}

int lastLevel(int k)
{
    return static_cast<int>(zelmo::categories[static_cast<std::size_t>(k)].levels.size()) - 1;
}

void saveShot(QWidget *window, const QString &name)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(ZELMO_SHOTS_DIR)));
    EXPECT_TRUE(window->grab().save(QStringLiteral(ZELMO_SHOTS_DIR "/%1.png").arg(name)))
        << name.toStdString();
}

// One short game: the level played, the points of its one hit and its length.
struct Game
{
    int level = -1;
    std::int32_t score = 0;
    std::int64_t ms = 0;
};

class WholeRun : public ::testing::Test, protected GameWindows
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override { install(environment.root()); }

    void TearDown() override { closeWindows(); }

    void dialogShown() override
    {
        if (inDialog)
            inDialog();
    }

    void clickTab(int page)
    {
        auto *bar = option->OptionSheet->findChild<QTabBar *>();
        ASSERT_NE(bar, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        EXPECT_EQ(option->OptionSheet->currentIndex(), page);
        EXPECT_EQ(option->JyohouBtn->isVisible(), page == 1);
    }

    // Settings, then in the dialog: the category's item, its last level by the End key, OK.
    void choose(int k)
    {
        inDialog = [this, k] {
            EXPECT_EQ(option->OptionSheet->currentIndex(), 0);
            QTest::mouseClick(option->Moji_Syurui->button(k), Qt::LeftButton);
            EXPECT_EQ(option->category(), k);
            QTest::keyClick(option->Moji_Lebel, Qt::Key_End);
            EXPECT_EQ(option->level(), lastLevel(k));
            QTest::mouseClick(option->OkBtn, Qt::LeftButton);
            EXPECT_FALSE(option->isVisible());
        };
        click(form->SetteiBtnLbl);
        inDialog = nullptr;
        EXPECT_EQ(qs(core().SyuruiName), option->Moji_Syurui->itemText(k));
        EXPECT_EQ(qs(core().LebelName), option->Moji_Lebel->itemText(lastLevel(k)));
        EXPECT_EQ(core().GameHiScore, k == 0 ? InstalledHiScore : 0);
    }

    // Start, one target answered and hit, one wrong answer, Stop.
    void play(int k)
    {
        choose(k);
        Game &game = games[static_cast<std::size_t>(k)];
        game.level = option->level();
        click(form->StartBtnLbl);
        ASSERT_EQ(core().GameState, zelmo::PlayingState);
        const std::int64_t started = clock.nowMs();
        // The first two targets come down into sight.
        tick(250);
        const QString target = qs(core().MojiInput[1]);
        ASSERT_FALSE(target.isEmpty());
        answer(target);
        EXPECT_TRUE(core().TamaOn[1]) << target.toStdString();
        EXPECT_TRUE(form->Edit1->text().isEmpty());
        tick(8);
        saveShot(form.get(), QStringLiteral("game_%1").arg(QString::fromStdString(word(k))));
        tickUntilBulletsLand();
        game.score = 30 + 10 * 1 + 5 * (game.level + 1);
        EXPECT_EQ(core().Score, game.score);
        EXPECT_EQ(core().AtariCount, 1);

        answer(wrongAnswer);
        EXPECT_EQ(core().Life, 80);
        EXPECT_EQ(core().HazureCount, 1);
        click(form->StartBtnLbl);
        EXPECT_EQ(core().GameState, zelmo::StoppedState);
        game.ms = clock.nowMs() - started;
    }

    std::int32_t bestScore(int k) const
    {
        const std::int32_t played = games[static_cast<std::size_t>(k)].score;
        return k == 0 ? std::max(InstalledHiScore, played) : played;
    }

    double playedDays(int k) const
    {
        return static_cast<double>(games[static_cast<std::size_t>(k)].ms) / MsPerDay;
    }

    void expectRecordsShown()
    {
        for (int k = 0; k < zelmo::CategoryCount; ++k) {
            SCOPED_TRACE(word(k));
            EXPECT_EQ(option->hiScoreLabel(k)->text(), QString::number(bestScore(k)));
            EXPECT_EQ(option->seikairituLabel(k)->text(), QStringLiteral("50.00"));
            EXPECT_EQ(option->timeLabel(k)->text(), qs(zelmo::timeText(playedDays(k))));
            EXPECT_EQ(store().SeikairituCounts[static_cast<std::size_t>(k)].A, 1);
            EXPECT_EQ(store().SeikairituCounts[static_cast<std::size_t>(k)].H, 1);
        }
    }

    void expectRecordsStored()
    {
        platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, "Software");
        for (int k = 0; k < zelmo::CategoryCount; ++k) {
            SCOPED_TRACE(word(k));
            EXPECT_EQ(ini.ReadInteger("zelmo_dan", "HiScore" + word(k), -1), bestScore(k));
            EXPECT_EQ(ini.ReadInteger("zelmo_dan", "Seikairitu" + word(k) + "_A", -1), 1);
            EXPECT_EQ(ini.ReadInteger("zelmo_dan", "Seikairitu" + word(k) + "_H", -1), 1);
            EXPECT_NEAR(ini.ReadTime("zelmo_dan", "Time" + word(k), -1) * MsPerDay,
                        playedDays(k) * MsPerDay, 1e-3);
        }
    }

    // Settings, then every page in turn by its tab, the records checked on theirs; OK.
    void lookAtEveryPage()
    {
        inDialog = [this] {
            for (int page = 0; page < 4; ++page) {
                clickTab(page);
                if (page == 1)
                    expectRecordsShown();
                saveShot(option.get(), QStringLiteral("dialog_page%1").arg(page));
            }
            QTest::mouseClick(option->OkBtn, Qt::LeftButton);
        };
        click(form->SetteiBtnLbl);
        inDialog = nullptr;
        EXPECT_FALSE(option->isVisible());
    }

    TempEnvironment environment;
    std::function<void()> inDialog;
    std::array<Game, zelmo::CategoryCount> games{};
};

TEST_F(WholeRun, InstalledPlayedInEveryCategoryKeptOverARestartThenUninstalled)
{
    openWindows(QSize(1024, 768));
    tick(20);
    EXPECT_EQ(form->GameOverLbl->text(), option->titleText());
    saveShot(form.get(), QStringLiteral("title"));
    tick(21);
    ASSERT_EQ(core().GameState, zelmo::StoppedState);

    for (int k = 0; k < zelmo::CategoryCount; ++k) {
        SCOPED_TRACE(word(k));
        play(k);
    }
    lookAtEveryPage();
    click(form->EndBtnLbl);
    EXPECT_FALSE(form->isVisible());
    expectRecordsStored();

    closeWindows();
    openWindows(QSize(1024, 768));
    EXPECT_EQ(core().GameHiScore, bestScore(0));
    EXPECT_EQ(option->category(), 0);
    EXPECT_EQ(option->level(), 0);
    expectRecordsShown();
    passTitle();
    click(form->EndBtnLbl);
    EXPECT_FALSE(form->isVisible());
    expectRecordsStored();
    closeWindows();
    EXPECT_TRUE(errors.empty()) << errors.front();

    TUnzelmoForm uninstaller;
    uninstaller.show();
    QTest::mouseClick(uninstaller.OKBtn, Qt::LeftButton);
    uninstaller.Timer->stop();
    for (int i = 0; i < 50; ++i)
        uninstaller.TimerTimer();
    EXPECT_EQ(uninstaller.ProgBar->value(), 100);
    EXPECT_TRUE(uninstaller.ENDBtn->isVisible());
    saveShot(&uninstaller, QStringLiteral("uninstaller_done"));
    QTest::mouseClick(uninstaller.ENDBtn, Qt::LeftButton);
    EXPECT_FALSE(uninstaller.isVisible());

    const Presence after = presence(environment.root());
    EXPECT_EQ(after, (Presence{false, false, false, false, false, true})) << describe(after);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

} // namespace
