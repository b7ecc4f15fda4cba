// The framework's strict 32-bit string-to-integer conversion used by ReadInteger.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "skin/data/quick_ini.h"

namespace {

using skin::ParseFrameworkInteger;

TEST(FrameworkInteger, DecimalAcrossTheWholeRange) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const std::int64_t v :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, std::int64_t{kMax}, std::int64_t{kMin},
          std::int64_t{kMax} - 1, std::int64_t{kMin} + 1, std::int64_t{123456789}}) {
        EXPECT_EQ(ParseFrameworkInteger(std::to_string(v)), static_cast<std::int32_t>(v)) << v;
    }
    EXPECT_EQ(ParseFrameworkInteger("+0"), 0);
    EXPECT_EQ(ParseFrameworkInteger("-0"), 0);
    EXPECT_EQ(ParseFrameworkInteger("000000000000000000042"), 42);
}

TEST(FrameworkInteger, DecimalOutsideTheRangeIsRejected) {
    for (const char* text : {"2147483648", "-2147483649", "4294967296", "99999999999999999999", "18446744073709551617",
                             "-18446744073709551616"}) {
        EXPECT_FALSE(ParseFrameworkInteger(text).has_value()) << text;
    }
}

TEST(FrameworkInteger, HexadecimalIsAThirtyTwoBitPattern) {
    EXPECT_EQ(ParseFrameworkInteger("$0"), 0);
    EXPECT_EQ(ParseFrameworkInteger("$7FFFFFFF"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseFrameworkInteger("$80000000"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseFrameworkInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseFrameworkInteger("$ff00ff"), 0xFF00FF);
    EXPECT_EQ(ParseFrameworkInteger("$00000000FFFFFFFF"), -1);  // leading zeros do not count
    EXPECT_EQ(ParseFrameworkInteger("-$1"), -1);
    EXPECT_EQ(ParseFrameworkInteger("+$A"), 10);
    EXPECT_EQ(ParseFrameworkInteger("-$80000000"), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(ParseFrameworkInteger("$100000000").has_value());
    EXPECT_FALSE(ParseFrameworkInteger("$FFFFFFFFFFFFFFFFF").has_value());
}

TEST(FrameworkInteger, AnythingElseIsRejected) {
    for (const char* text : {"", "+", "-", "$", "-$", "$G", "1.5", "1e3", " 1", "1 ", "0x10", "x10", "--1", "+-1",
                             "$-1", "12a", "\xEF\xBC\x91", "$1$"}) {
        EXPECT_FALSE(ParseFrameworkInteger(text).has_value()) << text;
    }
}

}  // namespace
