#pragma once
// How every fuzz target reports a broken contract: the text on standard error, then an abort,
// which the fuzzer records as a crash with its input.

#include <string>

namespace fuzzing {

// Control bytes in the text are shown as escapes.
[[noreturn]] void fail(const std::string &what);
void expect(bool holds, const std::string &what);

} // namespace fuzzing
