#include "Veltis/Math/CConstantsCombination.h"

#include "Veltis/Math/CConstant.h"
#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Math {

namespace {
// The unowned zero operands of factory-made combinations; never changed, alive until exit.
const IConstant* GetSharedZero()
{
    static const CConstant zero(0.0f);
    return &zero;
}
} // namespace

CConstantsCombination::CConstantsCombination()
    : TNFunctionsCombination<IConstant>(GetSharedZero(), GetSharedZero(),
                                        &TBinaryFunction<&FunctionsLibrary::Average>::GetInstance(), false)
{
}

IConstant* CConstantsCombination::CreateDefaultFunction() const
{
    return new CConstant(0.0f);
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CConstantsCombination, IConstant>();
}

} // namespace Math
} // namespace Veltis
