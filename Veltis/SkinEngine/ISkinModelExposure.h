#pragma once

namespace Veltis {
namespace SkinEngine {

// The identifiers a skin refers to, as exact names or "*" patterns, and the reference masks computed
// from them: 1 the object, 2 its descriptions (".info", ".x_info", ".y_info", ".z_info"), 4 ".default",
// 8 ".min", 16 ".max".
class ISkinModelExposure {
public:
    virtual void Declare(const char* id) = 0;
    virtual int GetParamMask(const char* id) const = 0;
    virtual bool IsReferenced(const char* id) const = 0;
    virtual int GetCurveMask(const char* id) const = 0;
    virtual int GetSurfaceMask(const char* id) const = 0;
    virtual bool Contains(const char* id) const = 0;
    virtual ~ISkinModelExposure() {}
};

} // namespace SkinEngine
} // namespace Veltis
