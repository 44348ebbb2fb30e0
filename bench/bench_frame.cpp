// The cost of one frame (a tick of the rules plus drawing the field into BackBitmap) with nine
// falling targets and nine bullets in flight, at three screen sizes; and the cost of measuring
// the nine targets (MojiWidth). Run with QT_QPA_PLATFORM=offscreen.

#include "game/categories.h"
#include "game/frame.h"
#include "game/gamecore.h"
#include "game/zelmo_dan_Main.h"
#include "platform/clock.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

// Four-character idioms (kanji drills, seventh level), random order, no sound; measures as the main
// window does.
class BenchHost final : public zelmo::GameHost
{
public:
    explicit BenchHost(const zelmo::FrameFonts &fonts) : m_fonts(fonts) {}

    std::int32_t category() const override { return zelmo::JpKanji; }
    std::int32_t level() const override { return 6; }
    bool randomOrder() const override { return true; }
    bool soundOn() const override { return false; }
    std::u16string titleText() const override { return {}; }
    void playSound(std::string_view) override {}
    zelmo::TextExtent measure(const std::u16string &text) override
    {
        const QFontMetrics metrics(m_fonts.measure);
        return {metrics.horizontalAdvance(QString::fromStdU16String(text)), metrics.height()};
    }
    void book(std::int32_t, std::int32_t, std::int32_t, std::int32_t, double) override {}

private:
    const zelmo::FrameFonts &m_fonts;
};

// A game in play with all three slot groups open, every slot holding a target and every
// bullet climbing towards its target.
class Scene
{
public:
    Scene(int width, int height)
    {
        core.FormCreateValues(width, height);
        core.StartGame();
        core.Score = 3000;
        core.Over1000 = core.Over2500 = true;
        core.Life = 1'000'000;
        core.MojiArray();
        backBitmap = QImage(core.FieldWidth, core.FieldHeight, QImage::Format_RGB32);
        backBitmap.fill(Qt::black);
        bullets.main = QImage(QStringLiteral(":/images/TamaMainImg.png"))
                           .convertToFormat(QImage::Format_RGB32);
        bullets.back = QImage(QStringLiteral(":/images/TamaBackImg.png"))
                           .convertToFormat(QImage::Format_RGB32);
        for (int i = 1; i <= zelmo::SlotCount; ++i) {
            m_startX[i] = (core.FieldWidth - 200) * i / (zelmo::SlotCount + 1);
            m_startY[i] = (core.FieldHeight / 2) * i / (zelmo::SlotCount + 1);
        }
        rearm();
    }

    // Puts targets and bullets back where they were, so every iteration does the same work:
    // nine targets fall and drift, nine bullets climb, none hits and none reaches the bottom.
    void rearm()
    {
        for (int i = 1; i <= zelmo::SlotCount; ++i) {
            core.MojiX[i] = m_startX[i];
            core.MojiY[i] = m_startY[i];
            core.TamaOn[i] = true;
            core.TamaY[i] = m_startY[i] + core.MojiViewHeight[i] + 200;
        }
    }

    // Draws as the main window does: clearing only what the previous frame drew.
    void frame()
    {
        const QRegion *stale = m_lastDrawn ? &*m_lastDrawn : nullptr;
        m_lastDrawn = zelmo::drawFrame(backBitmap, core, fonts, bullets, gameOverPos, stale);
    }

    zelmo::FrameFonts fonts = zelmo::FrameFonts::forDpi(96);
    BenchHost host{fonts};
    zelmo::SeededRandom random{12345};
    platform::ManualClock clock;
    zelmo::GameCore core{host, random, clock};
    QImage backBitmap;
    zelmo::BulletImages bullets;
    QPoint gameOverPos{347, 323};

private:
    zelmo::SlotArray<std::int32_t> m_startX{}, m_startY{};
    std::optional<QRegion> m_lastDrawn;
};

void BM_TickAndFrame(benchmark::State &state)
{
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        scene.rearm();
        scene.core.TimerTimer();
        scene.frame();
        benchmark::DoNotOptimize(scene.backBitmap.constBits());
    }
    if (scene.core.AtariCount != 0 || scene.core.HazureCount != 0)
        state.SkipWithError("a bullet hit or a target fell through: the scene drifted");
}
BENCHMARK(BM_TickAndFrame)
    ->Args({800, 600})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);

// The tick alone and the drawing alone at 1920 x 1080, to see where a frame's time goes.
void BM_TickOnly(benchmark::State &state)
{
    Scene scene(1920, 1080);
    for (auto _ : state) {
        scene.rearm();
        scene.core.TimerTimer();
        benchmark::DoNotOptimize(scene.core.MojiY);
    }
}
BENCHMARK(BM_TickOnly)->Unit(benchmark::kMicrosecond);

void BM_FrameOnly(benchmark::State &state)
{
    Scene scene(1920, 1080);
    for (auto _ : state) {
        scene.frame();
        benchmark::DoNotOptimize(scene.backBitmap.constBits());
    }
}
BENCHMARK(BM_FrameOnly)->Unit(benchmark::kMicrosecond);

void BM_MojiWidth(benchmark::State &state)
{
    Scene scene(1920, 1080);
    for (auto _ : state) {
        scene.core.MojiWidth();
        benchmark::DoNotOptimize(scene.core.MojiViewWidth);
    }
}
BENCHMARK(BM_MojiWidth)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    initGameResources();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
