#pragma once

#include "Veltis/Audio/Plugin/IPreset.h"
#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace Audio {
namespace Plugin {

class CAudioPluginInternalsBase;

// Preset i of the core's factory bank: the state document stored under "Preset" + i.
class CAudioPluginXMLPreset : public virtual IPreset {
public:
    static constexpr const char* kElementPrefix = "Preset";

    CAudioPluginXMLPreset() : m_Internals(nullptr), m_Index(0) {}
    CAudioPluginXMLPreset(CAudioPluginInternalsBase* internals, int index) : m_Internals(internals), m_Index(index) {}
    CAudioPluginXMLPreset(const CAudioPluginXMLPreset& other) = default;
    CAudioPluginXMLPreset& operator=(const CAudioPluginXMLPreset& other) = default;
    ~CAudioPluginXMLPreset() override {}

    // Read from the bank on every call; a stored preset without a name keeps the last name read.
    const char* GetName() override;
    // The bank's state document, read into the core; a preset missing from the bank changes nothing.
    void Load() override;

private:
    CAudioPluginInternalsBase* m_Internals;
    int m_Index;
    Core::CCharString m_Name;
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
