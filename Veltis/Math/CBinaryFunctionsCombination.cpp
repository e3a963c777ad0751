#include "Veltis/Math/CBinaryFunctionsCombination.h"

#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

CBinaryFunctionsCombination::CBinaryFunctionsCombination()
    : TNFunctionsCombination<IBinaryFunction>(&TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(),
                                              &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(),
                                              &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(), false)
{
}

IBinaryFunction* CBinaryFunctionsCombination::CreateDefaultFunction() const
{
    return TBinaryFunction<&FunctionsLibrary::Average>::GetInstance().Clone();
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CBinaryFunctionsCombination, IBinaryFunction>();
}

} // namespace Math
} // namespace Veltis
