#pragma once

#include "Veltis/Core/TIArgEventProvider.h"
#include "Veltis/Runtime/IDynamicObjectsDictionary.h"

namespace Veltis {
namespace Core {
class IMessageLog;
}
namespace SkinEngine {

// A dictionary of a skin model: it reports refused identifiers to its log and announces additions and
// removals.
class ISkinDynamicObjectsDictionary : public virtual Runtime::IDynamicObjectsDictionary {
public:
    // What the events carry: the identifier and the object.
    struct Entry {
        const char* id;
        Runtime::IDynamicObject* object;
    };

    // Returns the previous log; null writes nothing.
    virtual Core::IMessageLog* SetMessageLog(Core::IMessageLog* log) = 0;
    virtual Core::IMessageLog* GetMessageLog() const = 0;
    virtual Core::TIArgEventProvider<Entry&>& GetObjectAddedEvent() = 0;
    virtual Core::TIArgEventProvider<Entry&>& GetObjectRemovedEvent() = 0;
};

} // namespace SkinEngine
} // namespace Veltis
