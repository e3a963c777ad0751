#include "Veltis/Math/CFunctionProxy.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

const IFunction* CFunctionProxy::GetFallback()
{
    return &TFunction<&FunctionsLibrary::Identity>::GetInstance();
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CFunctionProxy, IFunction>();
}

} // namespace Math
} // namespace Veltis
