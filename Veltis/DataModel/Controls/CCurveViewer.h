#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/ICurveViewer.h"
#include "Veltis/DataModel/Controls/TFunctionViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// Maps x positions to y positions of a model curve through an x and a y mapping; curve displays
// redraw from its changed event and sample GetValuePosition.
class CCurveViewer : public TFunctionViewer<TIConstCaptureObject<const Math::IFunction&, Objects::IConstCurveInfo>, 2>,
                     public virtual ICurveViewer,
                     public virtual Core::TIConnect<TIConstCaptureObject<const Math::IFunction&, Objects::IConstCurveInfo>> {
public:
    typedef TIConstCaptureObject<const Math::IFunction&, Objects::IConstCurveInfo> ICurve;

    explicit CCurveViewer(ICurve& curve);

    void SetVertical(bool vertical) override;
    bool IsVertical() const override { return m_Vertical; }
    const CParamViewerConfig& GetXConfig() const override { return GetConfig(0); }
    CParamViewerConfig& GetXConfig() override { return GetConfig(0); }
    const CParamViewerConfig& GetYConfig() const override { return GetConfig(1); }
    CParamViewerConfig& GetYConfig() override { return GetConfig(1); }
    ICurve& GetCurve() override { return GetObject(); }
    float GetValuePosition(bool clamp, float xPosition) override;
    void ResetPositionsCount() override { ResetAxesPositionsCount(); }
    Core::IEventProvider& GetChangedEvent() override { return m_Changed; }
    Core::IEventProvider& GetConfigChangedEvent() override { return m_ConfigChanged; }
    Core::IEventProvider& GetZoomChangedEvent() override { return m_ZoomChanged; }
    // Announces changed once per axis and once more.
    void Connect(ICurve* curve) override;

private:
    bool m_Vertical;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
