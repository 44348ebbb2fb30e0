#include "UnzelmoUnit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program reads no arguments: Qt sees the program's name alone.
    int qtArgc = argc > 0 ? 1 : 0;
    char *qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication application(qtArgc, qtArgv);
    TUnzelmoForm UnzelmoForm;
    UnzelmoForm.show();
    return QApplication::exec();
}
