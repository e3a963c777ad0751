#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/SkinEngine/ISkinModelExposure.h"

#include <set>
#include <unordered_set>

namespace Veltis {
namespace SkinEngine {

// The reference set of one skin model. Nothing is ever removed from it. Patterns match case-sensitively,
// "*" standing for any run of characters.
class CSkinModelExposure : public ISkinModelExposure {
public:
    // A text with "*" is a pattern; null declares nothing.
    void Declare(const char* id) override;
    int GetParamMask(const char* id) const override;
    bool IsReferenced(const char* id) const override { return Contains(id); }
    int GetCurveMask(const char* id) const override;
    int GetSurfaceMask(const char* id) const override;
    bool Contains(const char* id) const override;

private:
    // Contains(id + suffix).
    bool ContainsWith(const char* id, const char* suffix) const;

    std::unordered_set<Core::CCharString, CoreUtilities::CCharStringHash, CoreUtilities::CCharStringEquals> m_Exact;
    std::set<Core::CCharString> m_Patterns;
};

} // namespace SkinEngine
} // namespace Veltis
