#pragma once
// The one guard every event handler runs through: an error inside the handler abandons it
// and is shown in the application's standard error message box; the program goes on.

#include <functional>
#include <string>

namespace platform {

// Shows the text of an error that abandoned a handler. The default shows a message box with
// the application's title as caption, the text and an OK button; tests install a recorder.
using ErrorReporter = std::function<void(const std::string &text)>;
void setErrorReporter(ErrorReporter reporter);
void reportError(const std::string &text);

// Runs a handler; any exception it raises is reported and swallowed. Returns true when the
// handler ran to its end.
bool guarded(const std::function<void()> &handler) noexcept;

} // namespace platform
