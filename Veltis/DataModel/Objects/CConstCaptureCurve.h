#pragma once

#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/TConstCaptureFunction.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only model curve: a function of one variable with its curve descriptor.
class CConstCaptureCurve : public TConstCaptureFunction<Math::IFunction, IConstCurveInfo, CCurveInfo> {
protected:
    // For derived classes that hand in a function they keep (owned 0) and change in place; null
    // selects an owned copy of the identity.
    CConstCaptureCurve(const Math::IFunction* function, int owned);
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
