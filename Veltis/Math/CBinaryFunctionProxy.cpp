#include "Veltis/Math/CBinaryFunctionProxy.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

const IBinaryFunction* CBinaryFunctionProxy::GetFallback()
{
    return &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance();
}

namespace {
[[maybe_unused]] const bool s_Registered =
    Runtime::RegisterObjectFactories<CBinaryFunctionProxy, IBinaryFunction>();
}

} // namespace Math
} // namespace Veltis
