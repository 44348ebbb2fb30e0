#pragma once
// The game's main window: a captionless full-screen black field above a bar with four picture
// buttons and the answer box. It owns the game's rules, draws their state every 30 ms and binds
// the handlers of the timer, the keyboard and the buttons.

#include "game/frame.h"
#include "game/gamecore.h"
#include "platform/clock.h"
#include "platform/sound.h"

#include <QSize>

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QTimer;
namespace zelmo {
class TOption_Form;
}

// Registers the game's compiled-in pictures and sounds; safe to call more than once.
void initGameResources();

class Tzelmo_dan_MainForm : public QWidget
{
    Q_OBJECT

public:
    // What the window plays sound on, draws random numbers from, measures time with and how it
    // pauses the thread (500 ms after a button click); tests hand in stand-ins.
    struct Services
    {
        platform::SoundOutput *sound = nullptr;
        zelmo::RandomSource *random = nullptr;
        const platform::MonotonicClock *clock = nullptr;
        std::function<void(int ms)> pause;
        // The primary screen's size; empty means ask the platform.
        QSize screenSize;
        // Seed the random source from the time of day at creation (off in tests).
        bool randomize = true;
    };

    explicit Tzelmo_dan_MainForm(Services services, QWidget *parent = nullptr);
    ~Tzelmo_dan_MainForm() override;

    // The settings dialog, created right after this window.
    void setOptionForm(zelmo::TOption_Form *form);
    // The dialog's OK: the chosen category's best score and the two captions.
    void handOver(std::int32_t gameHiScore, const QString &syuruiName, const QString &lebelName);

    zelmo::GameCore &core() { return m_core; }
    const QImage &backBitmap() const { return BackBitmap; }

    void TimerTimer();
    void ViewImg();

    void StartBtnLblMouseEnter() { hover(StartBtnLbl, true); }
    void StartBtnLblMouseLeave() { hover(StartBtnLbl, false); }
    void StartBtnLblMouseDown() { press(0); }
    void StartBtnLblMouseUp();
    void EndBtnLblMouseEnter() { hover(EndBtnLbl, true); }
    void EndBtnLblMouseLeave() { hover(EndBtnLbl, false); }
    void EndBtnLblMouseDown() { press(1); }
    void EndBtnLblMouseUp();
    void SetteiBtnLblMouseEnter() { hover(SetteiBtnLbl, true); }
    void SetteiBtnLblMouseLeave() { hover(SetteiBtnLbl, false); }
    void SetteiBtnLblMouseDown() { press(2); }
    void SetteiBtnLblMouseUp();
    void HelpBtnLblMouseEnter() { hover(HelpBtnLbl, true); }
    void HelpBtnLblMouseLeave() { hover(HelpBtnLbl, false); }
    void HelpBtnLblMouseDown() { press(3); }
    void HelpBtnLblMouseUp();

    QLineEdit *Edit1 = nullptr;
    QTimer *Timer = nullptr;
    QLabel *TamaMainImg = nullptr, *GameOverLbl = nullptr, *MainBarImg = nullptr;
    QLabel *StartBtnOffImg = nullptr, *EndBtnOffImg = nullptr, *SetteiBtnOffImg = nullptr,
           *HelpBtnOffImg = nullptr;
    QLabel *StartBtnOnImg = nullptr, *EndBtnOnImg = nullptr, *SetteiBtnOnImg = nullptr,
           *HelpBtnOnImg = nullptr;
    QLabel *StartBtnLbl = nullptr, *EndBtnLbl = nullptr, *SetteiBtnLbl = nullptr,
           *HelpBtnLbl = nullptr;
    QLabel *TamaBackImg = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override; // FormPaint
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Host;

    void FormCreate();
    void FormDestroy();
    void FormPaint(const QRegion &area);
    void FormKeyPress(QKeyEvent *event, bool &swallow);
    void buildControls();
    void layoutControls();
    void hover(QLabel *label, bool inside);
    void press(int button);
    bool releaseCommon(int button);
    void showOptionPage(int page);
    void syncCaptions();
    void runGuarded(const std::function<void()> &handler);

    Services m_services;
    std::unique_ptr<Host> m_host;
    zelmo::GameCore m_core;
    zelmo::TOption_Form *m_option = nullptr;
    QImage BackBitmap;
    // What the last frame drew on BackBitmap, outside which the bitmap is black (all of it is
    // black when it is created, so the first frame has nothing to clear).
    QRegion m_lastDrawn;
    zelmo::FrameFonts m_fonts;
    zelmo::BulletImages m_bullets;
};
