#pragma once

#include "Veltis/Containers/I2WaysIterator.h"
#include "Veltis/Containers/TStdIterator.h"

namespace Veltis {
namespace Containers {

// A TStdIterator that also walks backwards; needs a bidirectional container such as a list.
template <class X, class Container, class Converter = TPointerToRefConverter<X>>
class TStd2WaysIterator : public TStdIterator<X, Container, Converter>, public virtual I2WaysIterator<X> {
    typedef TStdIterator<X, Container, Converter> Base;

public:
    explicit TStd2WaysIterator(Container& container) : Base(container) {}

    using Base::GetCurrent;

    void Last() override { this->m_Position.Last(); }
    void Previous() override { this->m_Position.Previous(); }
};

} // namespace Containers
} // namespace Veltis
