#include "Veltis/Serialization/TSerializableNamedValue.h"

#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/TSerializableNamedPointer.h"

#include "TestSerializable.h"

#include <gtest/gtest.h>

using namespace Veltis::Serialization;

namespace {

TEST(TSerializableNamedValue, NumbersRoundTripAndKeepTheirValueWhenAbsent)
{
    CMemDataObject stream;
    ASSERT_TRUE(TSerializableNamedValue<int>("count", -3).Serialize(stream));
    TSerializableNamedValue<int> number("old", 8);
    EXPECT_TRUE(number.DeSerialize(stream));
    EXPECT_STREQ(number.GetName(), "count");
    EXPECT_EQ(number.GetValue(), -3);

    CMemDataObject nameOnly;
    nameOnly.WriteString("name", "gain");
    TSerializableNamedValue<float> gain("old", 0.5f);
    EXPECT_FALSE(gain.DeSerialize(nameOnly));
    EXPECT_STREQ(gain.GetName(), "gain");
    EXPECT_EQ(gain.GetValue(), 0.5f);
}

TEST(TSerializableNamedValue, TextFormRules)
{
    struct Case { const char* label; const char* name; const char* value; bool result; const char* newName;
                  const char* newValue; };
    const Case kCases[] = {
        {"both", "n", "v", true, "n", "v"},
        {"name only: empty value", "n", nullptr, false, "n", ""},
        {"value only: dropped", nullptr, "v", false, "old", "kept"},
        {"neither", nullptr, nullptr, false, "old", "kept"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        CMemDataObject stream;
        if (c.name)
            stream.WriteString("name", c.name);
        if (c.value)
            stream.WriteString("value", c.value);
        TSerializableNamedValue<char*> pair("old", "kept");
        EXPECT_EQ(pair.DeSerialize(stream), c.result);
        EXPECT_STREQ(pair.GetName(), c.newName);
        EXPECT_STREQ(pair.GetValue(), c.newValue);
    }
}

TEST(TSerializableNamedPointer, WritesTheNameAndLetsTheObjectReadItself)
{
    int stored = 0;
    VeltisTest::CTestSerializable object(
        [](IWriteDataStream& stream) { return stream.WriteInt("x", 5); },
        [&](const IReadDataStream& stream) { return stream.ReadInt("x", stored); });
    CMemDataObject stream;
    ASSERT_TRUE(TSerializableNamedPointer<VeltisTest::CTestSerializable>("node", &object).Serialize(stream));
    TSerializableNamedPointer<VeltisTest::CTestSerializable> reader("", &object);
    EXPECT_TRUE(reader.DeSerialize(stream));
    EXPECT_STREQ(reader.GetName(), "node");
    EXPECT_EQ(stored, 5);
    EXPECT_FALSE((TSerializableNamedPointer<VeltisTest::CTestSerializable>("x", nullptr).Serialize(stream)));
}

} // namespace
