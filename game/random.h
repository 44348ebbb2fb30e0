#pragma once
// The game's one random generator: uniform whole numbers 0 <= r < n, seeded once.

#include <cstdint>
#include <random>

namespace zelmo {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform draw from 0 to n - 1; 0 when n <= 0.
    virtual std::int32_t Random(std::int32_t n) = 0;
    // Starts the sequence anew from a seed (the game seeds once, from the time of day).
    virtual void Randomize(std::uint32_t seed) { (void)seed; }
};

// The generator of the real game and of seeded tests.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::uint32_t seed = 1) : m_engine(seed) {}
    void Randomize(std::uint32_t value) override { m_engine.seed(value); }
    std::int32_t Random(std::int32_t n) override
    {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<std::int32_t>(0, n - 1)(m_engine);
    }

private:
    std::mt19937 m_engine;
};

} // namespace zelmo
