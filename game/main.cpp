// ProgramMain: refuses a second copy and small screens, creates the main window and then the
// settings dialog, and runs the message loop until the main window closes.

#include "game/mainlayout.h"
#include "game/Option.h"
#include "game/zelmo_dan_Main.h"
#include "platform/messagebox.h"
#include "platform/qt_sound.h"
#include "platform/windowlookup.h"

#include <QApplication>
#include <QScreen>

#include <chrono>
#include <thread>

int main(int argc, char *argv[])
{
    static constexpr const char *mainClass = "Tzelmo_dan_MainForm";
    static constexpr const char *mainTitle = "ゼルモ団";
    if (platform::FindWindow(mainClass, mainTitle))
        return 0;

    // The command line is not read: Qt sees the program name only.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize();
    if (!zelmo::screenLargeEnough(size.width(), size.height())) {
        platform::showMessage("画面の解像度を 800 X 600 以上に設定して下さい。  ", "メッセージ",
                              platform::MessageButtons::Ok);
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("zelmo_dan"));
    initGameResources();

    platform::QtSoundOutput sound({"atari", "baan", "endbaan", "hazure", "botan"});
    zelmo::SeededRandom random;
    platform::SteadyClock clock;
    Tzelmo_dan_MainForm::Services services;
    services.sound = &sound;
    services.random = &random;
    services.clock = &clock;
    services.pause = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };

    Tzelmo_dan_MainForm mainForm(services);
    const platform::WindowRegistration registration(mainClass, mainTitle);
    zelmo::TOption_Form optionForm(&mainForm);
    mainForm.setOptionForm(&optionForm);
    optionForm.handOver = [&mainForm](std::int32_t hiScore, const QString &syurui,
                                      const QString &lebel) {
        mainForm.handOver(hiScore, syurui, lebel);
    };
    mainForm.showFullScreen();
    return QApplication::exec();
}
