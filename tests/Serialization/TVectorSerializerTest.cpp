#include "Veltis/Serialization/TVectorSerializer.h"

#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TVectorDeSerializer.h"

#include <gtest/gtest.h>

#include <string>

using namespace Veltis::Serialization;
using Veltis::Core::TDynamicVector;

namespace {

typedef TDynamicVector<float> FloatVector;

FloatVector Floats(std::initializer_list<float> values)
{
    FloatVector vector(static_cast<int>(values.size()));
    int i = 0;
    for (float value : values)
        vector[i++] = value;
    return vector;
}

TEST(TVectorSerializer, WritesCountThenIndexedItems)
{
    const FloatVector values = Floats({0.5f, 1.0f, 0.25f});
    CXmlDataObject document("R", 0);
    ASSERT_TRUE(document.WriteObject("values", TVectorSerializer<FloatVector>(&values, "value")));
    char* text = nullptr;
    document.GetText(text);
    EXPECT_STREQ(text, "<?xml version=\"1.0\" encoding=\"utf-8\" ?><R><values><valueCount>3</valueCount>"
                       "<value0>0.5</value0><value1>1</value1><value2>0.25</value2></values></R>");
    delete[] text;
}

TEST(TVectorSerializer, FixedReaderFillsOnlyTheElementsItHas)
{
    CMemDataObject stream;
    const FloatVector values = Floats({1.0f, 2.0f, 3.0f});
    TVectorSerializer<FloatVector>(&values, "v").Serialize(stream);

    FloatVector empty;
    EXPECT_TRUE(TVectorDeSerializer<FloatVector>(&empty, "v").DeSerialize(stream));
    EXPECT_EQ(empty.GetCount(), 0);

    FloatVector two = Floats({9.0f, 9.0f});
    EXPECT_TRUE(TVectorDeSerializer<FloatVector>(&two, "v").DeSerialize(stream));
    EXPECT_EQ(two[1], 2.0f);

    FloatVector four = Floats({9.0f, 9.0f, 9.0f, 9.0f});
    EXPECT_FALSE(TVectorDeSerializer<FloatVector>(&four, "v").DeSerialize(stream));
    EXPECT_EQ(four[2], 3.0f);
    EXPECT_EQ(four[3], 9.0f);
}

TEST(TDynamicVectorDeSerializer, ResizesToTheCountAndRefusesImpossibleCounts)
{
    struct Case { const char* label; int count; bool writeItems; bool result; int size; };
    const Case kCases[] = {
        {"three", 3, true, true, 3},
        {"zero", 0, false, true, 0},
        {"no count", -100, false, false, 2},
        {"negative", -1, false, false, 2},
        {"more than the stream holds", 1000000000, true, false, 2},
        {"item missing", 1, false, false, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        CMemDataObject stream;
        if (c.count != -100)
            stream.WriteInt("vCount", c.count);
        if (c.writeItems) {
            for (int i = 0; i < 3; ++i)
                stream.WriteFloat(("v" + std::to_string(i)).c_str(), i + 0.5f);
        }
        FloatVector vector = Floats({7.0f, 7.0f});
        EXPECT_EQ(TDynamicVectorDeSerializer<FloatVector>(&vector, "v").DeSerialize(stream), c.result);
        ASSERT_EQ(vector.GetCount(), c.size);
        if (c.result && c.size == 3) {
            EXPECT_EQ(vector[2], 2.5f);
        }
    }
}

} // namespace
