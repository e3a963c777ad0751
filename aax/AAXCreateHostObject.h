#pragma once

#include "aax/CACFInterfaceRef.h"

// The creation protocol of the description wrappers: through the component factory that hostUnknown
// offers, create a host object of classId answering iid into object, then query it for the second
// version into objectV2 when one is given. A null host unknown, a missing factory or a refused creation
// leave the holders empty; a factory query that succeeds with a null factory throws (empty holder).
void AAXCreateHostObject(IACFUnknown* hostUnknown, const ACFIdentifier& classId, const ACFIdentifier& iid,
                         CACFInterfaceRef& object, const ACFIdentifier* iidV2 = nullptr,
                         CACFInterfaceRef* objectV2 = nullptr);
