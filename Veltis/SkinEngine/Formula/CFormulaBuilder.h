#pragma once

#include "Veltis/Math/TIParametrizedFunction.h"

namespace Veltis::Math
{
class IConstant;
class IFunction;
class IBinaryFunction;
} // namespace Veltis::Math

namespace Veltis::SkinEngine
{

// Turns formula text from skins and models into math objects. Each operation returns a new object
// that the caller owns and deletes, or null when the formula is invalid in any way; it never prints
// and never throws. A null variable name is the empty name, which no identifier matches.
class CFormulaBuilder
{
public:
    // Names other than "pi" are not allowed.
    Math::IConstant* CreateConstant(char const* formula);
    Math::IFunction* CreateFunction(char const* formula, char const* variableName);

    // Names that are neither "pi", a variable nor a built-in function of that many arguments become
    // parameters, set by name on the result.
    Math::TIParametrizedFunction<Math::IConstant>* CreateParametrizedConstant(char const* formula);
    Math::TIParametrizedFunction<Math::IFunction>* CreateParametrizedFunction(char const* formula,
        char const* variableName);
    Math::TIParametrizedFunction<Math::IBinaryFunction>* CreateParametrizedBinaryFunction(char const* formula,
        char const* xVariableName, char const* yVariableName);
};

} // namespace Veltis::SkinEngine
