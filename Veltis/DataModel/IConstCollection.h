#pragma once

#include "Veltis/Containers/IConstCount.h"
#include "Veltis/Core/IDisconnect.h"
#include "Veltis/Core/IEventProvider.h"
#include "Veltis/Core/TIArgEventProvider.h"

namespace Veltis {
namespace DataModel {

// A model object made of a variable number of items (a skin collection).
class IConstCollection : public virtual Containers::IConstCount, public virtual Core::IDisconnect {
public:
    // Notified with the new count before the items are adjusted.
    virtual Core::TIArgEventProvider<int>& GetCountChangingEvent() = 0;
    // Notified after the items were adjusted to a new count.
    virtual Core::IEventProvider& GetItemsChangedEvent() = 0;
};

} // namespace DataModel
} // namespace Veltis
