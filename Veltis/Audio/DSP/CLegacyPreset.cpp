#include "Veltis/Audio/DSP/CLegacyPreset.h"

#include "Veltis/DataModel/Objects/OwnedText.h"

namespace Veltis {
namespace Audio {
namespace DSP {

using DataModel::Objects::CopyOwnedText;

CLegacyPreset::CLegacyPreset(int type, const Containers::IConstValueVector<float>& values, const char* name,
                             const char* comment)
    : m_Type(type), m_Name(CopyOwnedText(name)), m_Comment(CopyOwnedText(comment)), m_Values(values)
{
}

CLegacyPreset::CLegacyPreset(const CLegacyPreset& other)
    : ILegacyPreset(), m_Type(other.m_Type), m_Name(CopyOwnedText(other.m_Name)), m_Comment(CopyOwnedText(other.m_Comment)),
      m_Values(other.m_Values)
{
}

CLegacyPreset::~CLegacyPreset()
{
    delete[] m_Name;
    delete[] m_Comment;
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
