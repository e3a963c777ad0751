#pragma once

namespace Veltis {
namespace Core {

// A flag that tells whether something changed since it was last looked at.
class IDirty {
public:
    virtual bool IsDirty() = 0;
    virtual void ClearDirty() = 0;
    virtual ~IDirty() {}
};

} // namespace Core
} // namespace Veltis
