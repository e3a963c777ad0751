#pragma once

#include "Veltis/Core/TIArgCommand.h"

namespace Veltis {
namespace Core {

// IEventProvider for events that carry an argument to their listeners.
template <class A>
class TIArgEventProvider {
public:
    virtual void AddListener(TIArgCommand<A>* listener) = 0;
    virtual void AddListener(TIArgCommand<A>& listener) = 0;
    virtual void RemoveListener(TIArgCommand<A>*& listener, bool deleteIt) = 0;
    virtual void RemoveListener(TIArgCommand<A>* listener) = 0;
    virtual ~TIArgEventProvider() {}
};

} // namespace Core
} // namespace Veltis
