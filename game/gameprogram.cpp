#include "game/gameprogram.h"

#include <chrono>
#include <thread>

GameProgram::GameProgram() : m_sound({"atari", "baan", "endbaan", "hazure", "botan"})
{
    Tzelmo_dan_MainForm::Services services;
    services.sound = &m_sound;
    services.random = &m_random;
    services.clock = &m_clock;
    services.pause = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    m_mainForm = std::make_unique<Tzelmo_dan_MainForm>(services);
    m_optionForm = std::make_unique<zelmo::TOption_Form>(m_mainForm.get());
    m_mainForm->setOptionForm(m_optionForm.get());
    m_optionForm->handOver = [form = m_mainForm.get()](std::int32_t hiScore, const QString &syurui,
                                                       const QString &lebel) {
        form->handOver(hiScore, syurui, lebel);
    };
}
