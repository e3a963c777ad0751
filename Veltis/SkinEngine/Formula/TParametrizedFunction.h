#pragma once

#include "Veltis/Containers/TStdConstValueIterator.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/Math/CBinaryFunctionProxy.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/CFunctionProxy.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/SkinEngine/Formula/TFormulaKind.h"
#include "Veltis/Math/TIParametrizedFunction.h"

#include <unordered_map>
#include <vector>

// The parametrized function the parametrized builders fill: the built object, which owns every
// parameter object, and by name the parameter objects of each kind, one per occurrence.
template <class I>
class TParametrizedFunction : public virtual Veltis::Math::TIParametrizedFunction<I>
{
public:
    typedef typename Veltis::SkinEngine::TFormulaKind<I>::Constant Scalar;
    typedef Veltis::Math::CFunctionProxy Curve;
    typedef Veltis::Math::CBinaryFunctionProxy Surface;

    TParametrizedFunction() = default;
    TParametrizedFunction(TParametrizedFunction const&) = delete;
    TParametrizedFunction& operator=(TParametrizedFunction const&) = delete;
    ~TParametrizedFunction() override { delete m_Function; }

    I& GetFunction() override { return *m_Function; }

    bool SetParameter(char const* name, float value) override
    {
        std::vector<Scalar*>* list = Find(m_Parameters, name);
        if (list == nullptr)
            return false;
        for (Scalar* parameter : *list)
            parameter->SetValue(value);
        return true;
    }

    bool SetCurveParameter(char const* name, Veltis::Math::IFunction const& curve) override
    {
        return SetTargets(m_CurveParameters, name, curve);
    }

    bool SetSurfaceParameter(char const* name, Veltis::Math::IBinaryFunction const& surface) override
    {
        return SetTargets(m_SurfaceParameters, name, surface);
    }

    Veltis::Containers::IConstValueIterator<char const*>* GetParameterNames() override
    {
        return new TNameIterator<Scalar>(m_Parameters);
    }

    Veltis::Containers::IConstValueIterator<char const*>* GetCurveParameterNames() override
    {
        return new TNameIterator<Curve>(m_CurveParameters);
    }

    Veltis::Containers::IConstValueIterator<char const*>* GetSurfaceParameterNames() override
    {
        return new TNameIterator<Surface>(m_SurfaceParameters);
    }

    // Deletes the current built object and owns function instead.
    virtual void SetFunction(I* function)
    {
        delete m_Function;
        m_Function = function;
    }

    // Registration by the builders, one call per occurrence, in the order they meet them. The objects
    // belong to the built tree, not to the lists.
    void AddParameter(char const* name, Scalar* parameter) { m_Parameters[name].push_back(parameter); }
    void AddCurveParameter(char const* name, Curve* parameter) { m_CurveParameters[name].push_back(parameter); }
    void AddSurfaceParameter(char const* name, Surface* parameter) { m_SurfaceParameters[name].push_back(parameter); }

private:
    template <class P>
    using TMap = std::unordered_map<Veltis::Core::CCharString, std::vector<P*>, Veltis::CoreUtilities::CCharStringHash,
        Veltis::CoreUtilities::CCharStringEquals>;

    template <class P>
    struct TNameOf
    {
        static char const* Convert(typename TMap<P>::value_type const& entry) { return entry.first.GetString(); }
    };

    template <class P>
    using TNameIterator = Veltis::Containers::TStdConstValueIterator<char const*, TMap<P>, TNameOf<P>>;

    template <class P>
    static std::vector<P*>* Find(TMap<P>& map, char const* name)
    {
        if (name == nullptr)
            return nullptr;
        auto found = map.find(Veltis::Core::CCharString(name));
        return found != map.end() ? &found->second : nullptr;
    }

    // One copy for all occurrences, owned by the first proxy.
    template <class P, class F>
    static bool SetTargets(TMap<P>& map, char const* name, F const& target)
    {
        std::vector<P*>* list = Find(map, name);
        if (list == nullptr || list->empty())
            return false;
        F const* copy = target.Clone();
        for (std::size_t i = 0; i < list->size(); ++i)
            (*list)[i]->SetFunction(copy, i == 0);
        return true;
    }

    TMap<Scalar> m_Parameters;
    TMap<Curve> m_CurveParameters;
    TMap<Surface> m_SurfaceParameters;
    I* m_Function = nullptr;
};
