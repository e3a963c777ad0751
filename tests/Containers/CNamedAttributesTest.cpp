#include "Veltis/Containers/CNamedAttributes.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

using namespace Veltis::Containers;

namespace {

// Name -> value pairs, walking the two iterators in step.
std::map<std::string, std::string> Pairs(const IConstNamedAttributes& attributes)
{
    std::map<std::string, std::string> pairs;
    std::unique_ptr<IConstValueIterator<const char*>> names(attributes.GetNamesIterator());
    std::unique_ptr<IConstValueIterator<const char*>> values(attributes.GetValuesIterator());
    EXPECT_TRUE(names->IsEnd());
    for (names->First(), values->First(); !names->IsEnd(); names->Next(), values->Next()) {
        EXPECT_FALSE(values->IsEnd());
        EXPECT_TRUE(pairs.emplace(names->GetCurrent(), values->GetCurrent()).second);
    }
    EXPECT_TRUE(values->IsEnd());
    return pairs;
}

TEST(CNamedAttributes, NullAndEmptyValuesStayApart)
{
    CNamedAttributes attributes;
    attributes.SetValue("empty", nullptr);
    attributes.SetValue("blank", "");
    attributes.SetValue("full", "x");
    attributes.SetValue(nullptr, "ignored");
    EXPECT_STREQ(attributes.GetValue("empty"), "");
    EXPECT_STREQ(attributes.GetValue("blank"), "");
    EXPECT_STREQ(attributes.GetValue("full"), "x");
    EXPECT_EQ(attributes.GetValue("absent"), nullptr);
    EXPECT_EQ(attributes.GetValue("Full"), nullptr);
    EXPECT_EQ(attributes.GetValue(nullptr), nullptr);

    attributes.SetValue("full", nullptr);
    EXPECT_STREQ(attributes.GetValue("full"), "");
    attributes.SetValue("full", "again");
    // A value may be set from its own text.
    attributes.SetValue("full", attributes.GetValue("full") + 2);
    EXPECT_STREQ(attributes.GetValue("full"), "ain");
    EXPECT_EQ(Pairs(attributes).size(), 3u);
}

TEST(CNamedAttributes, RemoveAndClear)
{
    CNamedAttributes attributes;
    attributes.Clear();
    attributes.SetValue("a", "1");
    attributes.SetValue("b", "2");
    attributes.RemoveValue("absent");
    attributes.RemoveValue(nullptr);
    EXPECT_EQ(Pairs(attributes).size(), 2u);
    attributes.RemoveValue("a");
    EXPECT_EQ(attributes.GetValue("a"), nullptr);
    EXPECT_EQ(Pairs(attributes), (std::map<std::string, std::string>{{"b", "2"}}));
    attributes.Clear();
    EXPECT_TRUE(Pairs(attributes).empty());
    attributes.SetValue("a", "3");
    EXPECT_STREQ(attributes.GetValue("a"), "3");
}

TEST(CNamedAttributes, IteratorsPairNamesWithValuesAndCopiesTakeEveryPair)
{
    CNamedAttributes attributes;
    std::map<std::string, std::string> expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "name" + std::to_string(i);
        const std::string value = i % 7 == 0 ? std::string() : "value" + std::to_string(i * 3);
        attributes.SetValue(name.c_str(), value.c_str());
        expected[name] = value;
    }
    EXPECT_EQ(Pairs(attributes), expected);

    CNamedAttributes copy(attributes);
    const IConstNamedAttributes& asInterface = attributes;
    CNamedAttributes fromInterface(asInterface);
    attributes.Clear();
    EXPECT_EQ(Pairs(copy), expected);
    EXPECT_EQ(Pairs(fromInterface), expected);
    EXPECT_STREQ(copy.GetValue("name7"), "");
}

} // namespace
