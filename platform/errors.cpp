#include "errors.h"

#include <charconv>
#include <limits>

namespace platform {

Error::Error(ErrorKind kind, const std::string &message, int code)
    : std::runtime_error(message), m_kind(kind), m_code(code)
{}

std::string formatMessage(std::string_view pattern, std::string_view text)
{
    std::string out(pattern);
    if (auto pos = out.find("%s"); pos != std::string::npos)
        out.replace(pos, 2, text);
    return out;
}

Error invalidInteger(std::string_view text)
{
    return Error(ErrorKind::Conversion, formatMessage("'%s' is not a valid integer value", text));
}

Error invalidTime(std::string_view text)
{
    return Error(ErrorKind::Conversion, formatMessage("'%s' is not a valid time", text));
}

Error integerOverflow()
{
    return Error(ErrorKind::Overflow, "Integer overflow");
}

Error rangeCheckError()
{
    return Error(ErrorKind::Range, "Range check error");
}

namespace {
std::int32_t narrow(std::int64_t v)
{
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        throw integerOverflow();
    return static_cast<std::int32_t>(v);
}
} // namespace

std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    return narrow(std::int64_t{a} + b);
}

std::int32_t checkedSub(std::int32_t a, std::int32_t b)
{
    return narrow(std::int64_t{a} - b);
}

std::int32_t checkedMul(std::int32_t a, std::int32_t b)
{
    return narrow(std::int64_t{a} * b);
}

void checkRange(std::int64_t value, std::int64_t low, std::int64_t high)
{
    if (value < low || value > high)
        throw rangeCheckError();
}

std::int32_t parseInteger(std::string_view text)
{
    // One sign at most: from_chars takes a '-' of its own, so it must not see one after a '+'.
    std::string_view digits = text;
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
        if (digits.starts_with('-'))
            throw invalidInteger(text);
    }
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        throw invalidInteger(text);
    return value;
}

} // namespace platform
