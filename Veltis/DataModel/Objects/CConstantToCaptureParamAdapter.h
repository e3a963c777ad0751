#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TOwnershipWithClone.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/Math/IConstant.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Shows a constant object (evaluated at each read) as a read-only parameter. Its descriptor starts
// as a continuous 0..0 parameter that the owner fills in through GetWritableInfo; the value is not
// clamped to it. The base of the formula parameter.
class CConstantToCaptureParamAdapter : public virtual TIConstCaptureObject<float, IConstParamInfo> {
public:
    // owned 1: the adapter deletes the constant. A null constant gives an owned constant 0.
    CConstantToCaptureParamAdapter(const Math::IConstant* constant, int owned);
    CConstantToCaptureParamAdapter(const CConstantToCaptureParamAdapter&) = delete;
    CConstantToCaptureParamAdapter& operator=(const CConstantToCaptureParamAdapter&) = delete;

    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    float GetValue() const override { return m_Constant.Get()->GetValue(); }
    const IConstParamInfo& GetInfo() const override { return m_Info; }
    const IConstParamInfo& GetInfo() override { return m_Info; }
    CParamInfo& GetWritableInfo() { return m_Info; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return m_Captured; }

protected:
    void NotifyValueChanged() { m_ValueChanged.Notify(); }

private:
    CParamInfo m_Info;
    Core::TOwnershipWithClone<const Math::IConstant> m_Constant;
    bool m_Captured;
    Core::CEventProvider m_ValueChanged;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
