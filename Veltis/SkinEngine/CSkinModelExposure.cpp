#include "Veltis/SkinEngine/CSkinModelExposure.h"

#include "Veltis/CoreUtilities/StringUtilities.h"

namespace Veltis {
namespace SkinEngine {

void CSkinModelExposure::Declare(const char* id)
{
    if (id == nullptr)
        return;
    if (CoreUtilities::HasWildcard(id))
        m_Patterns.insert(Core::CCharString(id));
    else
        m_Exact.insert(Core::CCharString(id));
}

bool CSkinModelExposure::Contains(const char* id) const
{
    if (id == nullptr)
        return false;
    if (m_Exact.count(Core::CCharString(id)) != 0)
        return true;
    for (const Core::CCharString& pattern : m_Patterns) {
        if (CoreUtilities::WildcardMatch(id, pattern.GetString(), true, 0))
            return true;
    }
    return false;
}

bool CSkinModelExposure::ContainsWith(const char* id, const char* suffix) const
{
    Core::CCharString full(id);
    full.Append(suffix);
    return Contains(full.GetString());
}

int CSkinModelExposure::GetParamMask(const char* id) const
{
    if (id == nullptr)
        return 0;
    return (Contains(id) ? 1 : 0) | (ContainsWith(id, ".info") ? 2 : 0) | (ContainsWith(id, ".default") ? 4 : 0) |
           (ContainsWith(id, ".min") ? 8 : 0) | (ContainsWith(id, ".max") ? 16 : 0);
}

int CSkinModelExposure::GetCurveMask(const char* id) const
{
    if (id == nullptr)
        return 0;
    return (Contains(id) ? 1 : 0) | (ContainsWith(id, ".x_info") || ContainsWith(id, ".y_info") ? 2 : 0);
}

int CSkinModelExposure::GetSurfaceMask(const char* id) const
{
    if (id == nullptr)
        return 0;
    const bool described = ContainsWith(id, ".x_info") || ContainsWith(id, ".y_info") || ContainsWith(id, ".z_info");
    return (Contains(id) ? 1 : 0) | (described ? 2 : 0);
}

} // namespace SkinEngine
} // namespace Veltis
