#pragma once

#include "Veltis/Containers/IConstCount.h"

namespace Veltis {
namespace Containers {

// A count that its user may change (resizable tables and aggregates).
class ICount : public virtual IConstCount {
public:
    virtual void SetCount(int count) = 0;
};

} // namespace Containers
} // namespace Veltis
