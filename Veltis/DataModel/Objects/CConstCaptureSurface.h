#pragma once

#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "Veltis/DataModel/TConstCaptureFunction.h"
#include "Veltis/Math/IBinaryFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only model surface: a function of two variables with its surface descriptor.
class CConstCaptureSurface : public TConstCaptureFunction<Math::IBinaryFunction, IConstSurfaceInfo, CSurfaceInfo> {
protected:
    // For derived classes that hand in a function they keep (owned 0) and change in place; null
    // selects an owned copy of the average (x + y) / 2.
    CConstCaptureSurface(const Math::IBinaryFunction* function, int owned);
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
