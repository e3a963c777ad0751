#pragma once

#include "platform/aax/IACFUnknown.h"

// Offered by the host unknown: creates host objects by class and interface identifier.
class IAAXHostComponentFactory : public IACFUnknown {
public:
    // The result is not judged by callers: success is a non-null *out.
    virtual int32_t CreateObject(const ACFIdentifier& classId, IACFUnknown* outer, const ACFIdentifier& iid,
                                 void** out) = 0;

protected:
    ~IAAXHostComponentFactory() = default;
};
