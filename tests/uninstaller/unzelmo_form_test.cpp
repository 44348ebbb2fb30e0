#include "installation.h"

#include "platform/fonts.h"
#include "platform/guard.h"
#include "platform/registry.h"
#include "uninstaller/UnzelmoUnit.h"

#include <QFontInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace {
const QString asking = QStringLiteral("ゼルモ団　を完全に削除しますか　?");
const QString removing = QStringLiteral("ゼルモ団　を削除しています");
const QString completed = QStringLiteral("ゼルモ団　の削除が終了しました");

class UnzelmoFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::setErrorReporter([this](const std::string &text) { reported.push_back(text); });
        form = std::make_unique<TUnzelmoForm>();
        form->show();
    }
    void TearDown() override { platform::setErrorReporter(nullptr); }

    std::vector<QPushButton *> visibleButtons() const
    {
        std::vector<QPushButton *> visible;
        for (QPushButton *button : {form->OKBtn, form->NOBtn, form->ENDBtn}) {
            if (button->isVisible())
                visible.push_back(button);
        }
        return visible;
    }

    // Runs the progress ticks as the timer would, without waiting for it.
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            form->TimerTimer();
    }

    void expectCompletedAfterFiftyTicks()
    {
        tick(49);
        EXPECT_EQ(form->ProgBar->value(), 98);
        EXPECT_EQ(form->Label1->text(), removing);
        EXPECT_TRUE(visibleButtons().empty());
        tick(1);
        EXPECT_EQ(form->ProgBar->value(), 100);
        EXPECT_EQ(form->Label1->text(), completed);
        EXPECT_EQ(visibleButtons(), std::vector<QPushButton *>{form->ENDBtn});
        EXPECT_EQ(form->ENDBtn->geometry(), QRect(316, 128, 120, 33));
        EXPECT_FALSE(form->Timer->isActive());
    }

    TempEnvironment environment;
    std::vector<std::string> reported;
    std::unique_ptr<TUnzelmoForm> form;
};
} // namespace

TEST_F(UnzelmoFormTest, OpensAsItsFormDataGivesIt)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ゼルモ団 のアンインストール"));
    EXPECT_EQ(form->frameGeometry().size(), QSize(480, 220));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_FALSE(form->windowIcon().isNull());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;

    struct Control
    {
        QWidget *widget;
        QRect geometry;
        bool visible;
        int pixelHeight;
    };
    const std::vector<Control> controls = {
        {form->Label1, {40, 48, 373, 20}, true, 20},
        {form->Label2, {8, 92, 449, 15}, true, 15},
        {form->OKBtn, {188, 128, 120, 33}, true, 17},
        {form->NOBtn, {316, 128, 120, 33}, true, 17},
        {form->ProgBar, {36, 88, 389, 21}, false, 15},
        {form->ENDBtn, {316, 128, 120, 33}, false, 17},
    };
    for (const Control &c : controls) {
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->metaObject()->className();
        EXPECT_EQ(c.widget->isVisible(), c.visible) << c.geometry.x();
        EXPECT_EQ(c.widget->font().pixelSize(), c.pixelHeight) << c.geometry.x();
    }
    EXPECT_TRUE(form->Label1->font().bold());
    EXPECT_EQ(QFontInfo(form->font()).family(), platform::uiFontFamily());
    EXPECT_EQ(form->Label1->text(), asking);
    EXPECT_EQ(form->Label2->text(),
              QStringLiteral("削除する場合はゼルモ団を完全に終了した後で削除してください"));
    EXPECT_EQ(form->OKBtn->text(), QStringLiteral("は　い"));
    EXPECT_EQ(form->NOBtn->text(), QStringLiteral("いいえ"));
    EXPECT_EQ(form->ENDBtn->text(), QStringLiteral("O K"));
    EXPECT_EQ(form->focusWidget(), form->OKBtn);
    EXPECT_EQ(form->ProgBar->minimum(), 0);
    EXPECT_EQ(form->ProgBar->maximum(), 100);
    EXPECT_EQ(form->ProgBar->value(), 0);
    EXPECT_EQ(form->Timer->interval(), 30);
    EXPECT_EQ(form->Timer->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(form->Timer->isActive());
}

TEST_F(UnzelmoFormTest, YesRemovesTheWholeInstallationThenCompletesAfterFiftyTicks)
{
    install(environment.root());
    ASSERT_EQ(presence(environment.root()), (Presence{true, true, true, true, true, true}));

    QTest::mouseClick(form->OKBtn, Qt::LeftButton);

    const Presence after = presence(environment.root());
    EXPECT_EQ(after, (Presence{false, false, false, false, false, true})) << describe(after);
    platform::registry::Hive user(platform::HKEY_CURRENT_USER);
    EXPECT_FALSE(user.keyExists(std::string(settingsKey) + "\\Extra"));
    platform::registry::Hive machine(platform::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(machine.keyExists(std::string(uninstallKey) + "\\Details\\Deep"));

    EXPECT_EQ(form->Label1->text(), removing);
    EXPECT_FALSE(form->Label2->isVisible());
    EXPECT_TRUE(form->ProgBar->isVisible());
    EXPECT_EQ(form->ProgBar->value(), 0);
    EXPECT_TRUE(visibleButtons().empty());
    EXPECT_TRUE(form->Timer->isActive());
    form->Timer->stop();

    expectCompletedAfterFiftyTicks();
    EXPECT_TRUE(reported.empty());

    QTest::mouseClick(form->ENDBtn, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(UnzelmoFormTest, NoClosesAndChangesNothing)
{
    install(environment.root());
    const std::string before = snapshot(environment.root());

    QTest::mouseClick(form->NOBtn, Qt::LeftButton);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(snapshot(environment.root()), before);
    EXPECT_FALSE(form->Timer->isActive());
}

TEST_F(UnzelmoFormTest, NothingInstalledStillEndsInTheCompletion)
{
    QTest::mouseClick(form->OKBtn, Qt::LeftButton);
    form->Timer->stop();
    expectCompletedAfterFiftyTicks();
    EXPECT_TRUE(reported.empty());
}

TEST_F(UnzelmoFormTest, EnterOnTheFocusedButtonStartsTheRemoval)
{
    install(environment.root());
    QTest::keyClick(form->OKBtn, Qt::Key_Return);
    EXPECT_FALSE(presence(environment.root()).folder);
    EXPECT_EQ(form->Label1->text(), removing);
}

// A value of the wrong type stops its own step with the class library's message; every other
// step still runs and the animation and the completion follow.
TEST_F(UnzelmoFormTest, AStepThatFailsStopsOnlyItself)
{
    struct Case
    {
        const char *key;
        const char *name;
        Presence expected;
        std::string message;
    };
    const std::vector<Case> cases = {
        {shellFoldersKey,
         "Desktop",
         {false, true, true, false, false, true},
         "'Desktop' のデータ型が不正です"},
        {settingsKey,
         "Path",
         {true, false, false, true, false, true},
         "'Path' のデータ型が不正です"},
    };
    for (const Case &c : cases) {
        TempEnvironment own;
        install(own.root());
        writeDword(false, c.key, c.name, 7);
        reported.clear();
        form = std::make_unique<TUnzelmoForm>();
        form->show();

        QTest::mouseClick(form->OKBtn, Qt::LeftButton);

        const Presence after = presence(own.root());
        EXPECT_EQ(after, c.expected) << c.name << ": " << describe(after);
        EXPECT_EQ(reported, std::vector<std::string>{c.message});
        form->Timer->stop();
        expectCompletedAfterFiftyTicks();
    }
}
