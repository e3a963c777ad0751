#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/SkinEngine/Formula/TLocalFormulaBuilder.h"

namespace Veltis::SkinEngine
{

// Builds a formula as a function of one variable; each occurrence of the variable's name becomes its
// own copy of the identity.
class CFunctionFormulaBuilder : public TLocalFormulaBuilder<Math::IFunction>
{
public:
    // A null name is the empty name, which no identifier matches.
    explicit CFunctionFormulaBuilder(char const* variableName = "x");

    Math::IFunction* BuildIdentifier(Node node) override;

protected:
    Core::CCharString m_VariableName;
};

} // namespace Veltis::SkinEngine
