#pragma once

#include "Veltis/Serialization/IConstDataHolder.h"

namespace Veltis {
namespace Serialization {

class ISerialize;

// One typed value cell that can be set; each setter replaces whatever the cell held.
class IDataHolder : public virtual IConstDataHolder {
public:
    ~IDataHolder() override {}
    virtual bool SetBool(const bool& value) = 0;
    virtual bool SetInt(const int& value) = 0;
    virtual bool SetFloat(const float& value) = 0;
    virtual bool SetDouble(const double& value) = 0;
    virtual bool SetString(const char* value) = 0;
    virtual bool SetData(const void* data, int size) = 0;
    virtual bool SetObject(const ISerialize& object) = 0;
};

} // namespace Serialization
} // namespace Veltis
