#include "Veltis/Audio/Plugin/MIDICCMapping.h"

#include "Veltis/Audio/Plugin/IMIDICCSetting.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

namespace {

// 1/127 in single precision: 127 times it rounds to exactly 1.
constexpr float kControllerScale = 0.007874016f;

float ForwardCurve(const IMIDICCSetting& setting, float x)
{
    const Math::IFunction* function = nullptr;
    const Math::IFunction* inverse = nullptr;
    DataModel::Objects::GetParamValueCurveFunctions(setting.GetCurve(), function, inverse);
    return function->GetValue(x);
}

} // namespace

bool MatchesMIDICCInput(const IMIDICCSetting& setting, int status, int controller)
{
    if (!setting.IsEnabled())
        return false;
    const int channel = setting.GetChannel();
    return (channel == 0 || channel == (status & 0x0F) + 1) && setting.GetNumber() == controller;
}

float MIDICCInputToParamValue(const IMIDICCSetting& setting, int value)
{
    const int held = value < 0 ? 0 : (value > 127 ? 127 : value);
    const float min = setting.GetMin();
    const float max = setting.GetMax();
    return min + ForwardCurve(setting, static_cast<float>(held) * kControllerScale) * (max - min);
}

bool ParamValueToMIDICCOutput(const IMIDICCSetting& setting, float value, unsigned char& status,
                              unsigned char& controller, unsigned char& controllerValue)
{
    const int channel = setting.GetChannel();
    const int number = setting.GetNumber();
    if (!setting.IsEnabled() || channel < 1 || channel > 16 || number < 0 || number > 127)
        return false;
    const float min = setting.GetMin();
    const float max = setting.GetMax();
    float x = value - min;
    if (min != max)
        x = x / (max - min);
    if (!(x > 0.0f))
        x = 0.0f;
    else if (x > 1.0f)
        x = 1.0f;
    const float y = ForwardCurve(setting, x) * 127.0f + 0.5f;
    int result = 127;
    if (!(y >= 0.0f))
        result = 0;
    else if (y < 127.0f)
        result = static_cast<int>(y);
    status = static_cast<unsigned char>(0xB0 + channel - 1);
    controller = static_cast<unsigned char>(number);
    controllerValue = static_cast<unsigned char>(result);
    return true;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
