#include "game/categories.h"
#include "game/store.h"

#include "platform/errors.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

using namespace zelmo;
using platform::HKEY_CURRENT_USER;
using platform::registry::Hive;
using platform::registry::Value;
namespace reg = platform::registry;

namespace {

constexpr double Second = 1.0 / 86400.0;
constexpr const char *Section = "Software\\zelmo_dan";

std::string utf8(const std::u16string &s)
{
    std::string out;
    for (char16_t c : s)
        out.push_back(static_cast<char>(c));
    return out;
}

std::string errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const std::exception &e) {
        return e.what();
    }
    return "";
}

Value timeValue(double days)
{
    const auto bits = std::bit_cast<std::uint64_t>(days);
    std::array<std::uint8_t, 8> bytes{};
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return reg::binaryValue(bytes);
}

double timeOf(const Value &v)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= std::uint64_t{v.data.at(i)} << (8 * i);
    return std::bit_cast<double>(bits);
}

std::string word(int k)
{
    return std::string(categories[static_cast<std::size_t>(k)].word);
}

// A real HKEY_CURRENT_USER hive in a fresh temporary folder for each test.
class StoreOnHive : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string templ = (std::filesystem::temp_directory_path() / "store_test.XXXXXX");
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        m_dir = templ;
        setenv("ZELMO_REGISTRY_DIR", m_dir.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("ZELMO_REGISTRY_DIR");
        std::filesystem::remove_all(m_dir);
    }

    void put(const std::string &name, const Value &v)
    {
        Hive hive(HKEY_CURRENT_USER);
        hive.createKey(Section);
        hive.writeValue(Section, name, v);
    }
    std::optional<Value> get(const std::string &name)
    {
        return Hive(HKEY_CURRENT_USER).readValue(Section, name);
    }
    void load(RecordStore &store)
    {
        platform::TRegistryIniFile ini(HKEY_CURRENT_USER, std::string(StoreKey));
        store.load(ini);
    }
    void save(const RecordStore &store)
    {
        platform::TRegistryIniFile ini(HKEY_CURRENT_USER, std::string(StoreKey));
        store.save(ini);
    }

    std::filesystem::path m_dir;
};

// Every category's records as a first run or a reset leaves them.
void expectNoRecords(const RecordStore &store)
{
    for (int k = 0; k < CategoryCount; ++k) {
        EXPECT_EQ(utf8(store.hiScoreCaption(k)), "0") << k;
        EXPECT_EQ(utf8(store.accuracyCaption(k)), "0.00") << k;
        EXPECT_EQ(utf8(store.timeCaption(k)), "0:00:00") << k;
        EXPECT_EQ(store.timeDays(k), 0) << k;
        EXPECT_EQ(store.SeikairituCounts[static_cast<std::size_t>(k)].A, 0) << k;
        EXPECT_EQ(store.SeikairituCounts[static_cast<std::size_t>(k)].H, 0) << k;
    }
}

} // namespace

TEST(AccuracyText, TwoDecimalsHalvesAwayFromZero)
{
    struct Case
    {
        std::int32_t A, H;
        const char *text;
    };
    const Case cases[] = {
        {0, 25, "0.00"},   {0, 40, "0.00"},     {0, -7, "0.00"},
        {7, 0, "100.00"},  {1, 0, "100.00"},    {1, 2, "33.33"},
        {2, 1, "66.67"},   {1, 3, "25.00"},     {1, 799, "0.13"},
        {1, 3999, "0.03"}, {1, 399999, "0.00"}, {21474836, 0, "100.00"},
        {3, 7, "30.00"},   {1, -3, "-50.00"},   {21474836, 2126008811, "1.00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(utf8(accuracyText(c.A, c.H)), c.text) << c.A << "/" << c.H;
}

TEST(AccuracyText, RaisesOnOverflowAndOnAZeroSum)
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(errorOf([] { accuracyText(21474837, 0); }), "Integer overflow");
    EXPECT_EQ(errorOf([] { accuracyText(1, max); }), "Integer overflow");
    EXPECT_EQ(errorOf([] { accuracyText(0, max); }), "");
    EXPECT_EQ(errorOf([] { accuracyText(5, -5); }), "Floating point division by zero");
}

TEST(TimeText, WholeAccumulatedTimeWithoutMilliseconds)
{
    struct Case
    {
        double days;
        const char *text;
    };
    const Case cases[] = {
        {0, "0:00:00"},
        {3723 * Second, "1:02:03"},
        {25.0 / 24, "25:00:00"},
        {1.75, "42:00:00"},
        {5.6 * Second, "0:00:05"},
        {1.6 * Second + 1.6 * Second, "0:00:03"},
        {0.9994 * Second, "0:00:00"},
        {(86390 + 15) * Second, "24:00:05"},
        {100 * 365.25, "876600:00:00"},
        {-Second, "0:00:00"},
        {std::nan(""), "0:00:00"},
        {std::numeric_limits<double>::infinity(), "0:00:00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(utf8(timeText(c.days)), c.text) << c.days;
}

TEST_F(StoreOnHive, FirstRunGivesTheDefaultsAndCreatesNothing)
{
    RecordStore store;
    int changes = 0;
    store.changed = [&] { ++changes; };
    load(store);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(store.SoundPlay);
    EXPECT_TRUE(store.ArrayJyunban);
    expectNoRecords(store);
    EXPECT_FALSE(Hive(HKEY_CURRENT_USER).keyExists(Section));
    EXPECT_FALSE(std::filesystem::exists(reg::hivePath(HKEY_CURRENT_USER)));
}

TEST_F(StoreOnHive, IntegerAsTextLoadsAsItsNumberAndIsSavedAsText)
{
    put("HiScoreEigo", reg::stringValue("1234"));
    put("HiScoreJpKana", reg::stringValue("many"));
    RecordStore store;
    load(store);
    EXPECT_EQ(utf8(store.hiScoreCaption(Eigo)), "1234");
    EXPECT_EQ(utf8(store.hiScoreCaption(JpKana)), "0");

    store.book(Eigo, 1500, 0, 0, 0);
    save(store);
    EXPECT_EQ(get("HiScoreEigo"), reg::stringValue("1500"));
    EXPECT_EQ(get("HiScoreJpKana"), reg::stringValue("0"));
    EXPECT_EQ(get("HiScoreKanaKiso"), reg::dwordValue(0));
}

TEST_F(StoreOnHive, OptionsReadAsIntegers)
{
    struct Case
    {
        Value stored;
        bool on;
    };
    const Case cases[] = {
        {reg::dwordValue(0), false},     {reg::dwordValue(5), true},
        {reg::stringValue("0"), false},  {reg::stringValue("1"), true},
        {reg::stringValue("abc"), true},
    };
    for (const Case &c : cases) {
        put("SoundPlay", c.stored);
        put("ArrayJyunban", c.stored);
        RecordStore store;
        load(store);
        EXPECT_EQ(store.SoundPlay, c.on);
        EXPECT_EQ(store.ArrayJyunban, c.on);
    }
}

TEST_F(StoreOnHive, WrongTypeStopsTheLoadAtThatValue)
{
    put("SoundPlay", reg::stringValue("0"));
    put("ArrayJyunban", reg::stringValue("0"));
    for (int k = 0; k < CategoryCount; ++k) {
        put("HiScore" + word(k), reg::dwordValue(100 + k));
        put("Seikairitu" + word(k) + "_A", reg::dwordValue(1));
        put("Seikairitu" + word(k) + "_H", reg::dwordValue(3));
        put("Time" + word(k), timeValue(60 * Second));
    }
    put("TimeKanaKiso", reg::dwordValue(7));

    RecordStore store;
    int changes = 0;
    store.changed = [&] { ++changes; };
    EXPECT_EQ(errorOf([&] { load(store); }), "'TimeKanaKiso' のデータ型が不正です");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(store.SoundPlay);
    EXPECT_FALSE(store.ArrayJyunban);
    EXPECT_EQ(utf8(store.timeCaption(RomajiKiso)), "0:01:00");
    for (int k = 0; k < CategoryCount; ++k) {
        EXPECT_EQ(utf8(store.hiScoreCaption(k)), std::to_string(100 + k));
        EXPECT_EQ(store.SeikairituCounts[static_cast<std::size_t>(k)].A, 1);
        EXPECT_EQ(store.SeikairituCounts[static_cast<std::size_t>(k)].H, 3);
        EXPECT_EQ(utf8(store.accuracyCaption(k)), "0");
        if (k >= KanaKiso) {
            EXPECT_EQ(utf8(store.timeCaption(k)), "0") << k;
            EXPECT_EQ(store.timeDays(k), 0);
        }
    }
}

TEST_F(StoreOnHive, OverlongDataFailsToRead)
{
    put("HiScoreObun", reg::binaryValue(std::array<std::uint8_t, 5>{1, 2, 3, 4, 5}));
    RecordStore store;
    EXPECT_EQ(errorOf([&] { load(store); }), "'HiScoreObun' の取得に失敗しました");
    EXPECT_EQ(utf8(store.hiScoreCaption(Wabun)), "0");
}

TEST_F(StoreOnHive, AccuracyOverflowLeavesTheLabelsFromThatCategoryOn)
{
    put("SeikairituEigo_A", reg::dwordValue(21474837));
    put("SeikairituKanaKiso_A", reg::dwordValue(2));
    put("SeikairituKanaKiso_H", reg::dwordValue(1));
    RecordStore store;
    EXPECT_EQ(errorOf([&] { load(store); }), "Integer overflow");
    EXPECT_EQ(utf8(store.accuracyCaption(KanaKiso)), "66.67");
    EXPECT_EQ(utf8(store.accuracyCaption(JpKana)), "0.00");
    for (int k = Eigo; k < CategoryCount; ++k)
        EXPECT_EQ(utf8(store.accuracyCaption(k)), "0");
    EXPECT_EQ(utf8(store.timeCaption(Warizan)), "0:00:00");
}

TEST_F(StoreOnHive, TimesKeepTheirExactValue)
{
    put("TimeEigo", timeValue(1.75));
    put("TimeObun", timeValue(5.6 * Second));
    RecordStore store;
    load(store);
    EXPECT_EQ(utf8(store.timeCaption(Eigo)), "42:00:00");
    EXPECT_EQ(utf8(store.timeCaption(Obun)), "0:00:05");
    EXPECT_EQ(store.timeDays(Obun), 5.6 * Second);
    save(store);
    EXPECT_EQ(timeOf(*get("TimeEigo")), 1.75);
    EXPECT_EQ(timeOf(*get("TimeObun")), 5.6 * Second);
}

TEST_F(StoreOnHive, ImpossibleTimesLoadAsZero)
{
    const double cases[] = {-Second, std::nan(""), std::numeric_limits<double>::infinity(),
                            MaxStoredDays * 1.01};
    for (double stored : cases) {
        put("TimeWabun", timeValue(stored));
        RecordStore store;
        load(store);
        EXPECT_EQ(store.timeDays(Wabun), 0) << stored;
        EXPECT_EQ(utf8(store.timeCaption(Wabun)), "0:00:00");
    }
    put("TimeWabun", timeValue(MaxStoredDays));
    RecordStore store;
    load(store);
    EXPECT_EQ(store.timeDays(Wabun), MaxStoredDays);
}

TEST_F(StoreOnHive, SavesThe66ValuesInOrderAndLoadsThemBack)
{
    put("HiScoreTasizan", reg::stringValue("0"));
    RecordStore store;
    store.SoundPlay = false;
    for (int k = 0; k < CategoryCount; ++k)
        store.book(k, 10 * k, k, 2 * k, (k + 0.5) * Second);
    save(store);

    std::vector<std::string> expected{"SoundPlay", "ArrayJyunban"};
    for (const char *prefix : {"HiScore", "Seikairitu", "Seikairitu", "Time"})
        for (int k = 0; k < CategoryCount; ++k)
            expected.push_back(prefix + word(k));
    for (int k = 0; k < CategoryCount; ++k) {
        expected[static_cast<std::size_t>(18 + k)] += "_A";
        expected[static_cast<std::size_t>(34 + k)] += "_H";
    }
    std::vector<std::string> names = Hive(HKEY_CURRENT_USER).valueNames(Section);
    names.erase(std::remove(names.begin(), names.end(), "HiScoreTasizan"), names.end());
    expected.erase(std::remove(expected.begin(), expected.end(), "HiScoreTasizan"), expected.end());
    EXPECT_EQ(names, expected);

    EXPECT_EQ(get("SoundPlay"), reg::stringValue("0"));
    EXPECT_EQ(get("ArrayJyunban"), reg::stringValue("1"));
    EXPECT_EQ(get("HiScoreEigo"), reg::dwordValue(80));
    EXPECT_EQ(get("HiScoreTasizan"), reg::stringValue("120"));
    EXPECT_EQ(get("SeikairituEigo_A"), reg::dwordValue(8));
    EXPECT_EQ(get("SeikairituEigo_H"), reg::dwordValue(16));
    const Value time = *get("TimeEigo");
    EXPECT_EQ(time.type, reg::REG_BINARY);
    EXPECT_EQ(time.data.size(), 8u);
    EXPECT_EQ(timeOf(time), 8.5 * Second);

    RecordStore again;
    load(again);
    EXPECT_FALSE(again.SoundPlay);
    EXPECT_TRUE(again.ArrayJyunban);
    for (int k = 0; k < CategoryCount; ++k) {
        EXPECT_EQ(again.hiScoreCaption(k), store.hiScoreCaption(k));
        EXPECT_EQ(again.accuracyCaption(k), store.accuracyCaption(k));
        EXPECT_EQ(again.timeCaption(k), store.timeCaption(k));
        EXPECT_EQ(again.timeDays(k), store.timeDays(k));
        EXPECT_EQ(again.SeikairituCounts[static_cast<std::size_t>(k)].A, k);
        EXPECT_EQ(again.SeikairituCounts[static_cast<std::size_t>(k)].H, 2 * k);
    }
}

TEST_F(StoreOnHive, ResetClearsTheRecordsInMemoryOnly)
{
    put("SoundPlay", reg::stringValue("0"));
    put("HiScoreEigo", reg::dwordValue(900));
    put("SeikairituEigo_A", reg::dwordValue(3));
    put("TimeEigo", timeValue(0.5));
    RecordStore store;
    load(store);
    int changes = 0;
    store.changed = [&] { ++changes; };
    store.reset();
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(store.SoundPlay);
    EXPECT_TRUE(store.ArrayJyunban);
    expectNoRecords(store);
    EXPECT_EQ(get("HiScoreEigo"), reg::dwordValue(900));

    save(store);
    EXPECT_EQ(get("SoundPlay"), reg::stringValue("0"));
    EXPECT_EQ(get("ArrayJyunban"), reg::stringValue("1"));
    for (int k = 0; k < CategoryCount; ++k) {
        EXPECT_EQ(get("HiScore" + word(k)), reg::dwordValue(0));
        EXPECT_EQ(get("Seikairitu" + word(k) + "_A"), reg::dwordValue(0));
        EXPECT_EQ(get("Seikairitu" + word(k) + "_H"), reg::dwordValue(0));
        EXPECT_EQ(timeOf(*get("Time" + word(k))), 0);
    }
}

TEST(Booking, RecordsOneFinishedGame)
{
    RecordStore store;
    int changes = 0;
    store.changed = [&] { ++changes; };

    store.book(Eigo, 300, 1, 3, 0);
    EXPECT_EQ(utf8(store.hiScoreCaption(Eigo)), "300");
    EXPECT_EQ(utf8(store.accuracyCaption(Eigo)), "25.00");
    EXPECT_EQ(changes, 1);

    store.book(Eigo, 300, 0, 796, 0);
    EXPECT_EQ(utf8(store.accuracyCaption(Eigo)), "0.13");
    EXPECT_EQ(utf8(store.hiScoreCaption(Eigo)), "300") << "a lower score keeps the best";

    store.book(Obun, 0, 0, 4, 0);
    store.book(Obun, 0, 0, 2, 0);
    EXPECT_EQ(utf8(store.accuracyCaption(Obun)), "0.00");
    EXPECT_EQ(store.SeikairituCounts[Obun].H, 6);

    store.book(Wabun, 0, 0, 0, 1.6 * Second);
    EXPECT_EQ(utf8(store.timeCaption(Wabun)), "0:00:01");
    store.book(Wabun, 0, 0, 0, 1.6 * Second);
    EXPECT_EQ(utf8(store.timeCaption(Wabun)), "0:00:03");
    EXPECT_DOUBLE_EQ(store.timeDays(Wabun), 3.2 * Second);

    store.book(Tasizan, 0, 0, 0, (86390 * Second));
    store.book(Tasizan, 0, 0, 0, 15 * Second);
    EXPECT_EQ(utf8(store.timeCaption(Tasizan)), "24:00:05");

    store.book(Hikizan, 0, 0, 0, -Second);
    EXPECT_EQ(store.timeDays(Hikizan), 0);
    EXPECT_EQ(utf8(store.timeCaption(Hikizan)), "0:00:00");
}

TEST(Booking, OverflowKeepsTheStepsDone)
{
    RecordStore store;
    int changes = 0;
    store.changed = [&] { ++changes; };
    store.book(JpKanji, 10, 21474836, 0, 0);
    EXPECT_EQ(utf8(store.accuracyCaption(JpKanji)), "100.00");

    EXPECT_EQ(errorOf([&] { store.book(JpKanji, 20, 1, 5, Second); }), "Integer overflow");
    EXPECT_EQ(utf8(store.hiScoreCaption(JpKanji)), "20");
    EXPECT_EQ(store.SeikairituCounts[JpKanji].A, 21474837);
    EXPECT_EQ(store.SeikairituCounts[JpKanji].H, 5);
    EXPECT_EQ(utf8(store.accuracyCaption(JpKanji)), "100.00");
    EXPECT_EQ(store.timeDays(JpKanji), 0);
    EXPECT_EQ(changes, 2);

    store.SeikairituCounts[Eigo].A = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(errorOf([&] { store.book(Eigo, 30, 1, 0, 0); }), "Integer overflow");
    EXPECT_EQ(store.SeikairituCounts[Eigo].A, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(utf8(store.hiScoreCaption(Eigo)), "30");
}

TEST(Booking, CategoryOutsideTheRangeBooksNothing)
{
    RecordStore store;
    int changes = 0;
    store.changed = [&] { ++changes; };
    store.book(-1, 5, 1, 1, Second);
    store.book(CategoryCount, 5, 1, 1, Second);
    EXPECT_EQ(changes, 0);
    for (int k = 0; k < CategoryCount; ++k)
        EXPECT_EQ(utf8(store.hiScoreCaption(k)), "0");
    EXPECT_EQ(errorOf([&] { store.hiScoreCaption(16); }), "Range check error");
}
