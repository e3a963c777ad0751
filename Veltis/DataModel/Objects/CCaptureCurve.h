#pragma once

#include "Veltis/DataModel/Objects/CConstCaptureCurve.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model curve: starts as its own copy of y = x; every write stores a copy and announces it.
class CCaptureCurve : public CConstCaptureCurve,
                      public virtual TICaptureObject<const Math::IFunction&, IConstCurveInfo> {
public:
    CCaptureCurve() : CConstCaptureCurve(nullptr, 1) {}

    void SetValue(const Math::IFunction& function) override { ReplaceFunction(function); }
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
