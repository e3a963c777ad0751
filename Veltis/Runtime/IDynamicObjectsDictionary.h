#pragma once

namespace Veltis {
namespace Containers {
template <class X>
class IIterator;
template <class X>
class IConstIterator;
template <class V>
class IConstValueIterator;
}
namespace Runtime {

class IDynamicObject;

// Dynamic objects by text identifier (byte-exact), owned or not, at most one per identifier.
class IDynamicObjectsDictionary {
public:
    // Deletes every entry and every owned object.
    virtual void Clear() = 0;
    // False when the identifier is taken: the object is then deleted when owned is 1.
    virtual bool AddObject(const char* id, IDynamicObject* object, int owned) = 0;
    // Takes the entry out without deleting the object; owned receives its flag. Null when absent.
    virtual IDynamicObject* DetachObject(const char* id, int* owned) = 0;
    // Takes the entry out and deletes the object when owned.
    virtual void RemoveObject(const char* id) = 0;
    virtual IDynamicObject* GetObject(const char* id) = 0;
    // New iterators (the caller deletes them) that visit the entries in one shared order while the
    // dictionary does not change.
    virtual Containers::IIterator<IDynamicObject>* GetObjectsIterator() = 0;
    virtual Containers::IConstIterator<IDynamicObject>* GetConstObjectsIterator() const = 0;
    virtual Containers::IConstValueIterator<const char*>* GetIdsIterator() const = 0;
    virtual ~IDynamicObjectsDictionary() {}
};

} // namespace Runtime
} // namespace Veltis
