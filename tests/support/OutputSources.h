#pragma once

#include "Veltis/Containers/IConstValueVector.h"
#include "Veltis/Containers/IConstVector.h"

#include <vector>

// What a processor reports about its outputs of one kind, for tests of the output factories: the info
// records and the current values, lent by the test.
namespace VeltisTest {

template <class I>
class TLentVector : public virtual Veltis::Containers::IConstVector<I> {
public:
    explicit TLentVector(std::vector<const I*> items) : m_Items(std::move(items)) {}
    int GetCount() const override { return static_cast<int>(m_Items.size()); }
    const I& GetAt(int index) const override { return *m_Items[index]; }

private:
    std::vector<const I*> m_Items;
};

// Texts as pointers (null allowed); functions as references to objects the test keeps.
template <class V>
class TLentValues : public virtual Veltis::Containers::IConstValueVector<V> {
public:
    explicit TLentValues(std::vector<V> values) : m_Values(std::move(values)) {}
    int GetCount() const override { return static_cast<int>(m_Values.size()); }
    V GetValue(int index) const override { return m_Values[index]; }

private:
    std::vector<V> m_Values;
};

template <class F>
class TLentValues<const F&> : public virtual Veltis::Containers::IConstValueVector<const F&> {
public:
    explicit TLentValues(std::vector<const F*> values) : m_Values(std::move(values)) {}
    int GetCount() const override { return static_cast<int>(m_Values.size()); }
    const F& GetValue(int index) const override { return *m_Values[index]; }

private:
    std::vector<const F*> m_Values;
};

} // namespace VeltisTest
