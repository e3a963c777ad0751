#pragma once

namespace Veltis {
namespace Containers {

// Anything that publishes a number of elements.
class IConstCount {
public:
    virtual int GetCount() const = 0;
    virtual ~IConstCount() {}
};

} // namespace Containers
} // namespace Veltis
