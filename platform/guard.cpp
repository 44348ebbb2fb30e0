#include "guard.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace platform {

namespace {
ErrorReporter &reporterSlot()
{
    static ErrorReporter reporter;
    return reporter;
}

void showErrorBox(const std::string &text)
{
    if (QApplication::instance() == nullptr)
        return;
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}
} // namespace

void setErrorReporter(ErrorReporter reporter)
{
    reporterSlot() = std::move(reporter);
}

void reportError(const std::string &text)
{
    if (reporterSlot())
        reporterSlot()(text);
    else
        showErrorBox(text);
}

bool guarded(const std::function<void()> &handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        try {
            reportError(e.what());
        } catch (...) {
        }
    } catch (...) {
        try {
            reportError("Unknown error");
        } catch (...) {
        }
    }
    return false;
}

} // namespace platform
