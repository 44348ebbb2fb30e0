#include "game_window.h"

#include "platform/guard.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace testing_support {

GameWindow::GameWindow()
{
    platform::setErrorReporter([this](const std::string &text) { m_errors.push_back(text); });
    Tzelmo_dan_MainForm::Services services;
    services.sound = &m_sound;
    services.random = &m_random;
    services.clock = &m_clock;
    services.pause = [](int) {};
    services.screenSize = QSize(1024, 768);
    services.randomize = false;
    m_form = std::make_unique<Tzelmo_dan_MainForm>(services);
    m_form->Timer->stop();
    m_option = new zelmo::TOption_Form(m_form.get());
    m_form->setOptionForm(m_option);
    m_form->show();
}

GameWindow::~GameWindow()
{
    m_form.reset();
    platform::setErrorReporter(nullptr);
}

void GameWindow::tick(int count)
{
    for (int i = 0; i < count; ++i)
        m_form->TimerTimer();
}

void GameWindow::passTitle()
{
    while (core().GameState == zelmo::TitleState)
        tick();
}

void GameWindow::click(QLabel *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void GameWindow::startGame()
{
    passTitle();
    if (core().GameState == zelmo::StoppedState)
        click(m_form->StartBtnLbl);
}

void GameWindow::enter(const QString &text)
{
    m_form->Edit1->setText(text);
    QTest::keyClick(m_form->Edit1, Qt::Key_Return);
}

} // namespace testing_support
