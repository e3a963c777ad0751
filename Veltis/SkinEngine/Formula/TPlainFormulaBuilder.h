#pragma once

#include "Veltis/SkinEngine/Formula/CBinaryFunctionFormulaBuilder.h"
#include "Veltis/SkinEngine/Formula/CConstantFormulaBuilder.h"
#include "Veltis/SkinEngine/Formula/CFunctionFormulaBuilder.h"

namespace Veltis::Math
{
class IConstant;
class IFunction;
class IBinaryFunction;
} // namespace Veltis::Math

namespace Veltis::SkinEngine
{

// The plain builder a parametrized builder of kind I extends.
template <class I>
struct TPlainFormulaBuilder;

template <>
struct TPlainFormulaBuilder<Math::IConstant>
{
    typedef CConstantFormulaBuilder Type;
};

template <>
struct TPlainFormulaBuilder<Math::IFunction>
{
    typedef CFunctionFormulaBuilder Type;
};

template <>
struct TPlainFormulaBuilder<Math::IBinaryFunction>
{
    typedef CBinaryFunctionFormulaBuilder Type;
};

} // namespace Veltis::SkinEngine
