#pragma once

#include "Veltis/DataModel/Objects/CConstCaptureCurve.h"
#include "Veltis/DataModel/TCaptureFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model curve: starts as its own copy of y = x; every write stores a copy and announces it.
class CCaptureCurve : public TCaptureFunction<CConstCaptureCurve, Math::IFunction, IConstCurveInfo> {
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
