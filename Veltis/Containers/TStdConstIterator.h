#pragma once

#include "Veltis/Containers/IConstIterator.h"
#include "Veltis/Containers/TPointerToRefConverter.h"
#include "Veltis/Containers/TStdPosition.h"

namespace Veltis {
namespace Containers {

// A read-only iterator over a standard container, each element shown through Converter. It reads the
// live container, which must outlive it and not change during a walk.
template <class X, class Container, class Converter = TPointerToRefConverter<X>>
class TStdConstIterator : public virtual IConstIterator<X> {
public:
    explicit TStdConstIterator(const Container& container) : m_Position(container) {}

    bool IsEnd() const override { return m_Position.IsEnd(); }
    void GoToEnd() override { m_Position.GoToEnd(); }
    void First() override { m_Position.First(); }
    void Next() override { m_Position.Next(); }
    const X& GetCurrent() const override { return Converter::Convert(*m_Position.Get()); }

private:
    TStdPosition<const Container> m_Position;
};

} // namespace Containers
} // namespace Veltis
