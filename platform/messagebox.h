#pragma once
// Modal message boxes without an icon, as the programs show them; tests install an answerer.

#include <functional>
#include <string_view>

namespace platform {

enum class MessageButtons { Ok, OkCancel };
enum class MessageResult { Ok, Cancel };

// Shows text (UTF-8) with a caption and waits for the answer.
MessageResult showMessage(std::string_view text, std::string_view caption, MessageButtons buttons);

// Replaces the box for tests: the answerer sees what would be shown and gives the answer.
using MessageAnswerer = std::function<MessageResult(std::string_view text, std::string_view caption,
                                                    MessageButtons buttons)>;
void setMessageAnswerer(MessageAnswerer answerer);

} // namespace platform
