#include "Veltis/Containers/AttributeReaders.h"

#include "Veltis/CoreUtilities/CFilePath.h"
#include "Veltis/CoreUtilities/StringUtilities.h"

#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace Veltis {
namespace Containers {

char* GetPathAttribute(const IConstNamedAttributes& attributes, const char* name, const char* baseFolder)
{
    const char* value = attributes.GetValue(name);
    if (value == nullptr)
        return nullptr;
    CoreUtilities::CFilePath path(baseFolder);
    path.Append(value);
    path.Normalize();
    return path.Detach();
}

Core::CColor GetColorAttribute(const IConstNamedAttributes& attributes, const char* name,
                               const Core::CColor& defaultColor)
{
    const char* value = attributes.GetValue(name);
    if (value == nullptr || std::strchr(value, '#') == nullptr)
        return defaultColor;
    const uint32_t rgb =
        static_cast<uint32_t>(strtoul_l(value + 1, nullptr, 16, CoreUtilities::GetClassicLocale()));
    return Core::CColor(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb));
}

int GetIntAttribute(const IConstNamedAttributes& attributes, const char* name, int defaultValue)
{
    int value = 0;
    if (CoreUtilities::ParseInt(attributes.GetValue(name), value, 10) == 0)
        return defaultValue;
    return value;
}

float GetFloatAttribute(const IConstNamedAttributes& attributes, const char* name, float defaultValue)
{
    double value = 0.0;
    if (CoreUtilities::ParseDouble(attributes.GetValue(name), value) == 0)
        return defaultValue;
    // Converting a finite double beyond the float range is undefined.
    if (value > FLT_MAX && value <= DBL_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX && value >= -DBL_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

bool IsAttributeEqual(const IConstNamedAttributes& attributes, const char* name, const char* text)
{
    const char* value = attributes.GetValue(name);
    return value != nullptr && text != nullptr && std::strcmp(value, text) == 0;
}

} // namespace Containers
} // namespace Veltis
