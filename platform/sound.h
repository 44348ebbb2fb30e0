#pragma once
// Sound effects played by name, asynchronously; a new sound cuts off the one playing.
// Plain C++, so that the game's rules can hold a sound output without any Qt header.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Starts the named sound and returns at once; a missing sound or device plays nothing.
    virtual void play(std::string_view name) = 0;
};

// Plays nothing; keeps the names asked for, in order, for tests and benchmarks.
class NullSoundOutput final : public SoundOutput
{
public:
    void play(std::string_view name) override { m_played.emplace_back(name); }
    const std::vector<std::string> &played() const noexcept { return m_played; }
    void clear() noexcept { m_played.clear(); }

private:
    std::vector<std::string> m_played;
};

} // namespace platform
