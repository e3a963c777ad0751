#pragma once

#include "Veltis/Core/ICapture.h"
#include "Veltis/Core/TIValue.h"
#include "Veltis/DataModel/TIConstCaptureValue.h"

namespace Veltis {
namespace DataModel {

// A writable value whose edit gesture can be begun and ended.
template <class V>
class TICaptureValue : public virtual Core::TIValue<V>,
                       public virtual TIConstCaptureValue<V>,
                       public virtual Core::ICapture {
};

} // namespace DataModel
} // namespace Veltis
