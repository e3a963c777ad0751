#pragma once

namespace Veltis {
namespace Core {

// Undoes every subscription the receiver made on its source.
class IDisconnect {
public:
    virtual void Disconnect() = 0;
    virtual ~IDisconnect() {}
};

} // namespace Core
} // namespace Veltis
