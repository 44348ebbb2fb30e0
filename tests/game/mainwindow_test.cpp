// The real main window and settings dialog together, wired as the program wires them, driven
// offscreen with QTest: the button bar, booking into the live store, saving at End, start-up
// reads and a whole game played by typing.

#include "game_windows.h"

#include "game/categories.h"
#include "game/Option.h"
#include "game/radiogroup.h"
#include "game/store.h"
#include "game/zelmo_dan_Main.h"

#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/sound.h"

#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using platform::HKEY_CURRENT_USER;
using platform::registry::Hive;
using platform::registry::Value;
namespace reg = platform::registry;
namespace fs = std::filesystem;

namespace {

constexpr const char *Section = "Software\\zelmo_dan";
constexpr double MsPerDay = 86'400'000.0;
const QColor cream(255, 251, 240);
const QColor fuchsia(255, 0, 255);

std::string word(int k)
{
    return std::string(zelmo::categories[static_cast<std::size_t>(k)].word);
}

std::optional<Value> stored(const std::string &name)
{
    return Hive(HKEY_CURRENT_USER).readValue(Section, name);
}

std::int32_t dwordOf(const Value &v)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < v.data.size() && i < 4; ++i)
        bits |= std::uint32_t{v.data[i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

double daysOf(const Value &v)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= std::uint64_t{v.data.at(i)} << (8 * i);
    return std::bit_cast<double>(bits);
}

void writeStored(const std::string &name, const Value &v)
{
    Hive hive(HKEY_CURRENT_USER);
    hive.createKey(Section);
    hive.writeValue(Section, name, v);
}

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// What a modal dialog showed when it opened.
struct DialogVisit
{
    int page;
    bool jyohouHidden;
    std::int32_t gameState;
    std::int32_t hazureBooked; // category 0's cumulative misses at that moment
};

class MainWindowTest : public ::testing::Test, protected testing_support::GameWindows
{
protected:
    static void SetUpTestSuite() { testing_support::ensureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        setenv("ZELMO_REGISTRY_DIR", m_dir.path().toLocal8Bit().constData(), 1);
    }

    void TearDown() override
    {
        closeWindows();
        unsetenv("ZELMO_REGISTRY_DIR");
    }

    // Records what the dialog showed when it opened, then runs inDialog.
    void dialogShown() override
    {
        dialogs.push_back({option->OptionSheet->currentIndex(), option->JyohouBtn->isHidden(),
                           core().GameState, store().SeikairituCounts[0].H});
        if (inDialog)
            inDialog();
    }

    fs::path hiveFile() const { return fs::path(m_dir.path().toStdString()) / "hkcu.db"; }

    QTemporaryDir m_dir;
    std::vector<DialogVisit> dialogs;
    std::function<void()> inDialog;
};

// ---- The button bar ----

TEST_F(MainWindowTest, TheTitleStateIgnoresAllFourButtonsButNotTheHoverColours)
{
    openWindows();
    tick(5);
    for (QLabel *label :
         {form->StartBtnLbl, form->EndBtnLbl, form->SetteiBtnLbl, form->HelpBtnLbl}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(textColour(label), cream);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(label, &enter);
        EXPECT_EQ(textColour(label), fuchsia);
        click(label);
        click(label, Qt::RightButton);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(label, &leave);
        EXPECT_EQ(textColour(label), cream);
    }
    EXPECT_TRUE(sound.played().empty());
    EXPECT_TRUE(pauses.empty());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(core().GameState, zelmo::TitleState);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("スタート"));
    // Both faces stay as created: the released one over the pressed one.
    for (QLabel *face :
         {form->StartBtnOffImg, form->StartBtnOnImg, form->EndBtnOffImg, form->EndBtnOnImg,
          form->SetteiBtnOffImg, form->SetteiBtnOnImg, form->HelpBtnOffImg, form->HelpBtnOnImg})
        EXPECT_FALSE(face->isHidden()) << face->objectName().toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(fs::exists(hiveFile()));
}

TEST_F(MainWindowTest, APressShowsThePressedFaceAndTheReleaseTheReleasedOne)
{
    openWindows();
    passTitle();
    struct Button
    {
        QLabel *label, *off, *on;
    };
    const Button buttons[] = {
        {form->StartBtnLbl, form->StartBtnOffImg, form->StartBtnOnImg},
        {form->SetteiBtnLbl, form->SetteiBtnOffImg, form->SetteiBtnOnImg},
        {form->HelpBtnLbl, form->HelpBtnOffImg, form->HelpBtnOnImg},
        {form->EndBtnLbl, form->EndBtnOffImg, form->EndBtnOnImg},
    };
    for (const Button &b : buttons) {
        SCOPED_TRACE(b.label->objectName().toStdString());
        QTest::mousePress(b.label, Qt::MiddleButton);
        EXPECT_TRUE(b.off->isHidden());
        EXPECT_FALSE(b.on->isHidden());
        QTimer::singleShot(0, option.get(), [this] {
            if (option->isVisible())
                option->OkBtn->click();
        });
        QTest::mouseRelease(b.label, Qt::MiddleButton);
        QCoreApplication::processEvents();
        EXPECT_FALSE(b.off->isHidden());
        EXPECT_TRUE(b.on->isHidden());
    }
    EXPECT_EQ(sound.played(), std::vector<std::string>(4, "botan"));
    EXPECT_EQ(pauses, std::vector<int>(4, 500));
}

TEST_F(MainWindowTest, TwoClicksOnStartStartAndStopAShortGameThatIncludesThePause)
{
    openWindows();
    passTitle();
    click(form->StartBtnLbl);
    EXPECT_EQ(core().GameState, zelmo::PlayingState);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("ストップ"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(core().MojiInput[i].empty()) << i;
    click(form->StartBtnLbl);
    EXPECT_EQ(core().GameState, zelmo::StoppedState);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("スタート"));
    EXPECT_EQ(sound.played(), (std::vector<std::string>{"botan", "botan"}));
    EXPECT_EQ(pauses, (std::vector<int>{500, 500}));
    // No tick ran between the clicks: the booked time is the stop click's pause.
    EXPECT_NEAR(store().timeDays(0) * MsPerDay, 500, 1e-3);
    EXPECT_EQ(option->seikairituLabel(0)->text(), QStringLiteral("0.00"));
    EXPECT_EQ(option->timeLabel(0)->text(), QStringLiteral("0:00:00"));
}

TEST_F(MainWindowTest, AnyMouseButtonActsAndWithSoundOffTheClickStillPauses)
{
    openWindows();
    passTitle();
    option->SoundPlay->setChecked(false);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        click(form->StartBtnLbl, button);
        EXPECT_EQ(core().GameState, zelmo::PlayingState) << button;
        click(form->StartBtnLbl, button);
        EXPECT_EQ(core().GameState, zelmo::StoppedState) << button;
    }
    EXPECT_TRUE(sound.played().empty());
    EXPECT_EQ(pauses, std::vector<int>(4, 500));
}

TEST_F(MainWindowTest, SettingsAndHelpBookOnceWhilePlayingAndNeverWhileStopped)
{
    openWindows();
    passTitle();
    // The records page was left open last time, which shows the reset button.
    option->OptionSheet->setCurrentIndex(1);
    ASSERT_FALSE(option->JyohouBtn->isHidden());

    click(form->SetteiBtnLbl);
    click(form->StartBtnLbl);
    answer(QStringLiteral("no such answer"));
    EXPECT_EQ(core().HazureCount, 1);
    click(form->HelpBtnLbl);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("スタート"));
    tick(3);
    click(form->HelpBtnLbl);
    click(form->StartBtnLbl);
    answer(QStringLiteral("no such answer"));
    click(form->SetteiBtnLbl);

    ASSERT_EQ(dialogs.size(), 4u);
    const int pages[] = {0, 2, 2, 0};
    const std::int32_t booked[] = {0, 1, 1, 2};
    for (std::size_t i = 0; i < dialogs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialogs[i].page, pages[i]);
        EXPECT_TRUE(dialogs[i].jyohouHidden);
        EXPECT_EQ(dialogs[i].gameState, zelmo::StoppedState);
        EXPECT_EQ(dialogs[i].hazureBooked, booked[i]);
    }
    EXPECT_EQ(store().SeikairituCounts[0].H, 2);
    // Two games, each ended by its dialog button's pause; the ticks ran while stopped.
    EXPECT_NEAR(store().timeDays(0) * MsPerDay, 1000, 1e-3);
}

TEST_F(MainWindowTest, AfterAGameOverStartReadsSTARTAndANewGameClearsTheBigLine)
{
    openWindows();
    passTitle();
    click(form->StartBtnLbl);
    answer(QStringLiteral("wrong"));
    core().Life = 0;
    tick();
    EXPECT_EQ(core().GameState, zelmo::StoppedState);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("START"));
    EXPECT_EQ(form->GameOverLbl->text(), QStringLiteral("ゲーム　オーバー"));
    EXPECT_EQ(sound.played().back(), "endbaan");
    EXPECT_EQ(store().SeikairituCounts[0].H, 1);
    tick(5);
    EXPECT_EQ(store().SeikairituCounts[0].H, 1);

    click(form->StartBtnLbl);
    EXPECT_EQ(core().GameState, zelmo::PlayingState);
    EXPECT_TRUE(core().GameOverCaption.empty());
    EXPECT_TRUE(form->GameOverLbl->text().isEmpty());
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("ストップ"));
    EXPECT_EQ(core().Life, 100);
    EXPECT_EQ(store().SeikairituCounts[0].H, 1);
}

// ---- Booking through the real store ----

TEST_F(MainWindowTest, OneHitAndThreeMissesAsAFirstGameReadTwentyFivePercent)
{
    openWindows();
    passTitle();
    inDialog = [this] { option->Moji_Syurui->button(zelmo::Eigo)->click(); };
    click(form->SetteiBtnLbl);
    inDialog = nullptr;
    EXPECT_EQ(qs(core().SyuruiName), option->Moji_Syurui->itemText(zelmo::Eigo));

    click(form->StartBtnLbl);
    answer(qs(core().MojiInput[1]));
    for (const char *wrong : {"x1", "x2", "x3"})
        answer(QString::fromLatin1(wrong));
    EXPECT_EQ(core().Life, 40);
    tickUntilBulletsLand();
    EXPECT_EQ(core().Score, 45);
    click(form->StartBtnLbl);

    EXPECT_EQ(option->seikairituLabel(zelmo::Eigo)->text(), QStringLiteral("25.00"));
    EXPECT_EQ(option->hiScoreLabel(zelmo::Eigo)->text(), QStringLiteral("45"));
    EXPECT_EQ(store().SeikairituCounts[zelmo::Eigo].A, 1);
    EXPECT_EQ(store().SeikairituCounts[zelmo::Eigo].H, 3);
    EXPECT_EQ(store().SeikairituCounts[0].A + store().SeikairituCounts[0].H, 0);
    EXPECT_EQ(option->hiScoreLabel(0)->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, TwoGamesOfOnePointSixSecondsAddUpToThreeSeconds)
{
    openWindows();
    passTitle();
    const char *after[] = {"0:00:01", "0:00:03"};
    for (const char *expected : after) {
        click(form->StartBtnLbl);
        clock.advanceMs(1100); // with the stop click's 500 ms: 1.6 s
        click(form->StartBtnLbl);
        EXPECT_EQ(option->timeLabel(0)->text(), QString::fromLatin1(expected));
    }
    EXPECT_NEAR(store().timeDays(0) * MsPerDay, 3200, 1e-3);
}

// ---- Saving and leaving ----

TEST_F(MainWindowTest, EndWhilePlayingBooksThenWritesAllValuesAndTheNextRunLoadsThem)
{
    writeStored("HiScoreKanaKiso", reg::stringValue("77"));
    openWindows();
    option->ArrayJyunban->setChecked(false);
    passTitle();
    click(form->StartBtnLbl);
    answer(qs(core().MojiInput[1]));
    const int ticks = tickUntilBulletsLand();
    sound.clear();
    pauses.clear();
    click(form->EndBtnLbl);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(core().GameState, zelmo::StoppedState);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("スタート"));
    EXPECT_EQ(sound.played(), std::vector<std::string>{"botan"});
    EXPECT_EQ(pauses, std::vector<int>{500});
    EXPECT_TRUE(errors.empty());

    std::set<std::string> expected{"SoundPlay", "ArrayJyunban"};
    for (int k = 0; k < zelmo::CategoryCount; ++k) {
        expected.insert("HiScore" + word(k));
        expected.insert("Seikairitu" + word(k) + "_A");
        expected.insert("Seikairitu" + word(k) + "_H");
        expected.insert("Time" + word(k));
    }
    ASSERT_EQ(expected.size(), 66u);
    const auto names = Hive(HKEY_CURRENT_USER).valueNames(Section);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    EXPECT_EQ(names.size(), 66u);

    EXPECT_EQ(stored("SoundPlay"), reg::stringValue("1"));
    EXPECT_EQ(stored("ArrayJyunban"), reg::stringValue("0"));
    EXPECT_EQ(stored("HiScoreRomajiKiso"), reg::dwordValue(45));
    EXPECT_EQ(stored("HiScoreKanaKiso"), reg::stringValue("77"));
    for (int k = 0; k < zelmo::CategoryCount; ++k) {
        SCOPED_TRACE(word(k));
        for (const char *side : {"_A", "_H"}) {
            const auto v = stored("Seikairitu" + word(k) + side);
            ASSERT_TRUE(v);
            EXPECT_EQ(v->type, reg::REG_DWORD);
            EXPECT_EQ(dwordOf(*v), k == 0 && side[1] == 'A' ? 1 : 0);
        }
        const auto t = stored("Time" + word(k));
        ASSERT_TRUE(t);
        EXPECT_EQ(t->type, reg::REG_BINARY);
        ASSERT_EQ(t->data.size(), 8u);
        // The game's time is booked before the End click's pause.
        EXPECT_NEAR(daysOf(*t) * MsPerDay, k == 0 ? 30.0 * ticks : 0.0, 1e-3);
    }

    closeWindows();
    openWindows();
    EXPECT_EQ(core().GameHiScore, 45);
    EXPECT_TRUE(option->SoundPlay->isChecked());
    EXPECT_FALSE(option->ArrayJyunban->isChecked());
    EXPECT_EQ(option->hiScoreLabel(0)->text(), QStringLiteral("45"));
    EXPECT_EQ(option->seikairituLabel(0)->text(), QStringLiteral("100.00"));
    EXPECT_EQ(option->hiScoreLabel(zelmo::KanaKiso)->text(), QStringLiteral("77"));
    EXPECT_NEAR(store().timeDays(0) * MsPerDay, 30.0 * ticks, 1e-3);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheWindowOpenStoppedAndASecondEndSaves)
{
    writeStored("HiScoreRomajiKiso", reg::dwordValue(5));
    openWindows();
    passTitle();
    click(form->StartBtnLbl);
    answer(QStringLiteral("wrong"));

    // The hive file turns into a folder: it can be neither opened nor written, even as root.
    const fs::path away = hiveFile().string() + ".away";
    fs::rename(hiveFile(), away);
    fs::create_directory(hiveFile());
    click(form->EndBtnLbl);

    EXPECT_EQ(errors, std::vector<std::string>{"キー zelmo_dan の作成に失敗しました"});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(core().GameState, zelmo::StoppedState);
    EXPECT_EQ(form->StartBtnLbl->text(), QStringLiteral("スタート"));
    EXPECT_FALSE(form->EndBtnOffImg->isHidden());
    EXPECT_TRUE(form->EndBtnOnImg->isHidden());
    EXPECT_EQ(store().SeikairituCounts[0].H, 1);

    fs::remove(hiveFile());
    fs::rename(away, hiveFile());
    click(form->EndBtnLbl);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored("SeikairituRomajiKiso_H"), reg::dwordValue(1));
    EXPECT_EQ(stored("HiScoreRomajiKiso"), reg::dwordValue(5));
}

TEST_F(MainWindowTest, ClosingTheWindowAnyOtherWaySavesNothing)
{
    openWindows();
    passTitle();
    option->SoundPlay->setChecked(false);
    click(form->StartBtnLbl);
    answer(QStringLiteral("wrong"));
    click(form->StartBtnLbl);
    ASSERT_EQ(store().SeikairituCounts[0].H, 1);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(fs::exists(hiveFile()));
}

// ---- Start-up ----

TEST_F(MainWindowTest, StartUpReadsTheFirstCategorysBestScore)
{
    openWindows();
    EXPECT_EQ(core().GameHiScore, 0);
    closeWindows();
    writeStored("HiScoreRomajiKiso", reg::dwordValue(1234));
    openWindows();
    EXPECT_EQ(core().GameHiScore, 1234);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTest, ABestScoreOfTheWrongTypeIsReportedAndTheWindowStillWorks)
{
    const std::uint8_t bytes[] = {1, 2, 3, 4};
    writeStored("HiScoreRomajiKiso", reg::binaryValue(bytes));
    openWindows();
    const std::string message = "'HiScoreRomajiKiso' のデータ型が不正です";
    // Once from the main window's read, once from the dialog's load.
    EXPECT_EQ(errors, (std::vector<std::string>{message, message}));
    EXPECT_EQ(core().GameHiScore, 0);
    EXPECT_EQ(core().FieldHeight, 529);
    passTitle();
    EXPECT_EQ(core().GameState, zelmo::StoppedState);
    click(form->StartBtnLbl);
    EXPECT_EQ(core().GameState, zelmo::PlayingState);
    answer(qs(core().MojiInput[1]));
    tickUntilBulletsLand();
    EXPECT_EQ(core().Score, 45);
}

// ---- A whole game ----

TEST_F(MainWindowTest, AWholeGameTypedIntoTheAnswerBoxReachesTheRecordsOfTheNextRun)
{
    openWindows();
    option->ArrayJyunban->setChecked(false);
    passTitle();
    click(form->StartBtnLbl);
    const std::int64_t started = clock.nowMs();
    EXPECT_EQ(qs(core().MojiInput[1]), QStringLiteral("FGD"));
    EXPECT_EQ(qs(core().MojiInput[2]), QStringLiteral("FDG"));
    EXPECT_EQ(qs(core().MojiInput[3]), QStringLiteral("DFS"));

    for (int i = 1; i <= 3; ++i) {
        answer(qs(core().MojiInput[i]));
        EXPECT_TRUE(core().TamaOn[i]) << i;
        EXPECT_TRUE(form->Edit1->text().isEmpty());
    }
    std::int32_t lastScore = core().Score;
    int hits = 0;
    for (int n = 0; n < 300 && bulletInFlight(); ++n) {
        tick();
        if (core().Score != lastScore) {
            EXPECT_EQ(core().Score, lastScore + 45);
            lastScore = core().Score;
            ++hits;
        }
    }
    EXPECT_EQ(hits, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(core().MojiInput[i].empty()) << "refilled " << i;
    EXPECT_EQ(sound.played().back(), "atari");

    answer(QStringLiteral("zzz"));
    EXPECT_EQ(core().Life, 80);
    EXPECT_EQ(core().Score, 135);
    EXPECT_EQ(sound.played().back(), "hazure");

    // An input method hands over a finished word in one commit, without key presses.
    core().MojiInput[2] = core().MojiView[2] = u"漢字";
    core().MojiWidth();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("漢字"));
    QCoreApplication::sendEvent(form->Edit1, &commit);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("漢字"));
    QTest::keyClick(form->Edit1, Qt::Key_Return);
    EXPECT_TRUE(core().TamaOn[2]);
    tickUntilBulletsLand();
    EXPECT_EQ(core().Score, 180);
    EXPECT_EQ(core().GameHiScore, 180);

    click(form->StartBtnLbl);
    const double playedMs = static_cast<double>(clock.nowMs() - started);
    EXPECT_EQ(option->hiScoreLabel(0)->text(), QStringLiteral("180"));
    EXPECT_EQ(option->seikairituLabel(0)->text(), QStringLiteral("80.00"));
    EXPECT_EQ(option->timeLabel(0)->text(), qs(zelmo::timeText(playedMs / MsPerDay)));
    EXPECT_NEAR(store().timeDays(0) * MsPerDay, playedMs, 1e-3);

    click(form->EndBtnLbl);
    EXPECT_FALSE(form->isVisible());
    closeWindows();
    openWindows();
    EXPECT_EQ(core().GameHiScore, 180);
    EXPECT_EQ(option->hiScoreLabel(0)->text(), QStringLiteral("180"));
    EXPECT_EQ(option->seikairituLabel(0)->text(), QStringLiteral("80.00"));
    EXPECT_EQ(store().SeikairituCounts[0].A, 4);
    EXPECT_EQ(store().SeikairituCounts[0].H, 1);
    EXPECT_NEAR(store().timeDays(0) * MsPerDay, playedMs, 1e-3);
    EXPECT_TRUE(errors.empty());
}

} // namespace

TEST_F(MainWindowTest, TheWindowShowsEveryFramesBitmapThoughEachTickCopiesOnlyWhatChanged)
{
    openWindows();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // The window's backing store: what the platform puts on the screen.
    QPaintDevice *device = form->backingStore()->paintDevice();
    ASSERT_EQ(device->devType(), QInternal::Image);
    const auto *shown = static_cast<const QImage *>(device);
    auto field = [&] {
        return shown->convertToFormat(QImage::Format_RGB32).copy(form->backBitmap().rect());
    };
    tick(20);
    EXPECT_EQ(field(), form->backBitmap());
    tick(21);
    EXPECT_EQ(field(), form->backBitmap()) << "the title line is gone";
    click(form->StartBtnLbl);
    for (int frame = 0; frame < 150; ++frame) {
        if (frame % 15 == 0)
            answer(qs(core().MojiInput[static_cast<std::size_t>(1 + frame / 15 % 3)]));
        tick();
        ASSERT_EQ(field(), form->backBitmap()) << "frame " << frame;
    }
    EXPECT_GT(core().Score, 0);
}
