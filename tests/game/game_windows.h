#pragma once
// The game's two windows wired as the program wires them, with stand-ins for sound, randomness,
// the clock and the pause, a recorder of the errors shown, and the inputs a player gives them:
// button clicks (a dialog they open is handed to dialogShown, then closed with OK), typed or
// pasted answers and timer ticks.

#include "game/Option.h"
#include "game/random.h"
#include "game/store.h"
#include "game/zelmo_dan_Main.h"

#include "platform/clock.h"
#include "platform/sound.h"

#include <QSize>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QLabel;

namespace testing_support {

// Makes the application object once per process; the last closed window does not quit it.
void ensureApplication();

class GameWindows
{
public:
    // Records the errors shown from here on, in place of the message box.
    GameWindows();
    virtual ~GameWindows();
    GameWindows(const GameWindows &) = delete;
    GameWindows &operator=(const GameWindows &) = delete;

    // The main window first, then the dialog; the main window's timer is stopped so that the
    // caller drives every tick.
    void openWindows(QSize screen = QSize(800, 600));
    void closeWindows();

    zelmo::GameCore &core() { return form->core(); }
    zelmo::RecordStore &store() { return option->store(); }

    // n ticks of 30 ms each.
    void tick(int n = 1);
    // The title phase lasts 40 ticks; the 41st enters the stopped state.
    void passTitle() { tick(41); }
    // From a fresh title into a running game.
    void startGame();
    bool bulletInFlight();
    // Ticks until every bullet has struck; returns the number of ticks.
    int tickUntilBulletsLand();

    // A press and release on a button label; a dialog it opens goes to dialogShown and is then
    // closed with OK if it is still open.
    void click(QLabel *label, Qt::MouseButton button = Qt::LeftButton);
    // Types a text into the answer box as a player would, then presses Enter: ASCII by key
    // presses, any other text as one commit of an input method (QTest cannot type it).
    void answer(const QString &text);
    // Replaces the answer box's text, as a paste does, and presses Enter in it: any text, control
    // characters and lone surrogates too.
    void pasteAnswer(const QString &text);

    static QString qs(const std::u16string &s) { return QString::fromStdU16String(s); }

    platform::NullSoundOutput sound;
    zelmo::SeededRandom random{20240601};
    platform::ManualClock clock;
    std::vector<int> pauses;
    std::unique_ptr<Tzelmo_dan_MainForm> form;
    std::unique_ptr<zelmo::TOption_Form> option;
    // The texts of the error messages shown so far.
    std::vector<std::string> errors;

protected:
    // Runs while the modal dialog that a click opened is shown.
    virtual void dialogShown() {}
};

} // namespace testing_support
