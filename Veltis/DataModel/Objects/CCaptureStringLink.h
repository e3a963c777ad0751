#pragma once

#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/TCaptureObjectLink.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A model string that follows another string; the target keeps its own copy of the text.
class CCaptureStringLink : public TCaptureObjectLink<TIConstCaptureObject<const char*, IConstStringInfo>,
                                                      TICaptureObject<const char*, IConstStringInfo>> {
public:
    CCaptureStringLink(TIConstCaptureObject<const char*, IConstStringInfo>* source,
                       TICaptureObject<const char*, IConstStringInfo>* target)
        : TCaptureObjectLink(source, target)
    {
    }
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
