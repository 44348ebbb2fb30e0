#include "platform/qt_sound.h"
#include "platform/sound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace platform;

namespace {

const std::vector<std::string> gameSounds{"atari", "baan", "endbaan", "hazure", "botan"};

constexpr int recordRate = 22050;
constexpr int window = recordRate / 100; // 10 ms of recorded samples

// A private PulseAudio server with a null sink (tests/pulse-null-sink), for this test only.
class PulseServer
{
public:
    PulseServer()
    {
        QProcess script;
        script.start(QStringLiteral("bash"), {QStringLiteral(ZELMO_TESTS_DIR "/pulse-null-sink"),
                                              QStringLiteral("start"), m_dir.path()});
        if (!script.waitForFinished(30000) || script.exitCode() != 0) {
            m_failure = QString::fromUtf8(script.readAllStandardError()).trimmed().toStdString();
            return;
        }
        m_address = QString::fromUtf8(script.readAllStandardOutput()).trimmed();
    }
    ~PulseServer()
    {
        if (!m_address.isEmpty())
            QProcess::execute(QStringLiteral("bash"),
                              {QStringLiteral(ZELMO_TESTS_DIR "/pulse-null-sink"),
                               QStringLiteral("stop"), m_dir.path()});
    }
    PulseServer(const PulseServer &) = delete;
    PulseServer &operator=(const PulseServer &) = delete;

    bool running() const { return !m_address.isEmpty(); }
    const std::string &failure() const { return m_failure; }
    const QString &address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QString m_address;
    std::string m_failure;
};

// Records the null sink's monitor as 8-bit mono samples while the event loop runs.
class Recorder
{
public:
    explicit Recorder(const QString &address)
    {
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--server=") + address,
                       QStringLiteral("--device=zelmo_null.monitor"), QStringLiteral("--format=u8"),
                       QStringLiteral("--rate=%1").arg(recordRate), QStringLiteral("--channels=1"),
                       QStringLiteral("--latency-msec=20")});
    }
    ~Recorder()
    {
        m_parec.kill();
        m_parec.waitForFinished(5000);
    }
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    // Runs the event loop until `more` further samples have arrived or `until` says so.
    // Returns false when the recording stalls for 20 s.
    template <typename Stop> bool record(qsizetype more, Stop until)
    {
        const qsizetype target = m_samples.size() + more;
        QElapsedTimer stalled;
        stalled.start();
        while (m_samples.size() < target && !until(m_samples)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            m_parec.waitForReadyRead(5);
            const QByteArray chunk = m_parec.readAllStandardOutput();
            if (!chunk.isEmpty())
                stalled.restart();
            m_samples += chunk;
            if (stalled.elapsed() > 20000)
                return false;
        }
        return true;
    }
    bool record(qsizetype more)
    {
        return record(more, [](const QByteArray &) { return false; });
    }
    const QByteArray &samples() const { return m_samples; }

private:
    QProcess m_parec;
    QByteArray m_samples;
};

bool loudWindow(const QByteArray &samples, qsizetype start)
{
    for (qsizetype i = start; i < start + window && i < samples.size(); ++i)
        if (std::abs(static_cast<unsigned char>(samples[i]) - 128) >= 2)
            return true;
    return false;
}

// The stretch from the first to the last 10 ms window with sound in it, from sample `from`.
struct Sounding
{
    qsizetype first = -1;
    qsizetype last = -1;
    int loudWindows = 0;
    double seconds() const
    {
        return first < 0 ? 0.0 : static_cast<double>(last - first + window) / recordRate;
    }
};

Sounding sounding(const QByteArray &samples, qsizetype from)
{
    Sounding s;
    for (qsizetype at = from; at + window <= samples.size(); at += window) {
        if (!loudWindow(samples, at))
            continue;
        if (s.first < 0)
            s.first = at;
        s.last = at;
        ++s.loudWindows;
    }
    return s;
}

#define START_PULSE_OR_SKIP(server)                                                                \
    PulseServer server;                                                                            \
    if (!server.running())                                                                         \
        GTEST_SKIP() << "no PulseAudio server could be started: " << server.failure();             \
    qputenv("PULSE_SERVER", server.address().toUtf8())

} // namespace

TEST(NullSoundOutput, KeepsTheNamesInOrderAndPlaysNothing)
{
    NullSoundOutput sound;
    sound.play("atari");
    sound.play("hazure");
    sound.play("atari");
    EXPECT_EQ(sound.played(), (std::vector<std::string>{"atari", "hazure", "atari"}));
    sound.clear();
    EXPECT_TRUE(sound.played().empty());
}

// The long hit chime and the short buzz are heard to their last sample.
TEST(QtSoundOutput, PlaysIntoTheSoundServerForTheWholeLength)
{
    START_PULSE_OR_SKIP(server);
    QtSoundOutput sound(gameSounds);
    Recorder recorder(server.address());
    ASSERT_TRUE(recorder.record(recordRate / 5)) << "the monitor records";
    ASSERT_EQ(sounding(recorder.samples(), 0).loudWindows, 0) << "silence before the sound";

    struct Case
    {
        const char *name;
        double seconds;
        double tolerance;
    };
    for (const Case &c : {Case{"atari", 1.49, 0.06}, Case{"hazure", 0.14, 0.03}}) {
        const qsizetype start = recorder.samples().size();
        sound.play(c.name);
        ASSERT_TRUE(recorder.record(recordRate * 4, [&](const QByteArray &samples) {
            const Sounding s = sounding(samples, start);
            return s.first >= 0 && samples.size() > s.last + recordRate / 2;
        }));
        const Sounding s = sounding(recorder.samples(), start);
        ASSERT_GE(s.first, 0) << c.name << ": nothing was heard";
        EXPECT_NEAR(s.seconds(), c.seconds, c.tolerance) << c.name;
        EXPECT_GE(s.loudWindows * window, (s.last - s.first) * 95 / 100)
            << c.name << ": sound all along";
    }
}

TEST(QtSoundOutput, ANewSoundCutsOffTheOnePlaying)
{
    START_PULSE_OR_SKIP(server);
    QtSoundOutput sound(gameSounds);
    Recorder recorder(server.address());
    ASSERT_TRUE(recorder.record(recordRate / 5));
    const qsizetype start = recorder.samples().size();

    sound.play("endbaan");
    ASSERT_TRUE(recorder.record(recordRate * 4, [&](const QByteArray &samples) {
        const Sounding s = sounding(samples, start);
        return s.first >= 0 && samples.size() > s.first + recordRate / 2;
    }));
    sound.play("hazure");
    ASSERT_TRUE(recorder.record(recordRate * 3));
    const Sounding s = sounding(recorder.samples(), start);
    ASSERT_GE(s.first, 0);
    EXPECT_GT(s.seconds(), 0.5) << "endbaan, then hazure";
    EXPECT_LT(s.seconds(), 1.3) << "endbaan alone lasts 2.39 s";
}

TEST(QtSoundOutput, WithoutASoundServerOrResourcePlaysNothingAndGoesOn)
{
    QTemporaryDir dir;
    qputenv("PULSE_SERVER", ("unix:" + dir.path() + "/nothing-here").toUtf8());
    QtSoundOutput sound(gameSounds, QStringLiteral(":/no-such-folder/"));
    for (const auto &name : gameSounds)
        sound.play(name);
    sound.play("unknown");
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    SUCCEED();
}
