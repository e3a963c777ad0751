#pragma once

#include "Veltis/Containers/IConstValueIterator.h"
#include "Veltis/Containers/TStdPosition.h"

namespace Veltis {
namespace Containers {

// An iterator over a standard container that gives one value per element through Converter, for
// example the key texts of a hash map (in the map's own order).
template <class V, class Container, class Converter>
class TStdConstValueIterator : public virtual IConstValueIterator<V> {
public:
    explicit TStdConstValueIterator(const Container& container) : m_Position(container) {}

    bool IsEnd() const override { return m_Position.IsEnd(); }
    void GoToEnd() override { m_Position.GoToEnd(); }
    void First() override { m_Position.First(); }
    void Next() override { m_Position.Next(); }
    V GetCurrent() const override { return Converter::Convert(*m_Position.Get()); }

private:
    TStdPosition<const Container> m_Position;
};

} // namespace Containers
} // namespace Veltis
