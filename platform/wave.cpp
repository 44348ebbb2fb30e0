#include "wave.h"

#include <cstring>
#include <string_view>

namespace platform {

namespace {

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
           std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

std::uint16_t le16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool tagIs(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return std::memcmp(bytes.data() + at, tag.data(), 4) == 0;
}

} // namespace

std::optional<WaveSound> parseWave(std::span<const std::uint8_t> file)
{
    if (file.size() < 12 || !tagIs(file, 0, "RIFF") || !tagIs(file, 8, "WAVE"))
        return std::nullopt;
    WaveSound sound;
    bool haveFormat = false;
    std::size_t at = 12;
    while (file.size() - at >= 8) {
        const std::size_t size = le32(file, at + 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body)
            return std::nullopt;
        if (tagIs(file, at, "fmt ")) {
            if (size < 16 || le16(file, body) != 1)
                return std::nullopt;
            sound.channels = le16(file, body + 2);
            sound.sampleRate = static_cast<int>(le32(file, body + 4));
            sound.bitsPerSample = le16(file, body + 14);
            const bool supported =
                sound.bitsPerSample == 8 || sound.bitsPerSample == 16 || sound.bitsPerSample == 32;
            if (!supported || sound.channels < 1 || sound.channels > 8 || sound.sampleRate < 1 ||
                le16(file, body + 12) != sound.channels * sound.bitsPerSample / 8)
                return std::nullopt;
            haveFormat = true;
        } else if (tagIs(file, at, "data")) {
            if (!haveFormat)
                return std::nullopt;
            const auto data = file.subspan(body, size);
            sound.samples.assign(data.begin(), data.end());
            return sound;
        }
        at = body + size + (size & 1);
        if (at > file.size())
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace platform
