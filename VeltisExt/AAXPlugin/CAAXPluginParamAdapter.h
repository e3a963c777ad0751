#pragma once

#include <atomic>

#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/System/CMTEventProvider.h"

namespace VeltisExt {
namespace AAXPlugin {

class CAAXPluginParameter;

// The parameter object the plug-in core, its model and the editor use for one plug-in parameter in
// the host: it caches the real value (read by the audio thread, hence a relaxed atomic) and forwards
// changes and gestures to its host parameter. Unbound (before EffectInit, after Uninitialize) it
// changes nothing.
class CAAXPluginParamAdapter
    : public virtual Veltis::DataModel::TICaptureObject<float, Veltis::DataModel::Objects::IConstParamInfo> {
public:
    typedef Veltis::Containers::IConstVector<Veltis::DataModel::Objects::IConstParamInfo> CParamInfos;

    CAAXPluginParamAdapter() = default;
    ~CAAXPluginParamAdapter() override;
    CAAXPluginParamAdapter(const CAAXPluginParamAdapter&) = delete;
    CAAXPluginParamAdapter& operator=(const CAAXPluginParamAdapter&) = delete;

    Veltis::Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChangedEvents; }
    float GetValue() const override { return m_Value.load(std::memory_order_relaxed); }
    const Veltis::DataModel::Objects::IConstParamInfo& GetInfo() const override;
    const Veltis::DataModel::Objects::IConstParamInfo& GetInfo() override;
    // Non-finite values are ignored: they must never reach the processor.
    void SetValue(float value) override;
    void BeginCapture() override;
    void EndCapture() override;
    bool IsCaptured() override { return m_IsChanging; }
    Veltis::Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginChangeEvents; }
    Veltis::Core::IEventProvider& GetEndCaptureEvent() override { return m_EndChangeEvents; }

    // The host changed the parameter to this normalised value; an echo of the cached value (equal at
    // 32-bit resolution) changes nothing.
    void OnHostValueChanged(double normalizedValue);
    // An output value: the host parameter follows without an automation request.
    void UpdateOutputValue(float value);
    // Null unbinds.
    void SetHostParameter(CAAXPluginParameter* parameter);
    CAAXPluginParameter* GetHostParameter() const { return m_pHostParameter.load(std::memory_order_acquire); }
    const Veltis::Core::CCharString& GetId() const { return m_Id; }
    void SetId(const char* id) { m_Id = id; }
    // Describes the adapter as parameter index of infos, with that parameter's default as its value.
    void SetParam(const CParamInfos* infos, int index, const char* id);

private:
    int m_Index = 0;
    std::atomic<CAAXPluginParameter*> m_pHostParameter{nullptr};
    const CParamInfos* m_pParamInfos = nullptr;
    Veltis::System::CMTEventProvider m_ValueChangedEvents;
    Veltis::System::CMTEventProvider m_BeginChangeEvents;
    Veltis::System::CMTEventProvider m_EndChangeEvents;
    bool m_IsChanging = false;
    std::atomic<float> m_Value{0.0f};
    Veltis::Core::CCharString m_Id;
};

} // namespace AAXPlugin
} // namespace VeltisExt
