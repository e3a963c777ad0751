#pragma once

#include "Veltis/DataModel/IReverse.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"

namespace Veltis {
namespace Core {
class IEventProvider;
}
namespace Math {
class IFunction;
}
namespace DataModel {
namespace Objects {
class IConstParamInfo;
}

namespace Controls {

// The mapping between a parameter's values and the normalised positions (0 to 1) that widgets show
// and edit: reverse, response curve, log scale, zoom window and discrete positions.
class IParamViewerConfig : public virtual IReverse {
public:
    virtual const Objects::IConstParamInfo& GetParamInfo() const = 0;
    virtual void SetResponseCurve(Objects::EParamValueCurve curve) = 0;
    // Neither function is owned; both must outlive the mapping.
    virtual void SetResponseFunctions(const Math::IFunction& function, const Math::IFunction& inverse) = 0;
    virtual void SetLogScale(bool logScale) = 0;
    virtual void SetZoom(float zoom) = 0;
    virtual float GetZoom() const = 0;
    virtual void SetOffset(float offset) = 0;
    virtual float GetOffset() const = 0;
    virtual void SetZoomPositions(bool zoomPositions) = 0;
    virtual bool GetZoomPositions() const = 0;
    virtual void SetPositionsCount(int count) = 0;
    // -1 for a continuous mapping.
    virtual int GetPositionsCount() const = 0;
    virtual float GetVisiblePositionsCount() const = 0;
    virtual void ResetPositionsCount() = 0;
    virtual float GetDefaultPosition(bool clamp) const = 0;
    virtual float GetMinPosition(bool clamp) const = 0;
    virtual float GetMaxPosition(bool clamp) const = 0;
    virtual float ValueToPosition(float value, bool clamp) const = 0;
    virtual float PositionToValue(float position) const = 0;
    // Any change of the mapping.
    virtual Core::IEventProvider& GetChangedEvent() = 0;
    virtual Core::IEventProvider& GetZoomChangedEvent() = 0;
    virtual Core::IEventProvider& GetOffsetChangedEvent() = 0;
    virtual Core::IEventProvider& GetParamInfoChangedEvent() = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
