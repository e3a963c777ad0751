#include "Veltis/Audio/Plugin/CMIDICCSetting.h"
#include "Veltis/Audio/Plugin/MIDICCMapping.h"
#include "Veltis/Math/IFunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Veltis::Audio::Plugin;
using namespace Veltis::DataModel::Objects;

namespace {

float Forward(EParamValueCurve curve, float x)
{
    const Veltis::Math::IFunction* function = nullptr;
    const Veltis::Math::IFunction* inverse = nullptr;
    GetParamValueCurveFunctions(curve, function, inverse);
    return function->GetValue(x);
}

CMIDICCSetting Setting(EParamValueCurve curve, float min, float max, int channel = 1, int number = 10)
{
    CMIDICCSetting setting;
    setting.Enable(true);
    setting.SetCurve(curve);
    setting.SetMin(min);
    setting.SetMax(max);
    setting.SetChannel(channel);
    setting.SetNumber(number);
    return setting;
}

int OutputValue(const CMIDICCSetting& setting, float p)
{
    unsigned char status = 0, controller = 0, value = 0;
    EXPECT_TRUE(ParamValueToMIDICCOutput(setting, p, status, controller, value));
    EXPECT_EQ(status, 0xB0 + setting.GetChannel() - 1);
    EXPECT_EQ(controller, setting.GetNumber());
    return value;
}

int Expected(EParamValueCurve curve, float x)
{
    const float y = Forward(curve, x) * 127.0f + 0.5f;
    return y < 127.0f ? static_cast<int>(y) : 127;
}

} // namespace

TEST(MIDICCMapping, InputAndOutputFollowTheForwardCurveOfEveryCurve)
{
    for (int index = 0; index < kParamValueCurveCount; ++index) {
        const EParamValueCurve curve = static_cast<EParamValueCurve>(index);
        SCOPED_TRACE(kParamValueCurveNames[index]);
        const CMIDICCSetting setting = Setting(curve, -10.0f, 30.0f);
        EXPECT_EQ(MIDICCInputToParamValue(setting, 0), -10.0f + Forward(curve, 0.0f) * 40.0f);
        EXPECT_EQ(MIDICCInputToParamValue(setting, 127), -10.0f + Forward(curve, 1.0f) * 40.0f);
        EXPECT_EQ(MIDICCInputToParamValue(setting, 64), -10.0f + Forward(curve, 64 * 0.007874016f) * 40.0f);
        // Data bytes outside 0 to 127 are held within the controller range.
        EXPECT_EQ(MIDICCInputToParamValue(setting, 300), MIDICCInputToParamValue(setting, 127));

        EXPECT_EQ(OutputValue(setting, 30.0f), Expected(curve, 1.0f));
        EXPECT_EQ(OutputValue(setting, 1000.0f), Expected(curve, 1.0f));
        EXPECT_EQ(OutputValue(setting, -10.0f), Expected(curve, 0.0f));
        EXPECT_EQ(OutputValue(setting, -1000.0f), Expected(curve, 0.0f));
        EXPECT_EQ(OutputValue(setting, 0.0f), Expected(curve, 0.25f));
        EXPECT_EQ(OutputValue(setting, std::numeric_limits<float>::quiet_NaN()), Expected(curve, 0.0f));

        // min equal to max: x = p - min, held within [0, 1], no division.
        const CMIDICCSetting flat = Setting(curve, 2.0f, 2.0f);
        EXPECT_EQ(MIDICCInputToParamValue(flat, 127), 2.0f);
        EXPECT_EQ(OutputValue(flat, 2.5f), Expected(curve, 0.5f));
        EXPECT_EQ(OutputValue(flat, 9.0f), Expected(curve, 1.0f));
        EXPECT_EQ(OutputValue(flat, 1.0f), Expected(curve, 0.0f));
    }
    EXPECT_EQ(OutputValue(Setting(eParamValueCurveLinear, 0.0f, 1.0f), 1.0f), 127);
    EXPECT_EQ(MIDICCInputToParamValue(Setting(eParamValueCurveLinear, 0.0f, 1.0f), 127), 1.0f);
}

TEST(MIDICCMapping, InputMatchesEnabledChannelAndNumber)
{
    CMIDICCSetting any = Setting(eParamValueCurveLinear, 0.0f, 1.0f, 0, 10);
    for (int status = 0xB0; status <= 0xBF; ++status)
        EXPECT_TRUE(MatchesMIDICCInput(any, status, 10));
    EXPECT_FALSE(MatchesMIDICCInput(any, 0xB0, 11));

    CMIDICCSetting five = Setting(eParamValueCurveLinear, 0.0f, 1.0f, 5, 10);
    for (int status = 0xB0; status <= 0xBF; ++status)
        EXPECT_EQ(MatchesMIDICCInput(five, status, 10), status == 0xB4);
    five.Enable(false);
    EXPECT_FALSE(MatchesMIDICCInput(five, 0xB4, 10));
}

TEST(MIDICCMapping, OutputSendsNothingThatIsNotAControlChange)
{
    struct Case {
        int channel;
        int number;
        bool enabled;
        bool sent;
    };
    const Case kCases[] = {{1, 0, true, true},   {16, 127, true, true}, {0, 5, true, false},
                           {17, 5, true, false}, {-1, 5, true, false},  {3, 128, true, false},
                           {3, -1, true, false}, {3, 5, false, false}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.channel << "/" << c.number << "/" << c.enabled);
        CMIDICCSetting setting = Setting(eParamValueCurveLinear, 0.0f, 1.0f, c.channel, c.number);
        setting.Enable(c.enabled);
        unsigned char status = 0, controller = 0, value = 0;
        EXPECT_EQ(ParamValueToMIDICCOutput(setting, 0.5f, status, controller, value), c.sent);
        if (c.sent) {
            EXPECT_EQ(status, 0xB0 + c.channel - 1);
            EXPECT_EQ(controller, c.number);
            EXPECT_EQ(value, 64);
        }
    }
}
