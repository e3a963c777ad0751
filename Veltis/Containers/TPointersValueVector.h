#pragma once

#include "Veltis/Containers/IValueVector.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace Containers {

// A vector of pointers to shared objects, seen as a vector of references. Owners write pointers to their
// own members into the storage directly; those are never deleted here. The clones that SetValue makes
// belong to the vector: one is deleted when no entry refers to it any more, or with the vector.
template <class I>
class TPointersValueVector : public virtual IValueVector<const I&> {
public:
    typedef Core::TDynamicVector<I*> Storage;

    // The entries are null until the owner writes them.
    explicit TPointersValueVector(int count = 0) : m_Pointers(count > 0 ? count : 0) {}

    TPointersValueVector(const TPointersValueVector&) = delete;
    TPointersValueVector& operator=(const TPointersValueVector&) = delete;

    ~TPointersValueVector() override
    {
        for (int i = 0; i < m_Clones.GetCount(); ++i)
            delete m_Clones[i];
    }

    int GetCount() const override { return m_Pointers.GetCount(); }

    const I& GetValue(int index) const override { return *m_Pointers[index]; }

    void SetValue(int index, const I& value) override
    {
        // Clone first: the value may be the object that the entry is about to drop.
        I* clone = value.Clone();
        I* previous = m_Pointers[index];
        m_Pointers[index] = clone;
        m_Clones.SetSize(m_Clones.GetCount() + 1, false);
        m_Clones[m_Clones.GetCount() - 1] = clone;
        ReleaseClone(previous);
    }

    Storage& GetStorage() { return m_Pointers; }
    const Storage& GetStorage() const { return m_Pointers; }

private:
    void ReleaseClone(I* object)
    {
        if (!object)
            return;
        for (int i = 0; i < m_Pointers.GetCount(); ++i) {
            if (m_Pointers[i] == object)
                return;
        }
        const int last = m_Clones.GetCount() - 1;
        for (int i = 0; i <= last; ++i) {
            if (m_Clones[i] == object) {
                m_Clones[i] = m_Clones[last];
                m_Clones.SetSize(last, false);
                delete object;
                return;
            }
        }
    }

    Storage m_Pointers;
    Storage m_Clones;
};

} // namespace Containers
} // namespace Veltis
