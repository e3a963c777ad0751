#include "Veltis/Serialization/TStdContainerSerializer.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/TSerializableNamedTypedPointer.h"
#include "Veltis/Serialization/TSerializableNamedValue.h"
#include "Veltis/Serialization/TStdContainerDeSerializer.h"

#include "TestFunction.h"

#include <gtest/gtest.h>

#include <list>
#include <string>

using namespace Veltis::Serialization;

namespace {

typedef TSerializableNamedValue<float> NamedFloat;
typedef std::list<NamedFloat> FloatList;

TEST(TStdContainerSerializer, ListRoundTripsAppendingToWhatTheListHeld)
{
    const FloatList written = {NamedFloat("a", 1.0f), NamedFloat("b", 2.0f)};
    CMemDataObject stream;
    ASSERT_TRUE(TStdContainerSerializer<FloatList>(&written, "param").Serialize(stream));
    int count = 0;
    EXPECT_TRUE(stream.ReadInt("paramCount", count));
    EXPECT_EQ(count, 2);

    FloatList read = {NamedFloat("kept", 0.0f)};
    EXPECT_TRUE((TStdContainerDeSerializer<NamedFloat, FloatList>(&read, "param").DeSerialize(stream)));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_STREQ(read.back().GetName(), "b");
    EXPECT_EQ(read.back().GetValue(), 2.0f);
}

TEST(TStdContainerSerializer, MissingItemStopsAppendingAndFails)
{
    const FloatList written = {NamedFloat("a", 1.0f), NamedFloat("b", 2.0f), NamedFloat("c", 3.0f)};
    CMemDataObject stream;
    TStdContainerSerializer<FloatList>(&written, "p").Serialize(stream);
    stream.Remove("p1");
    FloatList read;
    EXPECT_FALSE((TStdContainerDeSerializer<NamedFloat, FloatList>(&read, "p").DeSerialize(stream)));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_STREQ(read.front().GetName(), "a");
}

TEST(TStdContainerSerializer, ImpossibleCountsAppendNothing)
{
    for (int count : {-5, 2, 2000000000}) {
        SCOPED_TRACE(count);
        CMemDataObject stream;
        stream.WriteInt("pCount", count);
        FloatList read;
        EXPECT_FALSE((TStdContainerDeSerializer<NamedFloat, FloatList>(&read, "p").DeSerialize(stream)));
        EXPECT_TRUE(read.empty());
    }
}

TEST(TStdContainerSerializer, TypedPointersOfItemsNotAppendedAreDeleted)
{
    ASSERT_TRUE(VeltisTest::kTestFunctionsRegistered);
    typedef TSerializableNamedTypedPointer<VeltisTest::ITestFunction> NamedFunction;
    typedef std::list<NamedFunction> FunctionList;
    VeltisTest::CTestGain first(1.0f);
    VeltisTest::CTestGain third(3.0f);
    const FunctionList written = {NamedFunction("a", &first), NamedFunction("b", nullptr), NamedFunction("c", &third)};
    CMemDataObject stream;
    TStdContainerSerializer<FunctionList>(&written, "curve").Serialize(stream);

    const int aliveBefore = VeltisTest::CTestGain::s_Alive;
    FunctionList read;
    EXPECT_FALSE((TStdContainerDeSerializer<NamedFunction, FunctionList>(&read, "curve").DeSerialize(stream)));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read.front().GetObject()->GetGain(), 1.0f);
    EXPECT_EQ(VeltisTest::CTestGain::s_Alive, aliveBefore + 1) << "only the appended item keeps its object";
    for (NamedFunction& item : read)
        item.DeleteObject();
}

} // namespace
