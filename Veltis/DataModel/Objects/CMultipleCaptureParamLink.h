#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/IReverse.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/ValueAggregates.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TMultipleCaptureObjectLink.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Writes to its target parameters a value combined from its source parameters by a mux function,
// optionally in normalised units, reversed, and only when the changing source lies inside a trigger
// window.
class CMultipleCaptureParamLink
    : public TMultipleCaptureObjectLink<TIConstCaptureObject<float, IConstParamInfo>, TICaptureObject<float, IConstParamInfo>>,
      public virtual IReverse {
public:
    typedef TIConstCaptureObject<float, IConstParamInfo> ConstParam;

    // Shows a source entry as its live value to the mux function.
    struct CItemToValue {
        static const Core::TIConstValue<float>& Convert(const CItem& item) { return *item.m_Source; }
    };

    CMultipleCaptureParamLink();
    ~CMultipleCaptureParamLink() override;

    void Update(ConstParam* changed) override;

    // Null makes the link write nothing.
    void SetMuxFunction(MuxFunction function);
    void SetNormalized(bool normalized);
    // The window's bounds are inclusive and apply only while their flag is set.
    void SetTriggerMin(float value) { m_TriggerMin = value; }
    void SetTriggerMax(float value) { m_TriggerMax = value; }
    void SetUseTriggerMin(bool use) { m_UseTriggerMin = use; }
    void SetUseTriggerMax(bool use) { m_UseTriggerMax = use; }

    void SetReverse(bool reversed) override;
    bool IsReversed() override { return m_Reversed; }
    Core::IEventProvider& GetReverseChangedEvent() override { return m_ReverseChanged; }

private:
    bool IsInTriggerWindow(ConstParam* object) const;
    float ComputeValue();

    const Math::IFunction* m_ResponseFunction;
    bool m_Reversed;
    MuxFunction m_MuxFunction;
    Core::CEventProvider m_ReverseChanged;
    bool m_Normalized;
    float m_TriggerMin;
    float m_TriggerMax;
    bool m_UseTriggerMin;
    bool m_UseTriggerMax;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
