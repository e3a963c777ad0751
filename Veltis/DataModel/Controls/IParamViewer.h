#pragma once

#include "Veltis/Core/IConstCapture.h"
#include "Veltis/DataModel/Controls/IParamViewerConfig.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A parameter seen as a position: the mapping plus the connected parameter's current position and
// the mirror of its gestures.
class IParamViewer : public virtual Core::IConstCapture, public virtual IParamViewerConfig {
public:
    virtual TIConstCaptureObject<float, Objects::IConstParamInfo>& GetParam() = 0;
    virtual float GetPosition() const = 0;
    virtual Core::IConstCapture& GetPositionCapture() = 0;
    virtual Core::IEventProvider& GetPositionChangedEvent() = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
