#pragma once

#include "Veltis/DataModel/TIConstCaptureValueFactory.h"

namespace Veltis {
namespace DataModel {

// The read-only face of a published output: copies of its value, its gesture and its info record.
// Both GetInfo overloads return the same record.
template <class V, class IInfo>
class TIConstCaptureObjectFactory : public virtual TIConstCaptureValueFactory<V> {
public:
    virtual const IInfo& GetInfo() const = 0;
    virtual const IInfo& GetInfo() = 0;
};

} // namespace DataModel
} // namespace Veltis
