#include "Veltis/Math/TFunction.h"

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {
namespace {

// Each class registers by (class id, class id) and then by (class id, interface id), in table order.
// The results are not examined: a key registered twice keeps its first factory.
bool RegisterFunctionClasses()
{
#define VELTIS_MATH_REGISTER_ROW(Kernel, ClassId, HasSharedInstance) \
    Runtime::RegisterObjectFactories<TFunction<&FunctionsLibrary::Kernel>, IFunction>();
    VELTIS_MATH_FUNCTION_CLASSES(VELTIS_MATH_REGISTER_ROW)
#undef VELTIS_MATH_REGISTER_ROW
    return true;
}

[[maybe_unused]] const bool s_Registered = RegisterFunctionClasses();

} // namespace
} // namespace Math
} // namespace Veltis
