#pragma once

#include "Veltis/DataModel/Objects/CValueAtPositionParam.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"
#include "Veltis/Math/IBinaryFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only parameter whose value is a surface's value at (x, y) = the values of two position
// parameters, x first, computed at each read; without every source bound it reads its descriptor's
// default, which is the surface's value axis. Sources are not owned.
class CCaptureSurfaceValueParam : public CValueAtPositionParam {
public:
    typedef TIConstCaptureObject<const Math::IBinaryFunction&, IConstSurfaceInfo> Source;
    typedef TIConstCaptureObject<float, IConstParamInfo> Position;

    CCaptureSurfaceValueParam(Source* surface, Position* xPosition, Position* yPosition);
    ~CCaptureSurfaceValueParam() override { Disconnect(); }

    void SetSurface(Source* surface);
    void SetXParam(Position* position);
    void SetYParam(Position* position);

    float GetValue() const override;
    void Disconnect() override;

private:
    Source* m_Surface;
    Position* m_XPosition;
    Position* m_YPosition;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
