#include "aax/AAXCreateHostObject.h"

#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/IAAXHostComponentFactory.h"

void AAXCreateHostObject(IACFUnknown* hostUnknown, const ACFIdentifier& classId, const ACFIdentifier& iid,
                         CACFInterfaceRef& object, const ACFIdentifier* iidV2, CACFInterfaceRef* objectV2)
{
    if (!hostUnknown)
        return;
    CACFInterfaceRef factory;
    if (factory.Query(hostUnknown, AAXIdentifiers::kComponentFactory) != AAXResult::kSuccess)
        return;
    object.Reset();
    void* created = nullptr;
    factory.Deref<IAAXHostComponentFactory>().CreateObject(classId, nullptr, iid, &created);
    object.Attach(static_cast<IACFUnknown*>(created));
    if (object.Get() && iidV2 && objectV2)
        objectV2->Query(object.Get(), *iidV2);
}
