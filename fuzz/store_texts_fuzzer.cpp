// The records page's texts over any record: accuracyText for any two 32-bit counts, timeText
// for any double. The accuracy is "#0.00" within half a hundredth of A × 100 / (A + H), or the
// overflow or division error; the time is H:mm:ss of the whole seconds and never fails.

#include "game/store.h"
#include "platform/errors.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace {

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "contract broken: %s\n", what.c_str());
    std::abort();
}

void expect(bool holds, const std::string &what)
{
    if (!holds)
        fail(what);
}

std::string narrow(const std::u16string &text)
{
    std::string out;
    for (char16_t c : text) {
        expect(c < 0x80, "a text that is not ASCII");
        out.push_back(static_cast<char>(c));
    }
    return out;
}

void checkAccuracy(std::int32_t A, std::int32_t H)
{
    const std::int64_t P = std::int64_t{A} * 100;
    const std::int64_t S = std::int64_t{A} + H;
    const bool overflows = P != static_cast<std::int32_t>(P) || S != static_cast<std::int32_t>(S);
    std::string text;
    try {
        text = narrow(zelmo::accuracyText(A, H));
    } catch (const platform::Error &e) {
        if (A != 0 && overflows)
            expect(e.kind() == platform::ErrorKind::Overflow &&
                       std::strcmp(e.what(), "Integer overflow") == 0,
                   std::string("an overflow reported as ") + e.what());
        else if (A != 0 && S == 0)
            expect(e.kind() == platform::ErrorKind::Range &&
                       std::strcmp(e.what(), "Floating point division by zero") == 0,
                   std::string("a division by zero reported as ") + e.what());
        else
            fail(std::string("an error without a cause: ") + e.what());
        return;
    } catch (...) {
        fail("an exception that is no platform::Error");
    }
    if (A == 0) {
        expect(text == "0.00", "no hits did not give 0.00: " + text);
        return;
    }
    expect(!overflows && S != 0, "no error for " + std::to_string(A) + ", " + std::to_string(H));
    static const std::regex format(R"(-?[0-9]+\.[0-9]{2})");
    expect(std::regex_match(text, format), "not #0.00: " + text);
    const long double exact = static_cast<long double>(P) / static_cast<long double>(S);
    const long double shown = std::strtold(text.c_str(), nullptr);
    expect(std::fabs(shown - exact) <= 0.005L + 1e-9L * std::fabs(exact),
           "off by more than half a hundredth: " + text);
}

void checkTime(double days)
{
    std::string text;
    try {
        text = narrow(zelmo::timeText(days));
    } catch (...) {
        fail("timeText raised");
    }
    static const std::regex format(R"(([0-9]+):([0-5][0-9]):([0-5][0-9]))");
    std::smatch parts;
    expect(std::regex_match(text, parts, format), "not H:mm:ss: " + text);
    if (!std::isfinite(days) || days <= 0) {
        expect(text == "0:00:00", "no time did not give 0:00:00: " + text);
        return;
    }
    if (days > 1e11)
        return;
    const long double seconds = std::stold(parts[1].str()) * 3600 +
                                std::stold(parts[2].str()) * 60 + std::stold(parts[3].str());
    const long double exact =
        std::floor(std::roundl(static_cast<long double>(days) * 86400000.0L) / 1000.0L);
    expect(seconds == exact, "not the whole seconds: " + text);
}

template <typename T> T take(const std::uint8_t *&data, std::size_t &size)
{
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(bytes, data, n);
    data += n;
    size -= n;
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto A = take<std::int32_t>(data, size);
    const auto H = take<std::int32_t>(data, size);
    const auto days = take<double>(data, size);
    checkAccuracy(A, H);
    checkTime(days);
    return 0;
}
