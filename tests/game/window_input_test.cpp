// Bad typed input on the real main window: a huge text, control characters, lone surrogates
// and a composition still in progress when Enter comes. Each is judged as the box's committed
// text, whole and code unit for code unit: no crash, no hang, no error shown.

#include "game_window.h"

#include "tests/platform/temp_registry.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using testing_support::GameWindow;

namespace {

class TypedInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.startGame();
        ASSERT_EQ(window.core().GameState, zelmo::PlayingState);
        for (int i = 1; i <= zelmo::SlotCount; ++i)
            window.core().MojiInput[i].clear();
        window.core().MojiInput[1] = u"abc";
        window.core().MojiInput[2] = u"\U00020BB7"; // 𠮷, outside the Basic Multilingual Plane
    }

    QLineEdit &box() { return *window.form().Edit1; }
    void compose(const QString &preedit, const QString &commit = {})
    {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(&box(), &event);
    }
    void expectMisses(int misses)
    {
        EXPECT_EQ(window.core().HazureCount, misses);
        EXPECT_EQ(window.core().Life, 100 - 20 * misses);
        EXPECT_FALSE(window.core().TamaOn[1]);
        EXPECT_FALSE(window.core().TamaOn[2]);
    }

    TempRegistry registry;
    GameWindow window;
};

} // namespace

TEST_F(TypedInput, AHugeTextIsOneMiss)
{
    box().insert(QString(100000, QLatin1Char('a')));
    QTest::keyClick(&box(), Qt::Key_Return);
    expectMisses(1);
    EXPECT_TRUE(box().text().isEmpty());
    window.tick();
    EXPECT_TRUE(window.errors().empty());
}

TEST_F(TypedInput, ControlCharactersCountAsThemselves)
{
    const QString texts[] = {QStringLiteral("abc\t"),
                             QStringLiteral("\x01"
                                            "abc"),
                             QStringLiteral("ab\x7f"
                                            "c"),
                             QStringLiteral("\r"),
                             QStringLiteral("\n"),
                             QStringLiteral("\x1b"),
                             QString(QChar(0)) + QStringLiteral("abc"),
                             QStringLiteral("abc") + QChar(0)};
    int misses = 0;
    for (const QString &text : texts) {
        window.enter(text);
        ++misses;
        EXPECT_TRUE(box().text().isEmpty());
    }
    expectMisses(misses);
    window.enter(QStringLiteral("abc"));
    EXPECT_TRUE(window.core().TamaOn[1]);
    window.tick();
    EXPECT_TRUE(window.errors().empty());
}

TEST_F(TypedInput, LoneSurrogatesMissAndAWholePairHits)
{
    const QChar high(0xD842), low(0xDFB7);
    const QString texts[] = {QString(QChar(0xD800)), QString(QChar(0xDC00)),
                             QString(high),          QString(low),
                             QString(low) + high,    QStringLiteral("abc") + QChar(0xD800)};
    int misses = 0;
    for (const QString &text : texts) {
        window.enter(text);
        ++misses;
        EXPECT_TRUE(box().text().isEmpty());
    }
    expectMisses(misses);
    window.enter(QString(high) + low);
    EXPECT_TRUE(window.core().TamaOn[2]);

    // A slot text with a lone surrogate is measured and drawn like any other.
    window.core().MojiInput[3] = window.core().MojiView[3] = u"\xD800";
    window.core().MojiWidth();
    window.tick(3);
    EXPECT_TRUE(window.errors().empty());
}

// The composition is not part of the box's text: Enter judges what was committed and leaves the
// composition to go on in the emptied box; with nothing committed, Enter passes to the box.
TEST_F(TypedInput, EnterDuringACompositionJudgesTheCommittedText)
{
    compose(QStringLiteral("か"));
    QTest::keyClick(&box(), Qt::Key_Return);
    expectMisses(0);

    compose({}, QStringLiteral("ab"));
    compose(QStringLiteral("c"));
    ASSERT_EQ(box().text(), QStringLiteral("ab"));
    QTest::keyClick(&box(), Qt::Key_Return);
    expectMisses(1);
    EXPECT_TRUE(box().text().isEmpty());

    compose({}, QStringLiteral("abc"));
    EXPECT_EQ(box().text(), QStringLiteral("abc"));
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_TRUE(window.core().TamaOn[1]);
    window.tick();
    EXPECT_TRUE(window.errors().empty());
}
