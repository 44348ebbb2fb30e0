#include "platform/errors.h"

#include <gtest/gtest.h>

#include <limits>

using namespace platform;

TEST(CheckedArithmetic, RaisesOverflowAtTheLimits)
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(checkedAdd(max - 1, 1), max);
    EXPECT_EQ(checkedSub(min + 1, 1), min);
    EXPECT_EQ(checkedMul(21474836, 100), 2147483600);
    for (auto op : {+[] { return checkedAdd(max, 1); }, +[] { return checkedSub(min, 1); },
                    +[] { return checkedMul(21474837, 100); }}) {
        try {
            op();
            FAIL() << "no overflow raised";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow);
            EXPECT_STREQ(e.what(), "Integer overflow");
        }
    }
}

TEST(ParseInteger, AcceptsDecimalAndRejectsTheRest)
{
    EXPECT_EQ(parseInteger("1234"), 1234);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    for (const char *bad : {"", "12a", " 1", "2147483648", "1.5", "+-5", "+", "-", "--5"}) {
        try {
            parseInteger(bad);
            FAIL() << bad;
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid integer value");
        }
    }
}
