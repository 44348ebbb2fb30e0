#pragma once
// The errors the programs raise: the class library's conversion, overflow and range errors,
// the registry and picture errors, and 32-bit arithmetic that raises instead of wrapping.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

enum class ErrorKind { Conversion, Overflow, Range, Registry, Jpeg, Io };

// One error of the programs; what() is the text the error message box shows (UTF-8).
class Error : public std::runtime_error
{
public:
    Error(ErrorKind kind, const std::string &message, int code = 0);
    ErrorKind kind() const noexcept { return m_kind; }
    // A library's own error number (libjpeg's message code), 0 when there is none.
    int code() const noexcept { return m_code; }

private:
    ErrorKind m_kind;
    int m_code;
};

// "'%s' is not a valid integer value"
[[nodiscard]] Error invalidInteger(std::string_view text);
// "'%s' is not a valid time"
[[nodiscard]] Error invalidTime(std::string_view text);
// "Integer overflow"
[[nodiscard]] Error integerOverflow();
// "Range check error"
[[nodiscard]] Error rangeCheckError();

// Replaces the first "%s" of a pattern with text.
std::string formatMessage(std::string_view pattern, std::string_view text);

// 32-bit signed arithmetic; each raises integerOverflow() when the exact result leaves the range.
std::int32_t checkedAdd(std::int32_t a, std::int32_t b);
std::int32_t checkedSub(std::int32_t a, std::int32_t b);
std::int32_t checkedMul(std::int32_t a, std::int32_t b);

// Raises rangeCheckError() unless low <= value <= high.
void checkRange(std::int64_t value, std::int64_t low, std::int64_t high);

// Parses a whole 32-bit signed decimal number (optional sign, digits only, nothing else);
// raises invalidInteger(text) otherwise.
std::int32_t parseInteger(std::string_view text);

} // namespace platform
