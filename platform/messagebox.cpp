#include "messagebox.h"

#include <QMessageBox>

namespace platform {

namespace {
MessageAnswerer &answererSlot()
{
    static MessageAnswerer answerer;
    return answerer;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

void setMessageAnswerer(MessageAnswerer answerer)
{
    answererSlot() = std::move(answerer);
}

MessageResult showMessage(std::string_view text, std::string_view caption, MessageButtons buttons)
{
    if (answererSlot())
        return answererSlot()(text, caption, buttons);
    const auto standard = buttons == MessageButtons::Ok
                              ? QMessageBox::StandardButtons(QMessageBox::Ok)
                              : QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(caption), fromUtf8(text), standard);
    return box.exec() == QMessageBox::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

} // namespace platform
