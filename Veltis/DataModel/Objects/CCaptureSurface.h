#pragma once

#include "Veltis/DataModel/Objects/CConstCaptureSurface.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model surface: starts as its own copy of z = (x + y) / 2; every write stores a copy and announces it.
class CCaptureSurface : public CConstCaptureSurface,
                      public virtual TICaptureObject<const Math::IBinaryFunction&, IConstSurfaceInfo> {
public:
    CCaptureSurface() : CConstCaptureSurface(nullptr, 1) {}

    void SetValue(const Math::IBinaryFunction& function) override { ReplaceFunction(function); }
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
