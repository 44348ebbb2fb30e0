// ProgramMain: refuses a second copy and small screens, creates the main window and then the
// settings dialog, and runs the message loop until the main window closes.

#include "game/gameprogram.h"
#include "game/mainlayout.h"
#include "platform/messagebox.h"
#include "platform/windowlookup.h"

#include <QApplication>
#include <QScreen>

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

    GameProgram program;
    const platform::WindowRegistration registration(mainClass, mainTitle);
    program.mainForm().showFullScreen();
    return QApplication::exec();
}
