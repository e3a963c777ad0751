#pragma once

#include "Veltis/SkinEngine/Formula/TParametrizedFunctionFormulaBuilder.h"

namespace Veltis::SkinEngine
{

// The parametrized builder of functions of one variable (named "x" unless given).
class CParametrizedFunctionFormulaBuilder : public TParametrizedFunctionFormulaBuilder<Math::IFunction>
{
public:
    using TParametrizedFunctionFormulaBuilder<Math::IFunction>::TParametrizedFunctionFormulaBuilder;
};

} // namespace Veltis::SkinEngine
