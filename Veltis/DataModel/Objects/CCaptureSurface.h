#pragma once

#include "Veltis/DataModel/Objects/CConstCaptureSurface.h"
#include "Veltis/DataModel/TCaptureFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model surface: starts as its own copy of z = (x + y) / 2; every write stores a copy and
// announces it.
class CCaptureSurface : public TCaptureFunction<CConstCaptureSurface, Math::IBinaryFunction, IConstSurfaceInfo> {
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
