#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/DataModel/IDisconnectAndPause.h"
#include "Veltis/DataModel/IReverse.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace Core {
class ICommand;
}
namespace Math {
class IFunction;
}

namespace DataModel {
namespace Objects {

// Ties two parameters together both ways: whichever moves, the other follows through the response
// curve (param1 -> param2 by the curve's function, back by its inverse), normalised, reversed or by
// difference, and a gesture on either is mirrored on the other. Constrained, a parameter that the
// other cannot follow is set back from the value that stuck. Created disabled; enabling makes
// param2 follow param1.
class CCaptureParamConnection : public virtual Core::IEnable, public virtual IReverse, public virtual IDisconnectAndPause {
public:
    typedef TICaptureObject<float, IConstParamInfo> IParam;

    // The first argument becomes param2 and the second param1, the order skins construct with.
    CCaptureParamConnection(IParam* param2, IParam* param1);
    CCaptureParamConnection(const CCaptureParamConnection&) = delete;
    CCaptureParamConnection& operator=(const CCaptureParamConnection&) = delete;
    ~CCaptureParamConnection() override;

    bool IsEnabled() override { return m_Enabled; }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }
    void Enable(bool enabled) override;
    // Gestures are still mirrored while paused; leaving pause re-enables.
    void SetPaused(bool paused) override;
    // Both ends go; the enabled flag stays.
    void Disconnect() override;

    // Each re-enables an enabled connection on the new pair.
    void SetParam1(IParam* param);
    void SetParam2(IParam* param);
    IParam* GetParam1() const { return m_Param1; }
    IParam* GetParam2() const { return m_Param2; }

    void SetResponseCurve(EParamValueCurve curve);
    void SetDiffMode(bool diffMode);
    bool IsDiffMode() const { return m_DiffMode; }
    void SetNormalized(bool normalized);
    void SetConstrained(bool constrained) { m_Constrained = constrained; }

    void SetReverse(bool reversed) override;
    bool IsReversed() override { return m_Reversed; }
    Core::IEventProvider& GetReverseChangedEvent() override { return m_ReverseChanged; }

protected:
    virtual void OnParam1BeginCapture();
    virtual void OnParam1Changed();
    virtual void OnParam1EndCapture();
    virtual void OnParam2BeginCapture();
    virtual void OnParam2Changed();
    virtual void OnParam2EndCapture();

private:
    enum { kListenerCount = 6 };

    void SetParam(IParam*& slot, IParam* param);
    void AddListeners(IParam& param, int first, void (CCaptureParamConnection::*changed)(),
                      void (CCaptureParamConnection::*begin)(), void (CCaptureParamConnection::*end)());
    void RemoveListeners(IParam& param, int first);
    void BeginMirroredCapture(IParam* param, bool& held);
    void EndMirroredCapture(IParam* param, bool& held);
    // forward: param1 -> param2.
    float Transform(bool forward, float x) const;
    void Propagate(bool forward, float previous);
    void SynchronizeIfEnabled();

    IParam* m_Param1;
    IParam* m_Param2;
    Core::ICommand* m_Listeners[kListenerCount];
    bool m_Enabled;
    const Math::IFunction* m_Function;
    const Math::IFunction* m_Inverse;
    bool m_Reversed;
    Core::CEventProvider m_ReverseChanged;
    bool m_Normalized;
    bool m_Constrained;
    int m_Depth;
    bool m_DiffMode;
    float m_LastValue1;
    float m_LastValue2;
    Core::CEventProvider m_EnableChanged;
    bool m_Paused;
    bool m_Param2CaptureHeld;
    bool m_Param1CaptureHeld;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
