#include "Veltis/Math/TFunctionsOperation.h"

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

namespace {

// Registers the operation classes in the order of their list.
bool RegisterFunctionsOperationClasses()
{
    bool registered = true;
#define VELTIS_MATH_REGISTER_ROW(Kernel, ClassId) \
    registered = Runtime::RegisterObjectFactories<TFunctionsOperation<&FunctionsLibrary::Kernel>, IFunction>() && registered;
    VELTIS_MATH_FUNCTIONS_OPERATION_CLASSES(VELTIS_MATH_REGISTER_ROW)
#undef VELTIS_MATH_REGISTER_ROW
    return registered;
}

[[maybe_unused]] const bool s_Registered = RegisterFunctionsOperationClasses();

} // namespace

} // namespace Math
} // namespace Veltis
