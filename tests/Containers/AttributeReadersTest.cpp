#include "Veltis/Containers/AttributeReaders.h"

#include "Veltis/Containers/CNamedAttributes.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>
#include <string>

using namespace Veltis::Containers;
using Veltis::Core::CColor;

namespace {

const char* const kAbsent = nullptr;

// A table holding one attribute "a", or none when value is kAbsent.
CNamedAttributes With(const char* value)
{
    CNamedAttributes attributes;
    if (value != kAbsent)
        attributes.SetValue("a", value);
    return attributes;
}

TEST(AttributeReaders, ColorTable)
{
    const CColor kDefault(1, 2, 3);
    struct Case { const char* value; int r, g, b; };
    const Case kCases[] = {
        {"#FF8000", 255, 128, 0}, {"#ff8000", 255, 128, 0}, {"red", 1, 2, 3},      {kAbsent, 1, 2, 3},
        {"x#FF8000", 0, 0, 0},    {"#FFF", 0, 15, 255},     {"#", 0, 0, 0},         {"#12345678", 0x34, 0x56, 0x78},
        {"# 0x0000ff", 0, 0, 255}, {"#-1", 255, 255, 255}, {"#00ff00zz", 0, 255, 0}, {"", 1, 2, 3},
        {"#FFFFFFFFFFFFFFFFFFFFFF", 255, 255, 255},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value != kAbsent ? c.value : "(absent)");
        const CColor color = GetColorAttribute(With(c.value), "a", kDefault);
        EXPECT_EQ(color.r, c.r);
        EXPECT_EQ(color.g, c.g);
        EXPECT_EQ(color.b, c.b);
    }
}

TEST(AttributeReaders, IntTable)
{
    struct Case { const char* value; int expected; };
    const Case kCases[] = {
        {"", 99},     {"pqr", 99}, {kAbsent, 99}, {"-7", -7},        {"0x10", 0},  {"12px", 12},
        {" 42", 42},  {"+5", 5},   {"-", 99},     {"4294967297", 1}, {".5", 99},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value != kAbsent ? c.value : "(absent)");
        EXPECT_EQ(GetIntAttribute(With(c.value), "a", 99), c.expected);
    }
}

TEST(AttributeReaders, FloatTable)
{
    struct Case { const char* value; float expected; };
    const Case kCases[] = {
        {"1e3", 1000.0f}, {".", 2.5f},      {kAbsent, 2.5f},    {"", 2.5f},         {"0.5x", 0.5f},
        {"-0.25", -0.25f}, {"abc", 2.5f},   {"1e300", FLT_MAX}, {"-1e300", -FLT_MAX}, {"inf", INFINITY},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value != kAbsent ? c.value : "(absent)");
        EXPECT_EQ(GetFloatAttribute(With(c.value), "a", 2.5f), c.expected);
    }
}

TEST(AttributeReaders, PathTable)
{
    struct Case { const char* value; const char* base; const char* expected; };
    const Case kCases[] = {
        {"img\\knob.png", "/skins/dark", "/skins/dark/img/knob.png"},
        {"/img//knob.png", "/skins/dark", "/skins/dark/img/knob.png"},
        {"knob.png", "/skins/dark/", "/skins/dark/knob.png"},
        {"knob.png", "", "knob.png"},
        {"knob.png", nullptr, "knob.png"},
        {"", "/skins", "/skins/"},
        {kAbsent, "/skins", nullptr},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value != kAbsent ? c.value : "(absent)");
        std::unique_ptr<char[]> path(GetPathAttribute(With(c.value), "a", c.base));
        if (c.expected == nullptr)
            EXPECT_EQ(path, nullptr);
        else
            EXPECT_STREQ(path.get(), c.expected);
    }
}

TEST(AttributeReaders, EqualityIsExact)
{
    const CNamedAttributes attributes = With("Yes");
    EXPECT_TRUE(IsAttributeEqual(attributes, "a", "Yes"));
    EXPECT_FALSE(IsAttributeEqual(attributes, "a", "yes"));
    EXPECT_FALSE(IsAttributeEqual(attributes, "a", nullptr));
    EXPECT_FALSE(IsAttributeEqual(attributes, "b", "Yes"));
    EXPECT_TRUE(IsAttributeEqual(With(""), "a", ""));
    EXPECT_FALSE(IsAttributeEqual(With(kAbsent), "a", ""));
}

} // namespace
