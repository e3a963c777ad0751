#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/SkinEngine/CDefineParser.h"
#include "support/SkinLogMatcher.h"
#include "support/SkinTrace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Veltis::Containers::CNamedAttributes;
using Veltis::CoreUtilities::CMemMessageLog;
using Veltis::SkinEngine::CDefineParser;
using VeltisTest::DescribeStart;
using VeltisTest::LoggedMessage;
using VeltisTest::LoggedMessages;

namespace {

CNamedAttributes Attributes(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    CNamedAttributes attributes;
    for (const auto& pair : pairs)
        attributes.SetValue(pair.first, pair.second);
    return attributes;
}

} // namespace

TEST(CDefineParser, ExpansionAddsOnlyTheAttributesTheElementLacks)
{
    CDefineParser defines(nullptr);
    defines.Define("MY_KNOB", Attributes({{"base_type", "KNOB"}, {"image", "knob.png"}, {"param", "default"}}));
    CNamedAttributes element = Attributes({{"param", "gain"}});
    EXPECT_STREQ(defines.ExpandDefinedElement("MY_KNOB", element), "KNOB");
    EXPECT_EQ(DescribeStart("KNOB", element), "<KNOB base_type=KNOB image=knob.png param=gain>");

    CNamedAttributes untouched = Attributes({{"a", "1"}});
    EXPECT_EQ(defines.ExpandDefinedElement("KNOB", untouched), nullptr);
    EXPECT_EQ(DescribeStart("KNOB", untouched), "<KNOB a=1>");
}

TEST(CDefineParser, AChainMergesTheNearestDefinitionFirst)
{
    CDefineParser defines(nullptr);
    defines.Define("A", Attributes({{"base_type", "B"}, {"x", "from A"}}));
    defines.Define("B", Attributes({{"base_type", "KNOB"}, {"x", "from B"}, {"y", "from B"}}));
    CNamedAttributes element = Attributes({{"z", "own"}});
    const char* tag = defines.ExpandDefinedElement("A", element);
    ASSERT_STREQ(tag, "B");
    EXPECT_STREQ(defines.ExpandDefinedElement(tag, element), "KNOB");
    EXPECT_EQ(DescribeStart("KNOB", element), "<KNOB base_type=B x=from A y=from B z=own>");
    EXPECT_STREQ(defines.GetBaseType("A"), "B");
    EXPECT_EQ(defines.GetBaseType("KNOB"), nullptr);
}

TEST(CDefineParser, RefusedDefinitionsAndRedefinitionsLogInOrder)
{
    struct Case {
        const char* name;
        CNamedAttributes second;
        const char* baseAfter;
        std::vector<LoggedMessage> messages;
    };
    const std::string kOverride =
        "X: this element has already been defined. The new definition overrides the previous one.";
    const Case kCases[] = {
        {"valid redefinition", Attributes({{"base_type", "L"}}), "L", {{1, kOverride}}},
        {"redefinition without base_type",
         Attributes({{"a", "1"}}),
         nullptr,
         {{0, "X: invalid definition, the mandatory 'base_type' attribute is not defined"}, {1, kOverride}}},
        {"redefinition based on itself",
         Attributes({{"base_type", "X"}}),
         nullptr,
         {{0, "X: base_type cannot be the same as the defined element name."}, {1, kOverride}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CMemMessageLog log;
        CDefineParser defines(&log);
        defines.Define("X", Attributes({{"base_type", "K"}}));
        defines.Define("X", c.second);
        EXPECT_EQ(LoggedMessages(log), c.messages);
        if (c.baseAfter)
            EXPECT_STREQ(defines.GetBaseType("X"), c.baseAfter);
        else
            EXPECT_EQ(defines.GetBaseType("X"), nullptr);
    }
}

TEST(CDefineParser, UndefineOfAnUnknownTagSaysNothing)
{
    CMemMessageLog log;
    CDefineParser defines(&log);
    defines.Undefine("NOPE");
    defines.Define("X", Attributes({{"base_type", "K"}}));
    defines.Undefine("X");
    EXPECT_EQ(defines.GetBaseType("X"), nullptr);
    EXPECT_EQ(log.GetMessagesCount(), 0u);
}

TEST(CDefineParser, PersistedDefinitionsReadBackAndBadCountsFail)
{
    CDefineParser defines(nullptr);
    defines.Define("A", Attributes({{"base_type", "B"}, {"x", "1"}}));
    defines.Define("C", Attributes({{"base_type", "D"}}));
    Veltis::Serialization::CMemDataObject stream;
    EXPECT_TRUE(defines.Serialize(stream));
    int count = 0;
    EXPECT_TRUE(stream.ReadInt("itemsCount", count));
    EXPECT_EQ(count, 2);

    CDefineParser restored(nullptr);
    restored.Define("A", Attributes({{"base_type", "OLD"}}));
    EXPECT_TRUE(restored.DeSerialize(stream));
    CNamedAttributes element;
    EXPECT_STREQ(restored.ExpandDefinedElement("A", element), "B");
    EXPECT_EQ(DescribeStart("B", element), "<B base_type=B x=1>");
    EXPECT_STREQ(restored.GetBaseType("C"), "D");

    Veltis::Serialization::CMemDataObject broken;
    broken.WriteInt("itemsCount", 5);
    EXPECT_FALSE(CDefineParser(nullptr).DeSerialize(broken));
}
