// Drives the controls with untrusted descriptors and skin settings: any type and range (NaN,
// infinities, equal ends, negative log ranges), positions counts, zoom, offset, response curves
// outside the enumeration, log, reverse, zoom positions and fine ratios; then maps both ways, writes
// through a control in and out of fine mode, types text into a text control and writes any float
// through the property wrappers. Nothing may crash, hang or raise a sanitizer report.
#include "Veltis/Core/CEnable.h"
#include "Veltis/DataModel/Controls/CParamControl.h"
#include "Veltis/DataModel/Controls/CParamTextControl.h"
#include "Veltis/DataModel/ModelObjectWrappers.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"

#include "CFuzzInput.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

using namespace Veltis;
using DataModel::Controls::CParamControl;
using DataModel::Controls::CParamTextControl;
using DataModel::Objects::CCaptureParam;

namespace {

const float kFloats[] = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, 2.0f, 10.0f, 20.0f, 20000.0f, -20.0f, 1e-30f, 1e30f,
                         FLT_MAX, -FLT_MAX, INFINITY, -INFINITY, NAN, 127.0f, 2147483648.0f, -2147483904.0f};
const int kInts[] = {-1, 0, 1, 2, 11, 128, 1000, INT_MAX, INT_MIN, -7, 65536};

// A counter that takes any count it is given.
class CCount : public virtual Containers::ICount {
public:
    int GetCount() const override { return m_Count; }
    void SetCount(int count) override { m_Count = count; }
    int m_Count = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput input(data, size);
    CCaptureParam param;
    DataModel::Objects::CParamInfo& info = param.GetWritableInfo();
    info.SetType(input.Pick(kInts));
    info.SetMin(input.Pick(kFloats));
    info.SetMax(input.Pick(kFloats));
    info.SetDefault(input.Pick(kFloats));
    CParamControl control(param);
    CParamTextControl text(param);
    CCount count;
    Core::CEnable enable;
    std::unique_ptr<DataModel::IParamWrapper> countWrapper(
        DataModel::CreateCountWrapper("c.count", count, nullptr, input.Pick(kInts), input.Pick(kInts), input.Pick(kInts)));
    std::unique_ptr<DataModel::IParamWrapper> enableWrapper(DataModel::CreateEnabledWrapper("c.enabled", enable));

    // Bounded: every step consumes at least one byte.
    while (!input.IsDone()) {
        switch (input.Index(16)) {
        case 0: control.SetPositionsCount(input.Pick(kInts)); break;
        case 1: control.SetZoom(input.Pick(kFloats)); break;
        case 2: control.SetOffset(input.Pick(kFloats)); break;
        case 3: control.SetResponseCurve(static_cast<DataModel::Objects::EParamValueCurve>(input.Pick(kInts) % 20)); break;
        case 4: control.SetLogScale(input.Byte() & 1); break;
        case 5: control.SetReverse(input.Byte() & 1); break;
        case 6: control.SetZoomPositions(input.Byte() & 1); break;
        case 7: control.SetFineRatio(input.Pick(kInts)); break;
        case 8: control.SetFineMode(input.Byte() & 1); break;
        case 9: {
            const float value = input.Pick(kFloats);
            control.ValueToPosition(value, input.Byte() & 1);
            control.PositionToValue(value);
            control.GetVisiblePositionsCount();
            control.GetDefaultPosition(true);
            break;
        }
        case 10: control.SetPosition(input.Pick(kFloats)); break;
        case 11: control.ResetToDefault(); break;
        case 12: {
            std::string typed;
            const size_t length = input.Index(24);
            for (size_t i = 0; i < length; ++i)
                typed += static_cast<char>(input.Byte());
            text.SetValue(typed.c_str());
            break;
        }
        case 13: countWrapper->SetValue(input.Pick(kFloats)); break;
        case 14: enableWrapper->SetValue(input.Pick(kFloats)); break;
        default:
            info.SetMin(input.Pick(kFloats));
            info.SetMax(input.Pick(kFloats));
            info.SetType(input.Pick(kInts));
            break;
        }
    }
    return 0;
}
