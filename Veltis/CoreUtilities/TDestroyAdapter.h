#pragma once

#include "Veltis/Core/IDestroy.h"

namespace Veltis {
namespace CoreUtilities {

// Owns one object of any class X and deletes it with itself, so that objects without a common base can
// be kept in one list of IDestroy pointers.
template <class X>
class TDestroyAdapter : public virtual Core::IDestroy {
public:
    explicit TDestroyAdapter(X* object) : m_Object(object) {}

    // A copy would delete the object twice.
    TDestroyAdapter(const TDestroyAdapter&) = delete;
    TDestroyAdapter& operator=(const TDestroyAdapter&) = delete;

    ~TDestroyAdapter() override { delete m_Object; }

private:
    X* m_Object;
};

} // namespace CoreUtilities
} // namespace Veltis
