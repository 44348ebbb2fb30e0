#pragma once
// The game's two windows wired as the program runs them: the main window first, then the
// settings dialog, with the real sound output, random source, clock and button pause.

#include "game/Option.h"
#include "game/zelmo_dan_Main.h"
#include "platform/qt_sound.h"

#include <memory>

class GameProgram
{
public:
    // Needs a QApplication.
    GameProgram();
    GameProgram(const GameProgram &) = delete;
    GameProgram &operator=(const GameProgram &) = delete;

    Tzelmo_dan_MainForm &mainForm() { return *m_mainForm; }
    zelmo::TOption_Form &optionForm() { return *m_optionForm; }

private:
    platform::QtSoundOutput m_sound;
    zelmo::SeededRandom m_random;
    platform::SteadyClock m_clock;
    // Declared in this order so the dialog, the main window's child, is destroyed first.
    std::unique_ptr<Tzelmo_dan_MainForm> m_mainForm;
    std::unique_ptr<zelmo::TOption_Form> m_optionForm;
};
