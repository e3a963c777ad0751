#pragma once

namespace Veltis {
namespace Core {

// Binds the receiver (a widget, viewer, control or link) to an object.
template <class X>
class TIConnect {
public:
    virtual void Connect(X* object) = 0;
    virtual ~TIConnect() {}
};

} // namespace Core
} // namespace Veltis
