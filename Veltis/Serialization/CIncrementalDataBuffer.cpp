#include "Veltis/Serialization/CIncrementalDataBuffer.h"

#include "Veltis/Serialization/CIncrementalMemDataObject.h"
#include "Veltis/Serialization/IDeSerialize.h"
#include "Veltis/Serialization/ISerialize.h"

namespace Veltis {
namespace Serialization {

CIncrementalDataBuffer::CIncrementalDataBuffer(int size) : m_Cell(size) {}

CIncrementalDataBuffer::~CIncrementalDataBuffer() {}

bool CIncrementalDataBuffer::GetObject(IDeSerialize& object) const
{
    const CIncrementalMemDataObject* held = m_Cell.GetObject();
    return held && object.DeSerialize(*held);
}

bool CIncrementalDataBuffer::SetObject(const ISerialize& object, const CIncrementalDataBuffer* previous,
                                       bool& unchanged)
{
    m_Cell.Release();
    const CIncrementalMemDataObject* nestedPrevious = previous ? previous->GetSnapshot() : nullptr;
    CIncrementalMemDataObject* nested = new CIncrementalMemDataObject(nestedPrevious);
    const bool result = object.Serialize(*nested);
    m_Cell.SetObject(nested);
    unchanged = nested->IsUnchanged();
    return result;
}

} // namespace Serialization
} // namespace Veltis
