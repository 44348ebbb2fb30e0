// Drives the uninstaller from outside for the tests that need another process: as another
// user, or around the real program under a display server.
//   install <root>   makes an installation in root (the environment must point at root)
//   presence <root>  prints what of it is there
//   remove           runs the window's removal offscreen to its completion; exit status 0,
//                    3 when an error message was shown, 4 when the completion did not come

#include "installation.h"

#include "platform/guard.h"
#include "uninstaller/UnzelmoUnit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
int removeOffscreen(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bool reported = false;
    platform::setErrorReporter([&](const std::string &text) {
        std::fprintf(stderr, "message shown: %s\n", text.c_str());
        reported = true;
    });
    TUnzelmoForm form;
    form.show();
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    for (int i = 0; i < 50; ++i)
        form.TimerTimer();
    if (reported)
        return 3;
    const bool done = form.Label1->text() == QStringLiteral("ゼルモ団　の削除が終了しました") &&
                      form.ENDBtn->isVisible();
    return done ? 0 : 4;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "install") == 0) {
        testing_support::install(argv[2]);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "presence") == 0) {
        std::puts(testing_support::describe(testing_support::presence(argv[2])).c_str());
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "remove") == 0)
        return removeOffscreen(argc, argv);
    std::fputs("usage: unzelmo_test_helper install|presence <root> | remove\n", stderr);
    return 2;
}
