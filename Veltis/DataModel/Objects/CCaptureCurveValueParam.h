#pragma once

#include "Veltis/DataModel/Objects/CValueAtPositionParam.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only parameter whose value is a curve's value at x = the value of a position parameter,
// computed at each read; without both sources bound it reads its descriptor's default, which is the
// curve's value axis. Sources are not owned.
class CCaptureCurveValueParam : public CValueAtPositionParam {
public:
    typedef TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo> Source;
    typedef TIConstCaptureObject<float, IConstParamInfo> Position;

    CCaptureCurveValueParam(Source* curve, Position* xPosition);
    ~CCaptureCurveValueParam() override { Disconnect(); }

    void SetCurve(Source* curve);
    void SetXParam(Position* position);

    float GetValue() const override;
    void Disconnect() override;

private:
    Source* m_Curve;
    Position* m_XPosition;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
