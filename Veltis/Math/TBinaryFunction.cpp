#include "Veltis/Math/TBinaryFunction.h"

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {
namespace {

// Each class registers by (class id, class id) and then by (class id, interface id), in table order.
// The results are not examined: a key registered twice keeps its first factory.
bool RegisterBinaryFunctionClasses()
{
#define VELTIS_MATH_REGISTER_ROW(Kernel, ClassId, HasSharedInstance) \
    Runtime::RegisterObjectFactories<TBinaryFunction<&FunctionsLibrary::Kernel>, IBinaryFunction>();
    VELTIS_MATH_BINARY_FUNCTION_CLASSES(VELTIS_MATH_REGISTER_ROW)
#undef VELTIS_MATH_REGISTER_ROW
    return true;
}

[[maybe_unused]] const bool s_Registered = RegisterBinaryFunctionClasses();

} // namespace
} // namespace Math
} // namespace Veltis
