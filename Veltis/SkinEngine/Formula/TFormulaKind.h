#pragma once

#include <memory>

namespace Veltis::Math
{
class IConstant;
class IFunction;
class IBinaryFunction;
class CConstant;
class CConstantFunction;
class CConstantBinaryFunction;
} // namespace Veltis::Math

namespace Veltis::SkinEngine
{

// The math objects a formula of one kind of result (a constant, a function of x, a function of x and
// y) is assembled from. Each composite takes its parts out of the owners it is given and owns them; an
// allocation failure leaves them with their owners.
template <class I>
struct TFormulaKind;

template <>
struct TFormulaKind<Math::IConstant>
{
    typedef Math::CConstant Constant;
    static Constant* MakeConstant(float value);
    // f(a)
    static Math::IConstant* Compose(std::unique_ptr<Math::IFunction>& f, std::unique_ptr<Math::IConstant>& a);
    // g(a, b)
    static Math::IConstant* Combine(std::unique_ptr<Math::IConstant>& a, std::unique_ptr<Math::IConstant>& b,
        std::unique_ptr<Math::IBinaryFunction>& g);
};

template <>
struct TFormulaKind<Math::IFunction>
{
    typedef Math::CConstantFunction Constant;
    static Constant* MakeConstant(float value);
    static Math::IFunction* Compose(std::unique_ptr<Math::IFunction>& f, std::unique_ptr<Math::IFunction>& a);
    static Math::IFunction* Combine(std::unique_ptr<Math::IFunction>& a, std::unique_ptr<Math::IFunction>& b,
        std::unique_ptr<Math::IBinaryFunction>& g);
};

template <>
struct TFormulaKind<Math::IBinaryFunction>
{
    typedef Math::CConstantBinaryFunction Constant;
    static Constant* MakeConstant(float value);
    static Math::IBinaryFunction* Compose(std::unique_ptr<Math::IFunction>& f,
        std::unique_ptr<Math::IBinaryFunction>& a);
    static Math::IBinaryFunction* Combine(std::unique_ptr<Math::IBinaryFunction>& a,
        std::unique_ptr<Math::IBinaryFunction>& b, std::unique_ptr<Math::IBinaryFunction>& g);
};

} // namespace Veltis::SkinEngine
