#pragma once

#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/TCaptureObjectEvents.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The plain model parameter: a float kept inside the range of its own descriptor, which its owner
// fills in place through GetWritableInfo. Value-changed announces real changes only; value-set
// announces every write, for wrappers that re-publish the parameter.
class CCaptureParam : public TCaptureObjectEvents<TICaptureObject<float, IConstParamInfo>> {
public:
    CCaptureParam();

    float GetValue() const override { return m_Value; }
    const IConstParamInfo& GetInfo() const override { return m_Info; }
    const IConstParamInfo& GetInfo() override { return m_Info; }
    CParamInfo& GetWritableInfo() { return m_Info; }

    // Clamps to the minimum, then the maximum (so NaN, or a minimum above the maximum, gives the
    // maximum). A range narrowed later leaves the stored value alone until the next write.
    void SetValue(float value) override;
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }

    Core::IEventProvider& GetValueSetEvent() { return m_ValueSet; }

private:
    CParamInfo m_Info;
    float m_Value;
    Core::CEventProvider m_ValueSet;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
