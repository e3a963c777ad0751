#pragma once

#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureValue.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A parameter shown as text: a read-only string value that follows the parameter and its gestures.
class IParamTextViewer : public virtual TIConstCaptureValue<const char*> {
public:
    virtual TIConstCaptureObject<float, Objects::IConstParamInfo>& GetParam() = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
