#pragma once

#include "Veltis/Containers/IConstValueIterator.h"

namespace Veltis::Math
{

class IFunction;
class IBinaryFunction;

// A formula built once whose free names stay adjustable: scalar parameters (bare names), curve
// parameters (calls of one argument) and surface parameters (calls of two), each set by name. I is
// the kind of the built object: IConstant, IFunction or IBinaryFunction.
template <class I>
class TIParametrizedFunction
{
public:
    // The built object, owned by the parametrized function; its value follows every parameter set.
    virtual I& GetFunction() = 0;
    // Each returns false, changing nothing, when name is null or no parameter of its kind has it.
    virtual bool SetParameter(char const* name, float value) = 0;
    // Every occurrence of the name gets one shared copy of curve.
    virtual bool SetCurveParameter(char const* name, IFunction const& curve) = 0;
    virtual bool SetSurfaceParameter(char const* name, IBinaryFunction const& surface) = 0;
    // New iterators over the names of each kind, standing at the end; the caller deletes them. The
    // names stay valid while the parametrized function lives.
    virtual Containers::IConstValueIterator<char const*>* GetParameterNames() = 0;
    virtual Containers::IConstValueIterator<char const*>* GetCurveParameterNames() = 0;
    virtual Containers::IConstValueIterator<char const*>* GetSurfaceParameterNames() = 0;
    virtual ~TIParametrizedFunction() {}
};

} // namespace Veltis::Math
