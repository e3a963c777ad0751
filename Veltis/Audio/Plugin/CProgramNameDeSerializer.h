#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Serialization/IDeSerialize.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

// Reads only the program name of a stored plug-in state, to list a preset without loading it.
class CProgramNameDeSerializer : public virtual Serialization::IDeSerialize {
public:
    CProgramNameDeSerializer() {}
    ~CProgramNameDeSerializer() override {}
    // False, with an empty name, when the state has no "progName".
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;
    const char* GetName() const { return m_Name.GetString(); }

private:
    Core::CCharString m_Name;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
