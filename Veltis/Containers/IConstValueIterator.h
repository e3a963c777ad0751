#pragma once

namespace Veltis {
namespace Containers {

// Walks a container giving values of type V (for example the texts of names). A new iterator stands at
// the end: call First before anything else. Whoever asks for an iterator deletes it.
template <class V>
class IConstValueIterator {
public:
    virtual bool IsEnd() const = 0;
    virtual void GoToEnd() = 0;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual V GetCurrent() const = 0;
    virtual ~IConstValueIterator() {}
};

} // namespace Containers
} // namespace Veltis
