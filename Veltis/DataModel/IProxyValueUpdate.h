#pragma once

namespace Veltis {
namespace DataModel {

// A proxy that collects its source's changes and announces them when told.
class IProxyValueUpdate {
public:
    // Announces a change collected since the last call, if any, on the caller's thread.
    virtual void Update() = 0;
    virtual ~IProxyValueUpdate() {}
};

} // namespace DataModel
} // namespace Veltis
