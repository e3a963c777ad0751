#include "Veltis/Audio/DSP/Filters/ResponseCurveInfos.h"

#include "Veltis/Math/FunctionsLibrary.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

using DataModel::Objects::CCurveInfo;
using DataModel::Objects::CParamInfo;
using Math::FunctionsLibrary::FromdB;

namespace {

CParamInfo Frequency() { return CParamInfo(2, "Frequency", "Hz", "", nullptr, 20.0f, 22000.0f, 20.0f); }

} // namespace

CCurveInfo GainResponseCurveInfo()
{
    return CCurveInfo("Frequency Response (Gain)", "", Frequency(),
                      CParamInfo(2, "Gain", "dB", "", nullptr, FromdB(-40.0f), FromdB(40.0f), FromdB(0.0f)));
}

CCurveInfo GainDbResponseCurveInfo()
{
    return CCurveInfo("Frequency Response (Gain dB)", "", Frequency(),
                      CParamInfo(2, "Gain", "dB", "", nullptr, -40.0f, 40.0f, 0.0f));
}

CCurveInfo PhaseResponseCurveInfo()
{
    return CCurveInfo("Frequency Response (Phase)", "", Frequency(),
                      CParamInfo(2, "Phase", "", "", nullptr, 0.0f, 1.0f, 0.0f));
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
