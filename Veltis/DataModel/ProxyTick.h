#pragma once

#include "Veltis/Core/INotify.h"
#include "Veltis/DataModel/IProxyValueUpdate.h"

namespace Veltis {
namespace DataModel {

// One tick of a timer proxy: the announced gesture state moves to the pending one, and the value
// change collected since the last tick is published. Listeners hear a begin before the value and the
// final value before an end.
inline void RunProxyTick(bool& published, bool pending, IProxyValueUpdate& update, const Core::INotify& begin,
                         const Core::INotify& end)
{
    const bool before = published;
    published = pending;
    if (published == before) {
        update.Update();
    } else if (published) {
        begin.Notify();
        update.Update();
    } else {
        update.Update();
        end.Notify();
    }
}

} // namespace DataModel
} // namespace Veltis
