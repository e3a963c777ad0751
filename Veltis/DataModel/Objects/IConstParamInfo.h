#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

class IParamValueToText;

// The read-only parameter descriptor: type, unit, range, default and value-to-text converter. Its
// texts may be null. Type codes: 0 boolean, 1 integer or enumeration, 2 continuous, 3 trigger input.
class IConstParamInfo : public virtual IConstObjectInfo {
public:
    virtual int GetType() const = 0;
    virtual const char* GetUnit() const = 0;
    // Never null; the descriptor keeps it.
    virtual const IParamValueToText* GetValueToText() const = 0;
    virtual float GetMin() const = 0;
    virtual float GetDefault() const = 0;
    virtual float GetMax() const = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
