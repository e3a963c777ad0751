#pragma once

#include "Veltis/SkinEngine/Formula/CFormulaTree.h"

namespace Veltis::Math
{
class IFunction;
class IBinaryFunction;
} // namespace Veltis::Math

namespace Veltis::SkinEngine
{

// The walk that turns the syntax tree of a formula into a math object of kind I (a constant, a
// function of one variable or of two). It lives on the stack for one build. Every operation returns a
// new object owned by the caller, or null on any failure, and leaves nothing behind when it fails.
template <class I>
class TLocalFormulaBuilder
{
public:
    typedef CFormulaTree::Node Node;

    // A bare name (a PARAM node).
    virtual I* BuildIdentifier(Node node) = 0;
    // function applied to the node's only child; function is owned and released on failure.
    virtual I* BuildComposition(Node node, Math::IFunction* function);
    // A call with one argument.
    virtual I* BuildFunctionCall(Node node);
    // A call with two arguments.
    virtual I* BuildBinaryFunctionCall(Node node);

    I* Build(Node node);
    // combineFunction of the node's two children; combineFunction is owned and released on failure.
    I* BuildOperation(Node node, Math::IBinaryFunction* combineFunction);

    // The shared one-argument function a built-in call name selects, copied; null for other names.
    static Math::IFunction* CreateBuiltInFunction(char const* name);
    // The same for the built-in two-argument functions, "min" and "max".
    static Math::IBinaryFunction* CreateBuiltInBinaryFunction(char const* name);
    static bool IsBuiltInFunction(char const* name);
    static bool IsBuiltInBinaryFunction(char const* name);

protected:
    ~TLocalFormulaBuilder() = default;

    // The rule every builder applies to a bare name first: "pi". Null for any other name.
    static I* BuildPi(char const* name);
    // The name of a PARAM node: its only child's text; null when the node is not of that shape.
    static char const* GetParameterName(Node node);
    static I* BuildNumber(char const* text);
};

} // namespace Veltis::SkinEngine
