#include "Veltis/SkinEngine/Formula/TFormulaKind.h"

#include "Veltis/Math/CBinaryFunctionComposition.h"
#include "Veltis/Math/CBinaryFunctionsCombination.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantComposition.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CConstantsCombination.h"
#include "Veltis/Math/CFunctionsCombination.h"
#include "Veltis/Math/CFunctionsComposition.h"

namespace Veltis::SkinEngine
{

using Math::IBinaryFunction;
using Math::IConstant;
using Math::IFunction;

TFormulaKind<IConstant>::Constant* TFormulaKind<IConstant>::MakeConstant(float value)
{
    return new Math::CConstant(value);
}

IConstant* TFormulaKind<IConstant>::Compose(std::unique_ptr<IFunction>& f, std::unique_ptr<IConstant>& a)
{
    auto result = new Math::CConstantComposition(f.get(), a.get(), true);
    f.release();
    a.release();
    return result;
}

IConstant* TFormulaKind<IConstant>::Combine(std::unique_ptr<IConstant>& a, std::unique_ptr<IConstant>& b,
    std::unique_ptr<IBinaryFunction>& g)
{
    auto result = new Math::CConstantsCombination(a.get(), b.get(), g.get(), true);
    a.release();
    b.release();
    g.release();
    return result;
}

TFormulaKind<IFunction>::Constant* TFormulaKind<IFunction>::MakeConstant(float value)
{
    return new Math::CConstantFunction(value);
}

IFunction* TFormulaKind<IFunction>::Compose(std::unique_ptr<IFunction>& f, std::unique_ptr<IFunction>& a)
{
    // Items run in index order: the operand first, then the function applied to it.
    auto result = new Math::CFunctionsComposition(2, 1);
    result->SetFunction(0, a.release());
    result->SetFunction(1, f.release());
    return result;
}

IFunction* TFormulaKind<IFunction>::Combine(std::unique_ptr<IFunction>& a, std::unique_ptr<IFunction>& b,
    std::unique_ptr<IBinaryFunction>& g)
{
    auto result = new Math::CFunctionsCombination(a.get(), b.get(), g.get(), true);
    a.release();
    b.release();
    g.release();
    return result;
}

TFormulaKind<IBinaryFunction>::Constant* TFormulaKind<IBinaryFunction>::MakeConstant(float value)
{
    return new Math::CConstantBinaryFunction(value);
}

IBinaryFunction* TFormulaKind<IBinaryFunction>::Compose(std::unique_ptr<IFunction>& f,
    std::unique_ptr<IBinaryFunction>& a)
{
    auto result = new Math::CBinaryFunctionComposition(f.get(), a.get(), true);
    f.release();
    a.release();
    return result;
}

IBinaryFunction* TFormulaKind<IBinaryFunction>::Combine(std::unique_ptr<IBinaryFunction>& a,
    std::unique_ptr<IBinaryFunction>& b, std::unique_ptr<IBinaryFunction>& g)
{
    auto result = new Math::CBinaryFunctionsCombination(a.get(), b.get(), g.get(), true);
    a.release();
    b.release();
    g.release();
    return result;
}

} // namespace Veltis::SkinEngine
