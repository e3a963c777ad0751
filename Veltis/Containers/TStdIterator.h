#pragma once

#include "Veltis/Containers/IIterator.h"
#include "Veltis/Containers/TPointerToRefConverter.h"
#include "Veltis/Containers/TStdPosition.h"

namespace Veltis {
namespace Containers {

// An iterator over a standard container that gives its elements, through Converter, for changing.
template <class X, class Container, class Converter = TPointerToRefConverter<X>>
class TStdIterator : public virtual IIterator<X> {
public:
    explicit TStdIterator(Container& container) : m_Position(container) {}

    bool IsEnd() const override { return m_Position.IsEnd(); }
    void GoToEnd() override { m_Position.GoToEnd(); }
    void First() override { m_Position.First(); }
    void Next() override { m_Position.Next(); }

    const X& GetCurrent() const override
    {
        const typename Container::value_type& element = *m_Position.Get();
        return Converter::Convert(element);
    }

    X& GetCurrent() override { return Converter::Convert(*m_Position.Get()); }

protected:
    TStdPosition<Container> m_Position;
};

} // namespace Containers
} // namespace Veltis
