#pragma once

#include "Veltis/DataModel/IProxyValueUpdate.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {

// A readable model object that re-announces another object's changes on its own schedule.
template <class V, class IInfo>
class TIConstCaptureObjectProxy : public virtual TIConstCaptureObject<V, IInfo>, public virtual IProxyValueUpdate {
};

} // namespace DataModel
} // namespace Veltis
