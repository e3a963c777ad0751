#pragma once

#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/TIdentityConverter.h"

namespace Veltis {
namespace Containers {

// Shows a slice of a vector of X (source elements offset to offset + count - 1, or the whole source
// when count is -1) as a vector of I, converting each element on access. Owns nothing.
template <class X, class I, class V = IConstVector<X>, class Converter = TIdentityConverter<X>>
class TConstVectorAdapter : public virtual IConstVector<I> {
public:
    explicit TConstVectorAdapter(const V& source, int offset = 0, int count = -1)
        : m_Source(&source), m_Offset(offset), m_Count(count)
    {
    }

    // With count -1 this is the whole source's count, not reduced by the offset.
    int GetCount() const override { return m_Count != -1 ? m_Count : m_Source->GetCount(); }

    const I& GetAt(int index) const override { return Converter::Convert(m_Source->GetAt(index + m_Offset)); }

protected:
    int GetOffset() const { return m_Offset; }

private:
    const V* m_Source;
    int m_Offset;
    int m_Count;
};

} // namespace Containers
} // namespace Veltis
