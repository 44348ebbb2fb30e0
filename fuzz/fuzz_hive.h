#pragma once
// What the settings fuzz targets share: a hive in a temporary folder for the whole process, the
// stored value a fuzzer input describes, and the checks that abort on a broken contract.

#include "platform/errors.h"
#include "platform/registry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace fuzzing {

// The value is stored in HKEY_CURRENT_USER\Software\zelmo_dan, where the game keeps its own.
inline constexpr const char *Key = "Software";
inline constexpr const char *Section = "zelmo_dan";

// An input: byte 0 is the name's length (mod 33), then the name's bytes, then the type code
// (4 bytes, little-endian; any code), then the value's bytes. Missing bytes count as zero.
struct StoredValue
{
    std::string name;
    platform::registry::Value value;
};
StoredValue decode(const std::uint8_t *data, std::size_t size);

// Points ZELMO_REGISTRY_DIR at a fresh temporary folder (removed at exit) and creates the
// section there; call once, from LLVMFuzzerInitialize.
void openTempHive();
// Writes the value into the section, and deletes it again.
void store(const StoredValue &stored);
void unstore(const StoredValue &stored);

// Reports a broken contract and aborts, which the fuzzer records as a crash with its input.
[[noreturn]] void fail(const std::string &what);
void expect(bool holds, const std::string &what);

// The texts of the settings errors for a value name, as what() gives them.
std::string wrongTypeText(const std::string &name);
std::string readFailedText(const std::string &name);

// A whole 32-bit decimal number (an optional sign, then digits only), else nullopt.
std::optional<std::int32_t> decimal(const std::string &text);

// The result of one read, or the text of the registry error it raised.
template <typename T> struct Outcome
{
    std::optional<T> value;
    std::string error;
};

// Runs a read. A platform::Error of another kind than Registry, or any other exception, aborts.
template <typename Read> auto attempt(Read &&read) -> Outcome<decltype(read())>
{
    try {
        return {read(), {}};
    } catch (const platform::Error &e) {
        expect(e.kind() == platform::ErrorKind::Registry,
               std::string("an error of another kind than Registry: ") + e.what());
        return {std::nullopt, e.what()};
    } catch (const std::exception &e) {
        fail(std::string("an exception that is no platform::Error: ") + e.what());
    } catch (...) {
        fail("an exception that is no std::exception");
    }
}

} // namespace fuzzing
