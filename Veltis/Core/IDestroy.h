#pragma once

namespace Veltis {
namespace Core {

// Lets an owner of heterogeneous objects delete each of them through one interface.
class IDestroy {
public:
    virtual ~IDestroy() {}
};

} // namespace Core
} // namespace Veltis
