#pragma once

#include "Veltis/SkinEngine/Formula/TParametrizedFunctionFormulaBuilder.h"

namespace Veltis::SkinEngine
{

// The parametrized builder of functions of two variables (named "x" and "y" unless given).
class CParametrizedBinaryFunctionFormulaBuilder
    : public TParametrizedFunctionFormulaBuilder<Math::IBinaryFunction>
{
public:
    using TParametrizedFunctionFormulaBuilder<Math::IBinaryFunction>::TParametrizedFunctionFormulaBuilder;
};

} // namespace Veltis::SkinEngine
