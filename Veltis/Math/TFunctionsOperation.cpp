#include "Veltis/Math/TFunctionsOperation.h"

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

namespace {
// In the order of the table.
const bool s_Registered = Runtime::RegisterObjectFactories<TFunctionsOperation<&FunctionsLibrary::Sum>, IFunction>() &
                          Runtime::RegisterObjectFactories<TFunctionsOperation<&FunctionsLibrary::Difference>, IFunction>() &
                          Runtime::RegisterObjectFactories<TFunctionsOperation<&FunctionsLibrary::Product>, IFunction>() &
                          Runtime::RegisterObjectFactories<TFunctionsOperation<&FunctionsLibrary::Division>, IFunction>();
}

} // namespace Math
} // namespace Veltis
