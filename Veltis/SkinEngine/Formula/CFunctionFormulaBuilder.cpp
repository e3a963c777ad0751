#include "Veltis/SkinEngine/Formula/CFunctionFormulaBuilder.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TFunction.h"

namespace Veltis::SkinEngine
{

CFunctionFormulaBuilder::CFunctionFormulaBuilder(char const* variableName)
    : m_VariableName(variableName != nullptr ? variableName : "")
{
}

Math::IFunction* CFunctionFormulaBuilder::BuildIdentifier(Node node)
{
    char const* name = GetParameterName(node);
    if (Math::IFunction* pi = BuildPi(name))
        return pi;
    if (name != nullptr && m_VariableName == name)
        return Math::TFunction<&Math::FunctionsLibrary::Identity>::GetInstance().Clone();
    return nullptr;
}

} // namespace Veltis::SkinEngine
