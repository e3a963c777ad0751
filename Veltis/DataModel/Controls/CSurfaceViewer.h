#pragma once

#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/ISurfaceViewer.h"
#include "Veltis/DataModel/Controls/TFunctionViewer.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// Maps (x, y) positions to z positions of a model surface through three axis mappings.
class CSurfaceViewer
    : public TFunctionViewer<TIConstCaptureObject<const Math::IBinaryFunction&, Objects::IConstSurfaceInfo>, 3>,
      public virtual ISurfaceViewer,
      public virtual Core::TIConnect<TIConstCaptureObject<const Math::IBinaryFunction&, Objects::IConstSurfaceInfo>> {
public:
    typedef TIConstCaptureObject<const Math::IBinaryFunction&, Objects::IConstSurfaceInfo> ISurface;

    explicit CSurfaceViewer(ISurface& surface) : TFunctionViewer(surface) { Connect(&surface); }

    const CParamViewerConfig& GetXConfig() const override { return GetConfig(0); }
    CParamViewerConfig& GetXConfig() override { return GetConfig(0); }
    const CParamViewerConfig& GetYConfig() const override { return GetConfig(1); }
    CParamViewerConfig& GetYConfig() override { return GetConfig(1); }
    const CParamViewerConfig& GetZConfig() const override { return GetConfig(2); }
    CParamViewerConfig& GetZConfig() override { return GetConfig(2); }
    float GetValuePosition(bool clamp, float xPosition, float yPosition) override;
    void ResetPositionsCount() override { ResetAxesPositionsCount(); }
    Core::IEventProvider& GetChangedEvent() override { return m_Changed; }
    Core::IEventProvider& GetConfigChangedEvent() override { return m_ConfigChanged; }
    Core::IEventProvider& GetZoomChangedEvent() override { return m_ZoomChanged; }
    ISurface& GetSurface() override { return GetObject(); }
    // Announces changed once per axis.
    void Connect(ISurface* surface) override { ConnectObject(surface); }
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
