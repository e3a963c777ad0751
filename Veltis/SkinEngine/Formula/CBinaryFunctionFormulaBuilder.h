#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/SkinEngine/Formula/TLocalFormulaBuilder.h"

namespace Veltis::SkinEngine
{

// Builds a formula as a function of two variables; the first variable's name becomes a copy of the
// shared X, the second's a copy of Y. When both names are equal the name is the first variable.
class CBinaryFunctionFormulaBuilder : public TLocalFormulaBuilder<Math::IBinaryFunction>
{
public:
    // Null names are the empty name, which no identifier matches.
    explicit CBinaryFunctionFormulaBuilder(char const* xVariableName = "x", char const* yVariableName = "y");

    Math::IBinaryFunction* BuildIdentifier(Node node) override;

protected:
    Core::CCharString m_XVariableName;
    Core::CCharString m_YVariableName;
};

} // namespace Veltis::SkinEngine
