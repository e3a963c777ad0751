#pragma once

#include "Veltis/Core/ICapture.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/DataModel/Controls/IParamViewer.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// The only way widgets write a parameter: positions or the default, inside a gesture, with a fine
// mode that multiplies the positions for precise dragging.
class IParamControl : public virtual IParamViewer, public virtual Core::ICapture, public virtual Core::IEnable {
public:
    virtual void SetPosition(float position) = 0;
    virtual void ResetToDefault() = 0;
    // The position capture only, for when the position itself is published as a parameter.
    virtual void BeginPositionCapture() = 0;
    virtual void EndPositionCapture() = 0;
    virtual void SetFineMode(bool on) = 0;
    virtual bool IsFineMode() const = 0;
    virtual void SetFineRatio(int ratio) = 0;
    virtual int GetFineRatio() const = 0;
    virtual TICaptureObject<float, Objects::IConstParamInfo>& GetWritableParam() = 0;
    // Keyboard steps in one page step.
    virtual float GetPageStepFactor() const = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
