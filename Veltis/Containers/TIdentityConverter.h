#pragma once

namespace Veltis {
namespace Containers {

// Converter that gives a container element as it is. A converter is a stateless type whose static
// Convert takes a container element (const or not) and gives what the iterator or adapter shows.
template <class X>
struct TIdentityConverter {
    static X& Convert(X& element) { return element; }
    static const X& Convert(const X& element) { return element; }
};

} // namespace Containers
} // namespace Veltis
