#pragma once

#include "Veltis/Core/IConstCapture.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/Math/IBinaryFunction.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

class CParamViewerConfig;

// A model surface seen through one mapping per axis: which z position belongs to an (x, y) position.
class ISurfaceViewer : public virtual Core::IConstCapture {
public:
    virtual const CParamViewerConfig& GetXConfig() const = 0;
    virtual CParamViewerConfig& GetXConfig() = 0;
    virtual const CParamViewerConfig& GetYConfig() const = 0;
    virtual CParamViewerConfig& GetYConfig() = 0;
    virtual const CParamViewerConfig& GetZConfig() const = 0;
    virtual CParamViewerConfig& GetZConfig() = 0;
    virtual float GetValuePosition(bool clamp, float xPosition, float yPosition) = 0;
    virtual void ResetPositionsCount() = 0;
    virtual Core::IEventProvider& GetChangedEvent() = 0;
    virtual Core::IEventProvider& GetConfigChangedEvent() = 0;
    virtual Core::IEventProvider& GetZoomChangedEvent() = 0;
    virtual TIConstCaptureObject<const Math::IBinaryFunction&, Objects::IConstSurfaceInfo>& GetSurface() = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
