#include "game_windows.h"

#include "platform/guard.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace testing_support {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "zelmo_window_test";
    static char *argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

GameWindows::GameWindows()
{
    platform::setErrorReporter([this](const std::string &text) { errors.push_back(text); });
}

GameWindows::~GameWindows()
{
    closeWindows();
    platform::setErrorReporter(nullptr);
}

void GameWindows::openWindows(QSize screen)
{
    Tzelmo_dan_MainForm::Services services;
    services.sound = &sound;
    services.random = &random;
    services.clock = &clock;
    services.pause = [this](int ms) {
        pauses.push_back(ms);
        clock.advanceMs(ms);
    };
    services.screenSize = screen;
    services.randomize = false;
    form = std::make_unique<Tzelmo_dan_MainForm>(services);
    form->Timer->stop();
    option = std::make_unique<zelmo::TOption_Form>(form.get());
    form->setOptionForm(option.get());
    option->handOver = [this](std::int32_t hiScore, const QString &syurui, const QString &lebel) {
        form->handOver(hiScore, syurui, lebel);
    };
    form->show();
}

void GameWindows::closeWindows()
{
    option.reset();
    form.reset();
}

void GameWindows::tick(int n)
{
    for (int i = 0; i < n; ++i) {
        clock.advanceMs(30);
        form->TimerTimer();
    }
}

void GameWindows::startGame()
{
    passTitle();
    click(form->StartBtnLbl);
}

bool GameWindows::bulletInFlight()
{
    for (int i = 1; i <= zelmo::SlotCount; ++i)
        if (core().TamaOn[i])
            return true;
    return false;
}

int GameWindows::tickUntilBulletsLand()
{
    int n = 0;
    for (; n < 300 && bulletInFlight(); ++n)
        tick();
    EXPECT_FALSE(bulletInFlight());
    return n;
}

void GameWindows::click(QLabel *label, Qt::MouseButton button)
{
    QTimer::singleShot(0, option.get(), [this] {
        if (!option->isVisible())
            return;
        dialogShown();
        if (option->isVisible())
            option->OkBtn->click();
    });
    QTest::mousePress(label, button);
    QTest::mouseRelease(label, button);
    QCoreApplication::processEvents();
}

void GameWindows::answer(const QString &text)
{
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        QTest::keyClicks(form->Edit1, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(form->Edit1, &commit);
    }
    QTest::keyClick(form->Edit1, Qt::Key_Return);
}

void GameWindows::pasteAnswer(const QString &text)
{
    form->Edit1->setText(text);
    QTest::keyClick(form->Edit1, Qt::Key_Return);
}

} // namespace testing_support
