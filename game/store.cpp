#include "store.h"

#include "categories.h"
#include "platform/errors.h"
#include "platform/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zelmo {

namespace {

std::u16string widen(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// The captions only ever hold ASCII digits and signs; anything else becomes '?', so a parse
// of it fails with a readable text.
std::string narrow(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

std::u16string decimalText(std::int32_t value)
{
    return widen(std::to_string(value));
}

// "#0.00" of a quotient: the value's first 18 significant decimal digits, rounded to two
// decimals with halves away from zero.
std::u16string fixedTwoDecimals(long double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", value);
    std::string_view text(buf);
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    std::string digits;
    std::size_t pos = 0;
    for (; pos < text.size() && text[pos] != 'e'; ++pos)
        if (text[pos] != '.')
            digits.push_back(text[pos]);
    const int exponent = std::atoi(std::string(text.substr(pos + 1)).c_str());

    // Digits of value × 100 in front of the decimal point.
    const int kept = exponent + 3;
    std::uint64_t scaled = 0;
    for (int i = 0; i < kept; ++i) {
        const std::size_t idx = static_cast<std::size_t>(i);
        scaled =
            scaled * 10 + (idx < digits.size() ? static_cast<std::uint64_t>(digits[idx] - '0') : 0);
    }
    if (kept >= 0 && static_cast<std::size_t>(kept) < digits.size() &&
        digits[static_cast<std::size_t>(kept)] >= '5')
        ++scaled;

    char out[48];
    std::snprintf(out, sizeof out, "%s%llu.%02llu", negative && scaled != 0 ? "-" : "",
                  static_cast<unsigned long long>(scaled / 100),
                  static_cast<unsigned long long>(scaled % 100));
    return widen(out);
}

std::string valueName(std::string_view prefix, int k, std::string_view suffix = {})
{
    std::string name(prefix);
    name += categories[static_cast<std::size_t>(k)].word;
    name += suffix;
    return name;
}

} // namespace

std::u16string accuracyText(std::int32_t A, std::int32_t H)
{
    if (A == 0)
        return u"0.00";
    const std::int32_t P = platform::checkedMul(A, 100);
    const std::int32_t S = platform::checkedAdd(A, H);
    if (S == 0)
        throw platform::Error(platform::ErrorKind::Range, "Floating point division by zero");
    return fixedTwoDecimals(static_cast<long double>(P) / static_cast<long double>(S));
}

std::u16string timeText(double days)
{
    if (!std::isfinite(days) || days <= 0)
        return u"0:00:00";
    // Rounded to whole milliseconds first, so a sum like 3.2 s is not read as 3.1999... s.
    const long double ms =
        std::min(std::roundl(static_cast<long double>(days) * 86400000.0L), 9.0e18L);
    const auto seconds = static_cast<long long>(ms) / 1000;
    char out[48];
    std::snprintf(out, sizeof out, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return widen(out);
}

RecordStore::RecordStore() = default;

const RecordStore::Row &RecordStore::row(int k) const
{
    platform::checkRange(k, 0, CategoryCount - 1);
    return m_rows[static_cast<std::size_t>(k)];
}

std::u16string RecordStore::hiScoreCaption(int k) const
{
    return row(k).hiScore;
}

std::u16string RecordStore::accuracyCaption(int k) const
{
    return row(k).accuracy;
}

std::u16string RecordStore::timeCaption(int k) const
{
    return row(k).time;
}

double RecordStore::timeDays(int k) const
{
    return row(k).days;
}

void RecordStore::notify() const
{
    if (changed)
        changed();
}

void RecordStore::load(platform::TRegistryIniFile &ini)
{
    const std::string section(StoreSection);
    try {
        SoundPlay = ini.ReadBool(section, "SoundPlay", true);
        ArrayJyunban = ini.ReadBool(section, "ArrayJyunban", true);
        for (int k = 0; k < CategoryCount; ++k)
            m_rows[static_cast<std::size_t>(k)].hiScore =
                decimalText(ini.ReadInteger(section, valueName("HiScore", k), 0));
        for (int k = 0; k < CategoryCount; ++k)
            SeikairituCounts[static_cast<std::size_t>(k)].A =
                ini.ReadInteger(section, valueName("Seikairitu", k, "_A"), 0);
        for (int k = 0; k < CategoryCount; ++k)
            SeikairituCounts[static_cast<std::size_t>(k)].H =
                ini.ReadInteger(section, valueName("Seikairitu", k, "_H"), 0);
        for (int k = 0; k < CategoryCount; ++k) {
            double days = ini.ReadTime(section, valueName("Time", k), 0);
            if (!std::isfinite(days) || days < 0 || days > MaxStoredDays)
                days = 0;
            Row &r = m_rows[static_cast<std::size_t>(k)];
            r.days = days;
            r.time = timeText(days);
        }
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            m_rows[k].accuracy = accuracyText(SeikairituCounts[k].A, SeikairituCounts[k].H);
    } catch (...) {
        notify();
        throw;
    }
    notify();
}

void RecordStore::save(platform::TRegistryIniFile &ini) const
{
    const std::string section(StoreSection);
    ini.WriteBool(section, "SoundPlay", SoundPlay);
    ini.WriteBool(section, "ArrayJyunban", ArrayJyunban);
    for (int k = 0; k < CategoryCount; ++k)
        ini.WriteInteger(section, valueName("HiScore", k),
                         platform::parseInteger(narrow(row(k).hiScore)));
    for (int k = 0; k < CategoryCount; ++k)
        ini.WriteInteger(section, valueName("Seikairitu", k, "_A"),
                         SeikairituCounts[static_cast<std::size_t>(k)].A);
    for (int k = 0; k < CategoryCount; ++k)
        ini.WriteInteger(section, valueName("Seikairitu", k, "_H"),
                         SeikairituCounts[static_cast<std::size_t>(k)].H);
    for (int k = 0; k < CategoryCount; ++k)
        ini.WriteTime(section, valueName("Time", k), row(k).days);
}

void RecordStore::reset()
{
    for (Row &r : m_rows)
        r = Row{u"0", accuracyText(0, 0), timeText(0), 0};
    SeikairituCounts.fill({});
    notify();
}

void RecordStore::book(int k, std::int32_t gameHiScore, std::int32_t atariCount,
                       std::int32_t hazureCount, double elapsedDays)
{
    if (k < 0 || k >= CategoryCount)
        return;
    Row &r = m_rows[static_cast<std::size_t>(k)];
    TSeikairituCount &count = SeikairituCounts[static_cast<std::size_t>(k)];
    try {
        r.hiScore = decimalText(gameHiScore);
        count.A = platform::checkedAdd(count.A, atariCount);
        count.H = platform::checkedAdd(count.H, hazureCount);
        r.accuracy = accuracyText(count.A, count.H);
        if (std::isfinite(elapsedDays) && elapsedDays > 0)
            r.days += elapsedDays;
        r.time = timeText(r.days);
    } catch (...) {
        notify();
        throw;
    }
    notify();
}

} // namespace zelmo
