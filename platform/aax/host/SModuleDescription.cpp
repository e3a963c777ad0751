#include "platform/aax/host/SModuleDescription.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

const SFieldDescription* SComponentDescription::FindField(uint32_t field) const
{
    for (const SFieldDescription& description : m_Fields)
        if (description.m_Field == field)
            return &description;
    return nullptr;
}

uint32_t SComponentDescription::GetProperty(uint32_t property, uint32_t fallback) const
{
    for (const std::pair<uint32_t, uint32_t>& entry : m_Properties)
        if (entry.first == property)
            return entry.second;
    return fallback;
}

AAXCreationProcedure SEffectDescription::FindProcedure(uint32_t procedureId) const
{
    for (const std::pair<uint32_t, AAXCreationProcedure>& entry : m_Procedures)
        if (entry.first == procedureId)
            return entry.second;
    return nullptr;
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
