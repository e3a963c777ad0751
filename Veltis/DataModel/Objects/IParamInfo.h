#pragma once

#include "Veltis/DataModel/IObjectInfo.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The writable parameter descriptor. Text setters and SetValueToText always notify; the others
// only when the stored value changes.
class IParamInfo : public virtual IConstParamInfo, public virtual IObjectInfo {
public:
    virtual void SetType(int type) = 0;
    void SetName(const char* name) override = 0;
    virtual void SetUnit(const char* unit) = 0;
    void SetComment(const char* comment) override = 0;
    virtual void SetMin(float min) = 0;
    virtual void SetDefault(float value) = 0;
    virtual void SetMax(float max) = 0;
    // owned: the descriptor deletes the converter when it replaces it or is destroyed.
    virtual void SetValueToText(IParamValueToText* converter, bool owned) = 0;
    virtual void CopyFrom(const IConstParamInfo& other) = 0;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
