#pragma once

#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

namespace Veltis {
namespace Math {

// Reads the polymorphic member `name` as a new object of interface I, owned by the caller. Null when
// the member is missing, cannot be re-created or read, or was stored as null: no holder of this
// library can evaluate a null member, so a stored null counts as a failed read.
template <class I>
I* ReadMember(const Serialization::IReadDataStream& stream, const char* name)
{
    Serialization::TRuntimeDeSerializer<I> reader;
    const bool read = stream.ReadObject(name, reader);
    I* member = reader.GetObject();
    if (read)
        return member;
    delete member;
    return nullptr;
}

} // namespace Math
} // namespace Veltis
