#include "Veltis/Audio/DSP/CLegacyPresets.h"

namespace Veltis {
namespace Audio {
namespace DSP {

CLegacyPresets::CLegacyPresets(int count, const CLegacyPreset* presets)
    : m_Presets(nullptr), m_Count(0), m_ValuesPresetsCount(0)
{
    if (!presets || count <= 0)
        return;
    m_Presets = new CLegacyPreset*[count];
    for (int i = 0; i < count; ++i) {
        m_Presets[i] = new CLegacyPreset(presets[i]);
        if (presets[i].GetType() == 0)
            ++m_ValuesPresetsCount;
    }
    m_Count = count;
}

CLegacyPresets::~CLegacyPresets()
{
    for (int i = 0; i < m_Count; ++i)
        delete m_Presets[i];
    delete[] m_Presets;
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
