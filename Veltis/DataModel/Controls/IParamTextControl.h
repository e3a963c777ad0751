#pragma once

#include "Veltis/DataModel/Controls/IParamTextViewer.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TICaptureValue.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A parameter edited as text: a typed number is written to the parameter.
class IParamTextControl : public virtual IParamTextViewer, public virtual TICaptureValue<const char*> {
public:
    virtual TICaptureObject<float, Objects::IConstParamInfo>& GetWritableParam() = 0;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
