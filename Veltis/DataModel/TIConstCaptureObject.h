#pragma once

#include "Veltis/DataModel/TIConstCaptureValue.h"

namespace Veltis {
namespace DataModel {

// A readable model object: a value with its gesture and an info record describing it. Both GetInfo
// overloads return the same record, which belongs to the object.
template <class V, class IInfo>
class TIConstCaptureObject : public virtual TIConstCaptureValue<V> {
public:
    virtual const IInfo& GetInfo() const = 0;
    virtual const IInfo& GetInfo() = 0;
};

} // namespace DataModel
} // namespace Veltis
