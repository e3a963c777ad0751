#pragma once

#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/DataModel/TIConstCaptureObjectProxy.h"

namespace Veltis {
namespace DataModel {

// A proxy that re-announces its source's changes from a periodic timer.
template <class V, class IInfo>
class TIConstCaptureObjectTimerProxy : public virtual TIConstCaptureObjectProxy<V, IInfo>, public virtual Core::IRefreshTime {
};

} // namespace DataModel
} // namespace Veltis
