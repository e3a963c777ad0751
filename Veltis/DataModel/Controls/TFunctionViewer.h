#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IConstCapture.h"
#include "Veltis/Core/IUpdate.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Controls/CParamViewerConfig.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"

#include <memory>

namespace Veltis {
namespace DataModel {
namespace Controls {

// The axis descriptors of curves (x, y) and surfaces (x, y, z), in axis order.
inline const Objects::IConstParamInfo& GetAxisInfo(const Objects::IConstCurveInfo& info, int axis)
{
    return axis == 0 ? info.GetXInfo() : info.GetYInfo();
}

inline const Objects::IConstParamInfo& GetAxisInfo(const Objects::IConstSurfaceInfo& info, int axis)
{
    return axis == 0 ? info.GetXInfo() : (axis == 1 ? info.GetYInfo() : info.GetZInfo());
}

// What curve and surface viewers share: one mapping per axis of the connected object, and one
// changed event gathering everything that should redraw the display. The object is not owned and
// must outlive the viewer.
template <class Object, int Axes>
class TFunctionViewer : public virtual Core::IConstCapture, public virtual Core::IUpdate {
    typedef Core::TCommand<TFunctionViewer> CListener;

public:
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    // The connected object's gesture.
    bool IsCaptured() override { return m_Object->IsCaptured(); }
    void Update() override { m_Changed.Notify(); }

protected:
    explicit TFunctionViewer(Object& object) : m_Object(&object)
    {
        for (int axis = 0; axis < Axes; ++axis) {
            m_Configs[axis].reset(new CParamViewerConfig(GetAxisInfo(object.GetInfo(), axis)));
            m_ConfigListeners[axis].reset(new CListener(this, &TFunctionViewer::OnConfigChanged));
            m_ZoomListeners[axis].reset(new CListener(this, &TFunctionViewer::OnZoomChanged));
            m_Configs[axis]->GetChangedEvent().AddListener(m_ConfigListeners[axis].get());
            m_Configs[axis]->GetZoomChangedEvent().AddListener(m_ZoomListeners[axis].get());
        }
    }

    ~TFunctionViewer() override
    {
        RemoveObjectListeners();
        for (int axis = 0; axis < Axes; ++axis) {
            m_Configs[axis]->GetChangedEvent().RemoveListener(m_ConfigListeners[axis].get());
            m_Configs[axis]->GetZoomChangedEvent().RemoveListener(m_ZoomListeners[axis].get());
        }
    }

    // Listeners move to the new object and every axis follows its descriptor, in axis order.
    void ConnectObject(Object* object)
    {
        RemoveObjectListeners();
        m_Object = object;
        m_ValueListener.reset(new Core::TCommand<Core::IUpdate>(this, &Core::IUpdate::Update));
        m_BeginListener.reset(new CListener(this, &TFunctionViewer::OnBeginCapture));
        m_EndListener.reset(new CListener(this, &TFunctionViewer::OnEndCapture));
        m_Object->GetValueChangedEvent().AddListener(m_ValueListener.get());
        m_Object->GetBeginCaptureEvent().AddListener(m_BeginListener.get());
        m_Object->GetEndCaptureEvent().AddListener(m_EndListener.get());
        for (int axis = 0; axis < Axes; ++axis)
            m_Configs[axis]->SetParamInfo(GetAxisInfo(m_Object->GetInfo(), axis));
    }

    CParamViewerConfig& GetConfig(int axis) const { return *m_Configs[axis]; }
    Object& GetObject() const { return *m_Object; }
    void ResetAxesPositionsCount()
    {
        for (int axis = 0; axis < Axes; ++axis)
            m_Configs[axis]->ResetPositionsCount();
    }
    void OnConfigChanged()
    {
        m_ConfigChanged.Notify();
        m_Changed.Notify();
    }

    Core::CEventProvider m_Changed;
    Core::CEventProvider m_ConfigChanged;
    Core::CEventProvider m_ZoomChanged;

private:
    void RemoveObjectListeners()
    {
        if (!m_ValueListener)
            return;
        m_Object->GetValueChangedEvent().RemoveListener(m_ValueListener.get());
        m_Object->GetBeginCaptureEvent().RemoveListener(m_BeginListener.get());
        m_Object->GetEndCaptureEvent().RemoveListener(m_EndListener.get());
    }
    void OnBeginCapture() { m_BeginCapture.Notify(); }
    void OnEndCapture() { m_EndCapture.Notify(); }
    void OnZoomChanged() { m_ZoomChanged.Notify(); }

    Object* m_Object;
    std::unique_ptr<CParamViewerConfig> m_Configs[Axes];
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    std::unique_ptr<Core::ICommand> m_ValueListener;
    std::unique_ptr<Core::ICommand> m_BeginListener;
    std::unique_ptr<Core::ICommand> m_EndListener;
    std::unique_ptr<Core::ICommand> m_ConfigListeners[Axes];
    std::unique_ptr<Core::ICommand> m_ZoomListeners[Axes];
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
