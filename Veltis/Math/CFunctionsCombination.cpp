#include "Veltis/Math/CFunctionsCombination.h"

#include "Veltis/Math/TFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

CFunctionsCombination::CFunctionsCombination()
    : TNFunctionsCombination<IFunction>(&TFunction<&FunctionsLibrary::Identity>::GetInstance(),
                                        &TFunction<&FunctionsLibrary::Identity>::GetInstance(),
                                        &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(), false)
{
}

IFunction* CFunctionsCombination::CreateDefaultFunction() const
{
    return TFunction<&FunctionsLibrary::Identity>::GetInstance().Clone();
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CFunctionsCombination, IFunction>();
}

} // namespace Math
} // namespace Veltis
