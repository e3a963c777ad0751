#pragma once

#include "Veltis/Containers/ICount.h"
#include "Veltis/DataModel/IConstCollection.h"

namespace Veltis {
namespace DataModel {

// A collection whose count its user may change.
class ICollection : public virtual IConstCollection, public virtual Containers::ICount { };

} // namespace DataModel
} // namespace Veltis
