#include "Veltis/SkinEngine/Formula/CBinaryFunctionFormulaBuilder.h"

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/TBinaryFunction.h"

namespace Veltis::SkinEngine
{

CBinaryFunctionFormulaBuilder::CBinaryFunctionFormulaBuilder(char const* xVariableName, char const* yVariableName)
    : m_XVariableName(xVariableName != nullptr ? xVariableName : "")
    , m_YVariableName(yVariableName != nullptr ? yVariableName : "")
{
}

Math::IBinaryFunction* CBinaryFunctionFormulaBuilder::BuildIdentifier(Node node)
{
    char const* name = GetParameterName(node);
    if (Math::IBinaryFunction* pi = BuildPi(name))
        return pi;
    if (name == nullptr)
        return nullptr;
    if (m_XVariableName == name)
        return Math::TBinaryFunction<&Math::FunctionsLibrary::X>::GetInstance().Clone();
    if (m_YVariableName == name)
        return Math::TBinaryFunction<&Math::FunctionsLibrary::Y>::GetInstance().Clone();
    return nullptr;
}

} // namespace Veltis::SkinEngine
