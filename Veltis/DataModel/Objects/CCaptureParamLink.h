#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TOwnership.h"
#include "Veltis/DataModel/IReverse.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TCaptureObjectLink.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace Math {
class IFunction;
}

namespace DataModel {
namespace Objects {

// A parameter that follows another through a mapping function (the identity at first), optionally
// over the 0..1 positions of both ranges, reversed, or by the difference of successive mapped values.
// Its setters write the target at once (unless modify-only), enabled or not.
class CCaptureParamLink
    : public TCaptureObjectLink<TIConstCaptureObject<float, IConstParamInfo>, TICaptureObject<float, IConstParamInfo>>,
      public virtual IReverse {
    typedef TCaptureObjectLink<TIConstCaptureObject<float, IConstParamInfo>, TICaptureObject<float, IConstParamInfo>>
        Base;

public:
    CCaptureParamLink(TIConstCaptureObject<float, IConstParamInfo>* source, TICaptureObject<float, IConstParamInfo>* target);

    void Update() override;

    void SetDiffMode(bool diffMode);
    bool IsDiffMode() const { return m_DiffMode; }
    void SetNormalized(bool normalized);
    // owned: the link deletes the function when it replaces it or dies. Null selects the identity.
    void SetFunction(const Math::IFunction* function, bool owned);
    // The curve's function, not its inverse.
    void SetResponseCurve(EParamValueCurve curve);

    void SetReverse(bool reversed) override;
    bool IsReversed() override { return m_Reversed; }
    Core::IEventProvider& GetReverseChangedEvent() override { return m_ReverseChanged; }

protected:
    void OnActivated() override;

private:
    float Transform(float x) const;
    void UpdateUnlessModifyOnly();

    Core::TOwnership<const Math::IFunction> m_Function;
    bool m_Reversed;
    Core::CEventProvider m_ReverseChanged;
    bool m_Normalized;
    bool m_DiffMode;
    float m_LastSourceValue;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
