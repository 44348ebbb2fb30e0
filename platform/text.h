#pragma once
// Text conversion: code page 932 (the Microsoft Shift-JIS, as iconv's "CP932" maps it) and
// UTF-8 to and from UTF-16.

#include <string>
#include <string_view>

namespace platform {

// Raises platform::Error(ErrorKind::Conversion) on bytes that are not code page 932 text.
std::u16string fromCp932(std::string_view bytes);
// Raises platform::Error(ErrorKind::Conversion) on a character code page 932 cannot hold.
std::string toCp932(std::u16string_view text);
// Malformed input becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

} // namespace platform
