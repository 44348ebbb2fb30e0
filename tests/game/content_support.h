#pragma once
// Helpers for the content table tests: a table or one level section as a list of texts, and
// UTF-8 texts widened to UTF-16 and converted through code page 932.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmo::test {

std::vector<std::string_view> tableTexts(std::int32_t category);
std::vector<std::string_view> sectionTexts(std::int32_t category, std::int32_t level);

// UTF-16 of a UTF-8 text; throws std::invalid_argument on malformed input.
std::u16string toUtf16(std::string_view utf8);

// The text converted from UTF-8 to code page 932 (iconv "CP932") and back; nullopt when a
// character has no code page 932 form.
std::optional<std::string> throughCodePage932(std::string_view utf8);

} // namespace zelmo::test
