#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/SkinEngine/CSkinModelExposure.h"
#include "Veltis/SkinEngine/ParamAttributeReaders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Veltis::SkinEngine::CSkinModelExposure;

TEST(CSkinModelExposure, MasksFollowTheDeclaredIdentifiersAndPatterns)
{
    struct Case {
        std::vector<const char*> declared;
        const char* id;
        int param;
        int curve;
        int surface;
        bool contained;
    };
    const Case kCases[] = {
        {{"dsp.*"}, "dsp.output1", 31, 3, 3, true},
        {{"dsp.*"}, "DSP.output1", 0, 0, 0, false},
        {{"gain.min"}, "gain", 8, 0, 0, false},
        {{"gain", "gain.info", "gain.default", "gain.max"}, "gain", 1 + 2 + 4 + 16, 1, 1, true},
        {{"c", "c.y_info"}, "c", 1, 3, 3, true},
        {{"s.z_info"}, "s", 0, 0, 2, false},
        {{"*.max"}, "any", 16, 0, 0, false},
        {{"a*b"}, "ab", 1, 1, 1, true},
        {{}, "x", 0, 0, 0, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.id);
        CSkinModelExposure exposure;
        for (const char* id : c.declared) {
            exposure.Declare(id);
            exposure.Declare(id);
        }
        EXPECT_EQ(exposure.GetParamMask(c.id), c.param);
        EXPECT_EQ(exposure.GetCurveMask(c.id), c.curve);
        EXPECT_EQ(exposure.GetSurfaceMask(c.id), c.surface);
        EXPECT_EQ(exposure.Contains(c.id), c.contained);
        EXPECT_EQ(exposure.IsReferenced(c.id), c.contained);
    }
}

TEST(ParamAttributeReaders, WordsGiveTheirCodesAndAnythingElseTheDefault)
{
    struct Case {
        const char* text;
        int type;
        int curve;
    };
    const Case kCases[] = {
        {"boolean", 0, 6}, {"Boolean", 2, 6}, {"integer", 1, 6}, {"enumeration", 1, 6}, {nullptr, 2, 6},
        {"log3", 2, 0}, {"log2", 2, 1}, {"log1", 2, 2}, {"square_root", 2, 4}, {"log", 2, 5}, {"exp", 2, 7},
        {"square", 2, 8}, {"exp1", 2, 10}, {"exp2", 2, 11}, {"exp3", 2, 12}, {"log0", 2, 6}, {"", 2, 6},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text ? c.text : "absent");
        Veltis::Containers::CNamedAttributes attributes;
        if (c.text) {
            attributes.SetValue("type", c.text);
            attributes.SetValue("response_curve", c.text);
        }
        EXPECT_EQ(Veltis::SkinEngine::ReadParamType(attributes, "type"), c.type);
        EXPECT_EQ(Veltis::SkinEngine::ReadResponseCurve(attributes, "response_curve"), c.curve);
    }
}
