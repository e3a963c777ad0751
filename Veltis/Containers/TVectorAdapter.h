#pragma once

#include "Veltis/Containers/IVector.h"
#include "Veltis/Containers/TConstVectorAdapter.h"

namespace Veltis {
namespace Containers {

// The writable form of TConstVectorAdapter: the non-const GetAt reaches the source's non-const GetAt.
template <class X, class I, class V = IVector<X>, class Converter = TIdentityConverter<X>>
class TVectorAdapter : public TConstVectorAdapter<X, I, V, Converter>, public virtual IVector<I> {
    typedef TConstVectorAdapter<X, I, V, Converter> Base;

public:
    explicit TVectorAdapter(V& source, int offset = 0, int count = -1)
        : Base(source, offset, count), m_Source(&source)
    {
    }

    using Base::GetAt;

    I& GetAt(int index) override { return Converter::Convert(m_Source->GetAt(index + this->GetOffset())); }

private:
    V* m_Source;
};

} // namespace Containers
} // namespace Veltis
