#include "Veltis/DataModel/Objects/CConstCaptureCurve.h"

#include "Veltis/Math/TFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CConstCaptureCurve::CConstCaptureCurve(const Math::IFunction* function, int owned)
    : TConstCaptureFunction(function, owned, Math::TFunction<&Math::FunctionsLibrary::Identity>::GetInstance())
{
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
