#include "Veltis/DataModel/Objects/CConstCaptureSurface.h"

#include "Veltis/Math/TBinaryFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CConstCaptureSurface::CConstCaptureSurface(const Math::IBinaryFunction* function, int owned)
    : TConstCaptureFunction(function, owned,
                            Math::TBinaryFunction<&Math::FunctionsLibrary::Average>::GetInstance())
{
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
