#include "Veltis/CoreUtilities/CCharStringHash.h"

#include "Veltis/CoreUtilities/CCharEquals.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"

#include <gtest/gtest.h>

#include <unordered_map>

using Veltis::Core::CCharString;
using namespace Veltis::CoreUtilities;

namespace {

TEST(CCharStringHash, FiveTimesPlusSignedCharacter)
{
    struct Case {
        const char* text;
        std::size_t expected;
    };
    const Case kCases[] = {
        {"", 0}, {"a", 97}, {"ab", 97 * 5 + 98}, {"\xFF", static_cast<std::size_t>(-1)}, {"a\xFF", 97 * 5 - 1}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CCharStringHash()(CCharString(c.text)), c.expected);
    }
}

TEST(CCharStringHash, KeysAHashMapWithItsEquality)
{
    std::unordered_map<CCharString, int, CCharStringHash, CCharStringEquals> map(193);
    map[CCharString("gain")] = 1;
    map[CCharString("Gain")] = 2;
    map[CCharString("")] = 3;
    EXPECT_EQ(map.size(), 3u);
    EXPECT_EQ(map[CCharString("gain")], 1);
    EXPECT_EQ(map[CCharString("Gain")], 2);
    CCharString emptyWithBuffer("x");
    emptyWithBuffer.Clear(false);
    EXPECT_EQ(map.count(emptyWithBuffer), 1u);
}

TEST(CCharEquals, StrcmpEqualityWithNulls)
{
    const CCharEquals equals;
    EXPECT_TRUE(equals("pq", "pq"));
    EXPECT_FALSE(equals("pq", "pQ"));
    EXPECT_TRUE(equals(nullptr, nullptr));
    EXPECT_FALSE(equals(nullptr, ""));
}

} // namespace
