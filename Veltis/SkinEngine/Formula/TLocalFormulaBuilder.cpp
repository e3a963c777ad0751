#include "Veltis/SkinEngine/Formula/TLocalFormulaBuilder.h"

#include "Veltis/CoreUtilities/StringUtilities.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/SkinEngine/Formula/EFormulaTokenType.h"
#include "Veltis/SkinEngine/Formula/TFormulaKind.h"

#include <cstring>
#include <limits>
#include <memory>

namespace Veltis::SkinEngine
{

namespace
{

using Math::IBinaryFunction;
using Math::IFunction;
namespace Library = Math::FunctionsLibrary;

template <float (*F)(float)>
IFunction* CloneShared()
{
    return Math::TFunction<F>::GetInstance().Clone();
}

template <float (*F)(float, float)>
IBinaryFunction* CloneSharedBinary()
{
    return Math::TBinaryFunction<F>::GetInstance().Clone();
}

struct SBuiltInFunction
{
    char const* m_Name;
    IFunction* (*m_Create)();
};

// Searched in this order; the first name that matches wins.
SBuiltInFunction const kBuiltInFunctions[] = {
    {"exp", &CloneShared<&Library::Exp>},
    {"log", &CloneShared<&Library::Log>},
    {"cosh", &CloneShared<&Library::Cosh>},
    {"sinh", &CloneShared<&Library::Sinh>},
    {"tanh", &CloneShared<&Library::Tanh>},
    {"sqrt", &CloneShared<&Library::SquareRoot>},
    {"cos", &CloneShared<&Library::Cos>},
    {"sin", &CloneShared<&Library::Sin>},
    {"tan", &CloneShared<&Library::Tan>},
    {"floor", &CloneShared<&Library::Floor>},
    {"ceil", &CloneShared<&Library::Ceil>},
    {"round", &CloneShared<&Library::Round>},
    {"abs", &CloneShared<&Library::Abs>},
};

SBuiltInFunction const* FindBuiltInFunction(char const* name)
{
    if (name == nullptr)
        return nullptr;
    for (SBuiltInFunction const& function : kBuiltInFunctions)
    {
        if (std::strcmp(name, function.m_Name) == 0)
            return &function;
    }
    return nullptr;
}

// The float nearest to pi, 0x40490FDB.
constexpr float kPi = 3.14159265358979323846f;

// The double narrowed to float with IEEE rounding; beyond the float range (where the plain cast would
// be undefined) that rounding gives infinity.
float NarrowToFloat(double value)
{
    // FLT_MAX plus half of its last place: the smallest double that rounds to infinity.
    constexpr double kOverflow = 3.4028235677973366e38;
    if (value >= kOverflow)
        return std::numeric_limits<float>::infinity();
    if (value <= -kOverflow)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

} // namespace

template <class I>
IFunction* TLocalFormulaBuilder<I>::CreateBuiltInFunction(char const* name)
{
    SBuiltInFunction const* function = FindBuiltInFunction(name);
    return function != nullptr ? function->m_Create() : nullptr;
}

template <class I>
bool TLocalFormulaBuilder<I>::IsBuiltInFunction(char const* name)
{
    return FindBuiltInFunction(name) != nullptr;
}

template <class I>
IBinaryFunction* TLocalFormulaBuilder<I>::CreateBuiltInBinaryFunction(char const* name)
{
    if (name == nullptr)
        return nullptr;
    if (std::strcmp(name, "min") == 0)
        return CloneSharedBinary<&Library::Min>();
    if (std::strcmp(name, "max") == 0)
        return CloneSharedBinary<&Library::Max>();
    return nullptr;
}

template <class I>
bool TLocalFormulaBuilder<I>::IsBuiltInBinaryFunction(char const* name)
{
    return name != nullptr && (std::strcmp(name, "min") == 0 || std::strcmp(name, "max") == 0);
}

template <class I>
I* TLocalFormulaBuilder<I>::Build(Node node)
{
    if (node == nullptr)
        return nullptr;
    switch (CFormulaTree::GetType(node))
    {
    case eFormulaTokenPARAM: return BuildIdentifier(node);
    case eFormulaTokenNEGATE: return BuildComposition(node, CloneShared<&Library::Negate>());
    case eFormulaTokenNOT: return BuildComposition(node, CloneShared<&Library::Not>());
    case eFormulaTokenOR: return BuildOperation(node, CloneSharedBinary<&Library::Or>());
    case eFormulaTokenAND: return BuildOperation(node, CloneSharedBinary<&Library::And>());
    case eFormulaTokenEQUALS: return BuildOperation(node, CloneSharedBinary<&Library::Equality>());
    case eFormulaTokenNOTEQUALS: return BuildOperation(node, CloneSharedBinary<&Library::NotEqual>());
    case eFormulaTokenLTH: return BuildOperation(node, CloneSharedBinary<&Library::LowerThan>());
    case eFormulaTokenLTEQ: return BuildOperation(node, CloneSharedBinary<&Library::LowerThanEqual>());
    case eFormulaTokenGT: return BuildOperation(node, CloneSharedBinary<&Library::GreaterThan>());
    case eFormulaTokenGTEQ: return BuildOperation(node, CloneSharedBinary<&Library::GreaterThanEqual>());
    case eFormulaTokenPLUS: return BuildOperation(node, CloneSharedBinary<&Library::Sum>());
    case eFormulaTokenMINUS: return BuildOperation(node, CloneSharedBinary<&Library::Difference>());
    case eFormulaTokenMULT: return BuildOperation(node, CloneSharedBinary<&Library::Product>());
    case eFormulaTokenDIV: return BuildOperation(node, CloneSharedBinary<&Library::Division>());
    case eFormulaTokenPOW: return BuildOperation(node, CloneSharedBinary<&Library::Power>());
    case eFormulaTokenINTEGER:
    case eFormulaTokenFLOAT: return BuildNumber(CFormulaTree::GetText(node));
    case eFormulaTokenBOOLEAN:
    {
        char const* text = CFormulaTree::GetText(node);
        if (text == nullptr)
            return nullptr;
        if (std::strcmp(text, "true") == 0)
            return TFormulaKind<I>::MakeConstant(1.0f);
        if (std::strcmp(text, "false") == 0)
            return TFormulaKind<I>::MakeConstant(0.0f);
        return nullptr;
    }
    case eFormulaTokenIDENT:
        switch (CFormulaTree::GetChildCount(node))
        {
        case 1: return BuildFunctionCall(node);
        case 2: return BuildBinaryFunctionCall(node);
        default: return nullptr;
        }
    default:
        // Strings, date-times and the modulo operator have no meaning here.
        return nullptr;
    }
}

template <class I>
I* TLocalFormulaBuilder<I>::BuildOperation(Node node, IBinaryFunction* combineFunction)
{
    std::unique_ptr<IBinaryFunction> combine(combineFunction);
    if (combine == nullptr || CFormulaTree::GetChildCount(node) != 2)
        return nullptr;
    std::unique_ptr<I> first(Build(CFormulaTree::GetChild(node, 0)));
    std::unique_ptr<I> second(Build(CFormulaTree::GetChild(node, 1)));
    if (first == nullptr || second == nullptr)
        return nullptr;
    return TFormulaKind<I>::Combine(first, second, combine);
}

template <class I>
I* TLocalFormulaBuilder<I>::BuildComposition(Node node, IFunction* function)
{
    std::unique_ptr<IFunction> f(function);
    if (f == nullptr || CFormulaTree::GetChildCount(node) != 1)
        return nullptr;
    std::unique_ptr<I> operand(Build(CFormulaTree::GetChild(node, 0)));
    if (operand == nullptr)
        return nullptr;
    return TFormulaKind<I>::Compose(f, operand);
}

template <class I>
I* TLocalFormulaBuilder<I>::BuildFunctionCall(Node node)
{
    if (CFormulaTree::GetChildCount(node) != 1)
        return nullptr;
    IFunction* function = CreateBuiltInFunction(CFormulaTree::GetText(node));
    if (function == nullptr)
        return nullptr;
    return BuildComposition(node, function);
}

template <class I>
I* TLocalFormulaBuilder<I>::BuildBinaryFunctionCall(Node node)
{
    if (CFormulaTree::GetChildCount(node) != 2)
        return nullptr;
    IBinaryFunction* function = CreateBuiltInBinaryFunction(CFormulaTree::GetText(node));
    if (function == nullptr)
        return nullptr;
    return BuildOperation(node, function);
}

template <class I>
I* TLocalFormulaBuilder<I>::BuildPi(char const* name)
{
    if (name == nullptr || std::strcmp(name, "pi") != 0)
        return nullptr;
    return TFormulaKind<I>::MakeConstant(kPi);
}

template <class I>
char const* TLocalFormulaBuilder<I>::GetParameterName(Node node)
{
    Node child = CFormulaTree::GetChildCount(node) == 1 ? CFormulaTree::GetChild(node, 0) : nullptr;
    return child != nullptr ? CFormulaTree::GetText(child) : nullptr;
}

template <class I>
I* TLocalFormulaBuilder<I>::BuildNumber(char const* text)
{
    if (text == nullptr)
        return nullptr;
    double value = 0.0;
    if (CoreUtilities::ParseDouble(text, value) <= 0)
        return nullptr;
    return TFormulaKind<I>::MakeConstant(NarrowToFloat(value));
}

template class TLocalFormulaBuilder<Math::IConstant>;
template class TLocalFormulaBuilder<Math::IFunction>;
template class TLocalFormulaBuilder<Math::IBinaryFunction>;

} // namespace Veltis::SkinEngine
