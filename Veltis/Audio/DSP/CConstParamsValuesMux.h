#pragma once

#include "Veltis/Containers/TConstValueVectorMux.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// Two value vectors shown as one (the first's values, then the second's); owns neither.
class CConstParamsValuesMux : public Containers::TConstValueVectorMux<float> {
public:
    typedef Containers::IConstValueVector<float> Source;

    CConstParamsValuesMux(const Source& first, const Source& second) : TConstValueVectorMux(first, second) {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
