#pragma once

namespace Veltis {
namespace Core {

// Re-reads the source and refreshes.
class IUpdate {
public:
    virtual void Update() = 0;
    virtual ~IUpdate() {}
};

} // namespace Core
} // namespace Veltis
