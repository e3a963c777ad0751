#include "Veltis/Audio/DSP/TMonoToStereoInfo.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis::Audio::DSP;
using namespace Veltis::DataModel::Objects;

namespace {

typedef Veltis::CoreUtilities::TDynamicCollection<CParamInfo, IConstParamInfo> CParams;
typedef TMonoToStereoInfo<CParamInfo, IConstParamInfo> CStereoParams;

CParams MakeParams(const std::vector<std::string>& names)
{
    CParams params(static_cast<int>(names.size()));
    for (size_t i = 0; i < names.size(); ++i)
        params.GetStorage()[static_cast<int>(i)].SetName(names[i].c_str());
    return params;
}

template <class TList>
std::vector<std::string> Names(const TList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(list.GetAt(i).GetName());
    return names;
}

} // namespace

TEST(MonoToStereoInfo, PerChannelRangeIsRepeatedWithSuffixes)
{
    struct Case {
        std::vector<std::string> mono;
        int first, last;
        std::vector<std::string> stereo;
    };
    const Case kCases[] = {
        {{"W", "X", "Y", "Z"}, 1, 2, {"W", "X (L)", "Y (L)", "X (R)", "Y (R)", "Z"}},
        {{"Peak", "Clipped"}, 0, -1, {"Peak (L)", "Clipped (L)", "Peak (R)", "Clipped (R)"}},
        {{}, 0, -1, {}},
        {{"A", "B"}, 1, 0, {"A", "B"}},
        // Indexes outside the list are brought inside it.
        {{"A", "B"}, 5, 9, {"A", "B"}},
        {{"A", "B"}, -2, 7, {"A (L)", "B (L)", "A (R)", "B (R)"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.stereo.size());
        const CStereoParams stereo(MakeParams(c.mono), c.first, c.last);
        EXPECT_EQ(Names(stereo), c.stereo);
    }
}

TEST(MonoToStereoInfo, ThirtyFiveParametersBecomeSixtyFive)
{
    std::vector<std::string> names;
    for (int i = 0; i < 35; ++i)
        names.push_back("P" + std::to_string(i));
    const CStereoParams stereo(MakeParams(names), 5, -1);
    ASSERT_EQ(stereo.GetCount(), 65);
    EXPECT_STREQ(stereo.GetAt(4).GetName(), "P4");
    EXPECT_STREQ(stereo.GetAt(5).GetName(), "P5 (L)");
    EXPECT_STREQ(stereo.GetAt(34).GetName(), "P34 (L)");
    EXPECT_STREQ(stereo.GetAt(35).GetName(), "P5 (R)");
    EXPECT_STREQ(stereo.GetAt(64).GetName(), "P34 (R)");
    EXPECT_EQ(stereo.GetLastChannelIndex(), 34);
    EXPECT_EQ(stereo.GetPerChannelCount(), 30);
    const CStereoParams copy(stereo);
    EXPECT_STREQ(copy.GetAt(35).GetName(), "P5 (R)");
    EXPECT_EQ(copy.GetFirstChannelIndex(), 5);
}

TEST(MonoToStereoInfo, SuffixedParameterIsAFullCopy)
{
    CParams mono(1);
    mono.GetStorage()[0] = CParamInfo(2, "Pre", "dB", "in", new CParamValueToText("%+.1f", false, "{value}"), -40,
                                      40, 0);
    const CStereoParams stereo(mono, 0, -1);
    const IConstParamInfo& left = stereo.GetAt(0);
    EXPECT_STREQ(left.GetName(), "Pre (L)");
    EXPECT_STREQ(left.GetUnit(), "dB");
    EXPECT_STREQ(left.GetComment(), "in");
    EXPECT_EQ(left.GetMin(), -40.0f);
    EXPECT_EQ(VeltisTest::TextOf(*left.GetValueToText(), 3.0f), VeltisTest::TextOf(*mono.GetAt(0).GetValueToText(), 3.0f));
    mono.GetStorage()[0].SetUnit("Hz");
    EXPECT_STREQ(stereo.GetAt(1).GetUnit(), "dB");
}

TEST(MonoToStereoInfo, SuffixedStringLosesItsDefaultTextUnsuffixedKeepsIt)
{
    Veltis::CoreUtilities::TDynamicCollection<CStringInfo, IConstStringInfo> mono(2);
    for (int i = 0; i < 2; ++i) {
        mono.GetStorage()[i].SetName(i == 0 ? "Shared" : "Own");
        mono.GetStorage()[i].SetComment("c");
        mono.GetStorage()[i].SetDefaultValue("text");
    }
    const TMonoToStereoInfo<CStringInfo, IConstStringInfo> stereo(mono, 1, -1);
    ASSERT_EQ(stereo.GetCount(), 3);
    EXPECT_STREQ(stereo.GetAt(0).GetDefaultValue(), "text");
    EXPECT_STREQ(stereo.GetAt(1).GetName(), "Own (L)");
    EXPECT_STREQ(stereo.GetAt(1).GetComment(), "c");
    EXPECT_STREQ(stereo.GetAt(1).GetDefaultValue(), "");
    EXPECT_STREQ(stereo.GetAt(2).GetDefaultValue(), "");
}

TEST(MonoToStereoInfo, CurvesAndSurfacesKeepTheirAxes)
{
    Veltis::CoreUtilities::TDynamicCollection<CCurveInfo, IConstCurveInfo> curves(1);
    curves.GetStorage()[0].SetName("Response");
    curves.GetStorage()[0].GetXInfo().SetMax(22000);
    const TMonoToStereoInfo<CCurveInfo, IConstCurveInfo> stereoCurves(curves, 0, -1);
    EXPECT_STREQ(stereoCurves.GetAt(1).GetName(), "Response (R)");
    EXPECT_EQ(stereoCurves.GetAt(1).GetXInfo().GetMax(), 22000.0f);

    Veltis::CoreUtilities::TDynamicCollection<CSurfaceInfo, IConstSurfaceInfo> surfaces(1);
    surfaces.GetStorage()[0].SetName("History");
    surfaces.GetStorage()[0].GetZInfo().SetMin(-60);
    const TMonoToStereoInfo<CSurfaceInfo, IConstSurfaceInfo> stereoSurfaces(surfaces, 0, -1);
    EXPECT_STREQ(stereoSurfaces.GetAt(0).GetName(), "History (L)");
    EXPECT_EQ(stereoSurfaces.GetAt(1).GetZInfo().GetMin(), -60.0f);
}
