#pragma once

#include "Veltis/Core/IConstCapture.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

class CParamViewerConfig;

// A model curve seen through one mapping per axis: which y position belongs to an x position.
class ICurveViewer : public virtual Core::IConstCapture {
public:
    virtual void SetVertical(bool vertical) = 0;
    virtual bool IsVertical() const = 0;
    virtual const CParamViewerConfig& GetXConfig() const = 0;
    virtual CParamViewerConfig& GetXConfig() = 0;
    virtual const CParamViewerConfig& GetYConfig() const = 0;
    virtual CParamViewerConfig& GetYConfig() = 0;
    virtual TIConstCaptureObject<const Math::IFunction&, Objects::IConstCurveInfo>& GetCurve() = 0;
    virtual float GetValuePosition(bool clamp, float xPosition) = 0;
    virtual void ResetPositionsCount() = 0;
    // Anything that changes the drawn curve.
    virtual Core::IEventProvider& GetChangedEvent() = 0;
    virtual Core::IEventProvider& GetConfigChangedEvent() = 0;
    virtual Core::IEventProvider& GetZoomChangedEvent() = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
