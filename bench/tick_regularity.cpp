// bench_tick [stopped|playing] [TICKS]: builds the game's real main window and settings dialog as
// the program does, runs the real event loop and stamps every timer event of the window's Timer
// just before it is delivered (and so before TimerTimer runs). In "playing" (the default) the
// start button's release handler starts a game once the title has passed. Prints the mean, the
// median, the 99th percentile and the maximum of TICKS (default 1000) intervals, in ms.

#include "game/gameprogram.h"
#include "platform/clock.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class TickRecorder : public QObject
{
public:
    TickRecorder(Tzelmo_dan_MainForm &form, bool playing, std::size_t ticks)
        : m_form(form), m_playing(playing), m_wanted(ticks + 1)
    {
        m_stamps.reserve(m_wanted);
    }

    const std::vector<Clock::time_point> &stamps() const { return m_stamps; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            onTick();
        return QObject::eventFilter(watched, event);
    }

private:
    void onTick()
    {
        const Clock::time_point now = Clock::now();
        const auto state = m_form.core().GameState;
        if (state == zelmo::TitleState)
            return;
        if (m_playing && state == zelmo::StoppedState && !m_started) {
            m_started = true;
            QTimer::singleShot(0, &m_form, [this] { m_form.StartBtnLblMouseUp(); });
            return;
        }
        // Let the loop settle for a few ticks after the title or the start's 500 ms pause.
        if (m_settle > 0) {
            --m_settle;
            return;
        }
        m_stamps.push_back(now);
        if (m_stamps.size() == m_wanted)
            QCoreApplication::quit();
    }

    Tzelmo_dan_MainForm &m_form;
    bool m_playing;
    bool m_started = false;
    int m_settle = 5;
    std::size_t m_wanted;
    std::vector<Clock::time_point> m_stamps;
};

void report(const std::vector<Clock::time_point> &stamps, bool playing)
{
    std::vector<double> ms;
    for (std::size_t i = 1; i < stamps.size(); ++i)
        ms.push_back(std::chrono::duration<double, std::milli>(stamps[i] - stamps[i - 1]).count());
    if (ms.empty())
        return;
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    auto percentile = [&](double p) {
        const auto k = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
        return sorted[std::min(k, sorted.size() - 1)];
    };
    std::printf("state %s, %zu intervals: mean %.3f ms, min %.3f, median %.3f, p99 %.3f, "
                "max %.3f\n",
                playing ? "playing" : "stopped", ms.size(), mean, sorted.front(), percentile(0.5),
                percentile(0.99), sorted.back());
}

} // namespace

int main(int argc, char *argv[])
{
    const bool playing = !(argc > 1 && std::strcmp(argv[1], "stopped") == 0);
    const std::size_t ticks = argc > 2 ? std::stoul(argv[2]) : 1000;

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("zelmo_dan"));
    initGameResources();

    GameProgram program;
    Tzelmo_dan_MainForm &mainForm = program.mainForm();
    TickRecorder recorder(mainForm, playing, ticks);
    mainForm.Timer->installEventFilter(&recorder);
    mainForm.showFullScreen();
    const int result = QApplication::exec();
    report(recorder.stamps(), playing);
    return result;
}
