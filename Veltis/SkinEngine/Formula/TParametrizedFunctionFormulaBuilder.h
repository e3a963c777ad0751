#pragma once

#include "Veltis/SkinEngine/Formula/TFormulaKind.h"
#include "Veltis/SkinEngine/Formula/TParametrizedFunction.h"
#include "Veltis/SkinEngine/Formula/TPlainFormulaBuilder.h"

#include <memory>

// A builder that turns the names its plain builder rejects into parameters registered in a
// parametrized function: a bare name into a scalar parameter (0 until set), a call of one argument into
// a curve parameter (the identity until set), a call of two into a surface parameter (the average
// until set).
template <class I>
class TParametrizedFunctionFormulaBuilder : private Veltis::SkinEngine::TPlainFormulaBuilder<I>::Type
{
    typedef typename Veltis::SkinEngine::TPlainFormulaBuilder<I>::Type Base;
    typedef Veltis::SkinEngine::TFormulaKind<I> Kind;

public:
    using typename Base::Node;
    using Base::Base;
    using Base::Build;

    // Where parameters are registered (not owned); without one no name becomes a parameter.
    void SetParametrizedFunction(TParametrizedFunction<I>* parametrizedFunction)
    {
        m_ParametrizedFunction = parametrizedFunction;
    }

    I* BuildIdentifier(Node node) override
    {
        if (I* plain = Base::BuildIdentifier(node))
            return plain;
        char const* name = Base::GetParameterName(node);
        if (!CanRegister(name))
            return nullptr;
        std::unique_ptr<typename TParametrizedFunction<I>::Scalar> parameter(Kind::MakeConstant(0.0f));
        m_ParametrizedFunction->AddParameter(name, parameter.get());
        return parameter.release();
    }

    I* BuildFunctionCall(Node node) override
    {
        using Veltis::SkinEngine::CFormulaTree;
        if (CFormulaTree::GetChildCount(node) != 1)
            return nullptr;
        char const* name = CFormulaTree::GetText(node);
        // A built-in whose argument fails would fail again as a parameter; building the argument a
        // second time would make nested failing calls cost exponential time.
        if (Base::IsBuiltInFunction(name))
            return Base::BuildFunctionCall(node);
        if (!CanRegister(name))
            return nullptr;
        auto proxy = new typename TParametrizedFunction<I>::Curve(nullptr, false);
        std::unique_ptr<Veltis::Math::IFunction> function(proxy);
        m_ParametrizedFunction->AddCurveParameter(name, proxy);
        std::unique_ptr<I> argument(Base::Build(CFormulaTree::GetChild(node, 0)));
        if (argument == nullptr)
            return nullptr;
        return Kind::Compose(function, argument);
    }

    I* BuildBinaryFunctionCall(Node node) override
    {
        using Veltis::SkinEngine::CFormulaTree;
        if (CFormulaTree::GetChildCount(node) != 2)
            return nullptr;
        char const* name = CFormulaTree::GetText(node);
        if (Base::IsBuiltInBinaryFunction(name))
            return Base::BuildBinaryFunctionCall(node);
        if (!CanRegister(name))
            return nullptr;
        auto proxy = new typename TParametrizedFunction<I>::Surface(nullptr, false);
        std::unique_ptr<Veltis::Math::IBinaryFunction> function(proxy);
        m_ParametrizedFunction->AddSurfaceParameter(name, proxy);
        return Base::BuildOperation(node, function.release());
    }

private:
    bool CanRegister(char const* name) const
    {
        return name != nullptr && name[0] != '\0' && m_ParametrizedFunction != nullptr;
    }

    TParametrizedFunction<I>* m_ParametrizedFunction = nullptr;
};
