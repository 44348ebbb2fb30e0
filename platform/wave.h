#pragma once
// Reading uncompressed PCM WAVE files: the sample format and the sample bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct WaveSound
{
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8 (unsigned), 16 or 32 (signed), little-endian
    std::vector<std::uint8_t> samples;
};

// The sound of a RIFF WAVE file with a PCM format chunk and a data chunk (other chunks are
// skipped); nothing for a file that is damaged or not plain PCM in 8, 16 or 32 bits.
std::optional<WaveSound> parseWave(std::span<const std::uint8_t> file);

} // namespace platform
