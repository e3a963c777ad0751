#pragma once

namespace Veltis {
namespace Containers {

// Walks a container read-only without showing it. A new iterator stands at the end: call First before
// anything else. GetCurrent is only valid while IsEnd is false. Whoever asks for an iterator deletes it.
template <class X>
class IConstIterator {
public:
    virtual bool IsEnd() const = 0;
    virtual void GoToEnd() = 0;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual const X& GetCurrent() const = 0;
    virtual ~IConstIterator() {}
};

} // namespace Containers
} // namespace Veltis
