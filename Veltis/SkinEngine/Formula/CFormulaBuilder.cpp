#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"

#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/SkinEngine/Formula/CConstantFormulaBuilder.h"
#include "Veltis/SkinEngine/Formula/CFormulaParse.h"
#include "Veltis/SkinEngine/Formula/CFunctionFormulaBuilder.h"
#include "Veltis/SkinEngine/Formula/CParametrizedBinaryFunctionFormulaBuilder.h"
#include "Veltis/SkinEngine/Formula/CParametrizedFunctionFormulaBuilder.h"
#include "Veltis/SkinEngine/Formula/TParametrizedFunction.h"
#include "Veltis/SkinEngine/Formula/TParametrizedFunctionFormulaBuilder.h"

#include <memory>

namespace Veltis::SkinEngine
{

namespace
{

// Parses the text and walks its tree; the recognizers are released on every path. Allocation
// failures are the only exceptions that can arise, and they give null like any other failure.
template <class I, class Builder>
I* BuildFormula(char const* formula, Builder& builder)
{
    if (formula == nullptr)
        return nullptr;
    try
    {
        CFormulaParse parse(formula);
        if (parse.GetTree() == nullptr)
            return nullptr;
        return builder.Build(parse.GetTree());
    }
    catch (...)
    {
        return nullptr;
    }
}

template <class I, class Builder>
Math::TIParametrizedFunction<I>* BuildParametrizedFormula(char const* formula, Builder& builder)
{
    if (formula == nullptr)
        return nullptr;
    try
    {
        std::unique_ptr<TParametrizedFunction<I>> result(new TParametrizedFunction<I>);
        builder.SetParametrizedFunction(result.get());
        I* function = BuildFormula<I>(formula, builder);
        if (function == nullptr)
            return nullptr;
        result->SetFunction(function);
        return result.release();
    }
    catch (...)
    {
        return nullptr;
    }
}

} // namespace

Math::IConstant* CFormulaBuilder::CreateConstant(char const* formula)
{
    CConstantFormulaBuilder builder;
    return BuildFormula<Math::IConstant>(formula, builder);
}

Math::IFunction* CFormulaBuilder::CreateFunction(char const* formula, char const* variableName)
{
    CFunctionFormulaBuilder builder(variableName);
    return BuildFormula<Math::IFunction>(formula, builder);
}

Math::TIParametrizedFunction<Math::IConstant>* CFormulaBuilder::CreateParametrizedConstant(char const* formula)
{
    TParametrizedFunctionFormulaBuilder<Math::IConstant> builder;
    return BuildParametrizedFormula<Math::IConstant>(formula, builder);
}

Math::TIParametrizedFunction<Math::IFunction>* CFormulaBuilder::CreateParametrizedFunction(char const* formula,
    char const* variableName)
{
    CParametrizedFunctionFormulaBuilder builder(variableName);
    return BuildParametrizedFormula<Math::IFunction>(formula, builder);
}

Math::TIParametrizedFunction<Math::IBinaryFunction>* CFormulaBuilder::CreateParametrizedBinaryFunction(
    char const* formula, char const* xVariableName, char const* yVariableName)
{
    CParametrizedBinaryFunctionFormulaBuilder builder(xVariableName, yVariableName);
    return BuildParametrizedFormula<Math::IBinaryFunction>(formula, builder);
}

} // namespace Veltis::SkinEngine
