#include "Veltis/Audio/Plugin/CProgramNameDeSerializer.h"

#include "Veltis/Serialization/IReadDataStream.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

bool CProgramNameDeSerializer::DeSerialize(const Serialization::IReadDataStream& stream)
{
    char* name = nullptr;
    const bool read = stream.ReadString("progName", name);
    m_Name.Clear();
    if (read)
        m_Name.Attach(name);
    else
        delete[] name;
    return read;
}

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
