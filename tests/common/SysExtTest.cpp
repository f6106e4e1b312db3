#include <gtest/gtest.h>

#include <climits>

#include "common/qvSysExt.h"

namespace qv {
namespace {

TEST(IntPow, MultipliesWithThirtyTwoBitWrapAround) {
    struct Case {
        int32_t base, exponent, expected;
    } cases[] = {
        {2, 0, 1},           {2, 8, 256},          {0, 0, 1},
        {2, 31, INT32_MIN},  {2, 32, 0},           {2, 1000, 0},
        {3, 21, 1870418611},  // 3^21 = 10460353203 = 2 * 2^32 + 1870418611
        {-2, 3, -8},         {-3, 2, 9},           {5, -1, 1},
        {1, INT32_MAX, 1},   {-1, INT32_MAX, -1},  {-1, INT32_MAX - 1, 1},
        {65536, 2, 0},       {46341, 2, INT32_MIN + 4633}, // 46341^2 = 2147488281 = 2^31 + 4633
    };
    for (const Case& c : cases) EXPECT_EQ(IntPow(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

TEST(FreeMemAndNil, EmptiesTheVariableAndLeavesAnEmptyOneAlone) {
    uint8_t* block = static_cast<uint8_t*>(GetMem(64));
    ASSERT_NE(block, nullptr);
    block[63] = 1;
    FreeMemAndNil(block);
    EXPECT_EQ(block, nullptr);
    FreeMemAndNil(block);  // a second release would be a double free under the sanitizers
    EXPECT_EQ(block, nullptr);

    void* zeroed = AllocMem(32);
    const auto* bytes = static_cast<const uint8_t*>(zeroed);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << i;
    FreeMemAndNil(zeroed);
    EXPECT_EQ(zeroed, nullptr);
    EXPECT_EQ(GetMem(0), nullptr);
}

}  // namespace
}  // namespace qv
