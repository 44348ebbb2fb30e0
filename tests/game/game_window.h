#pragma once
// The real main window and settings dialog of the game on the offscreen platform, with stand-ins
// for sound, randomness, the clock and the 500 ms pause, and a recorder of the errors shown.
// The window's own timer is stopped: the tests tick it by hand.

#include "game/Option.h"
#include "game/zelmo_dan_Main.h"
#include "platform/sound.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QLabel;

namespace testing_support {

class GameWindow
{
public:
    // Creates both windows as the program does (the main window first, then the dialog, each
    // loading from the registry) and shows the main window.
    GameWindow();
    ~GameWindow();
    GameWindow(const GameWindow &) = delete;
    GameWindow &operator=(const GameWindow &) = delete;

    Tzelmo_dan_MainForm &form() { return *m_form; }
    zelmo::TOption_Form &option() { return *m_option; }
    zelmo::GameCore &core() { return m_form->core(); }
    // The texts of the error messages shown so far.
    const std::vector<std::string> &errors() const { return m_errors; }

    void tick(int count = 1);
    // Ticks through the title into the stopped state.
    void passTitle();
    // A press and release of the left button over one of the bar's buttons.
    void click(QLabel *button);
    // From the title or the stopped state into a running game.
    void startGame();
    // Replaces the answer box's text, as a paste does, and presses Enter in it.
    void enter(const QString &text);

private:
    platform::NullSoundOutput m_sound;
    zelmo::SeededRandom m_random{7};
    platform::ManualClock m_clock;
    std::vector<std::string> m_errors;
    std::unique_ptr<Tzelmo_dan_MainForm> m_form;
    zelmo::TOption_Form *m_option = nullptr;
};

} // namespace testing_support
