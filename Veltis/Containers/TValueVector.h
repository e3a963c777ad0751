#pragma once

#include "Veltis/Containers/IValueVector.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace Containers {

// A vector of owned texts seen as a value vector of V (char const*). Store keeps one text by value
// (CCharString); SetValue stores a copy. The owner sizes it through its storage.
template <class V, class Store>
class TValueVector : public virtual IValueVector<V> {
public:
    typedef Core::TDynamicVector<Store> Storage;

    TValueVector() {}

    int GetCount() const override { return m_Values.GetCount(); }

    V GetValue(int index) const override
    {
        V text = m_Values[index].GetString();
        return text ? text : "";
    }

    // A null text empties the string.
    void SetValue(int index, V value) override { m_Values[index] = value ? value : ""; }

    Storage& GetStorage() { return m_Values; }
    const Storage& GetStorage() const { return m_Values; }

private:
    Storage m_Values;
};

} // namespace Containers
} // namespace Veltis
