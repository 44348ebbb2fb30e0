#pragma once
// Clocks: a monotonic clock for elapsed game time (immune to clock changes and daylight-saving
// switches), and a stand-in that tests move by hand.

#include <chrono>
#include <cstdint>

namespace platform {

class MonotonicClock
{
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since an arbitrary fixed origin; never goes backwards.
    virtual std::int64_t nowMs() const = 0;
    // The same moment as a date-time value in days.
    double nowDays() const { return static_cast<double>(nowMs()) / 86'400'000.0; }
};

class SteadyClock final : public MonotonicClock
{
public:
    std::int64_t nowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

class ManualClock final : public MonotonicClock
{
public:
    std::int64_t nowMs() const override { return m_now; }
    void advanceMs(std::int64_t ms) { m_now += ms; }

private:
    std::int64_t m_now = 1'000'000;
};

} // namespace platform
