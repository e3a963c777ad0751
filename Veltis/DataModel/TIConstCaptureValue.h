#pragma once

#include "Veltis/Core/IConstCapture.h"
#include "Veltis/Core/TIConstValue.h"

namespace Veltis {
namespace DataModel {

// A readable value with the read side of an edit gesture.
template <class V>
class TIConstCaptureValue : public virtual Core::TIConstValue<V>, public virtual Core::IConstCapture {
};

} // namespace DataModel
} // namespace Veltis
