#pragma once

#include <type_traits>
#include <utility>

namespace Veltis {
namespace Core {

// Listed as a class's first base, holds an X by value so that it is built before the class's other
// bases (which may be given references to it) and destroyed after them. N tells several holders of the
// same X apart.
template <class X, int N = 0>
class THolder {
    // Keeps the forwarding constructor from standing in for the copy constructor.
    template <class... Args>
    struct IsCopy : std::false_type {};
    template <class A>
    struct IsCopy<A> : std::is_base_of<THolder, typename std::decay<A>::type> {};

public:
    template <class... Args, class = typename std::enable_if<!IsCopy<Args...>::value>::type>
    explicit THolder(Args&&... args) : m_Object(std::forward<Args>(args)...)
    {
    }

    THolder(const THolder&) = default;
    THolder& operator=(const THolder&) = default;

    virtual ~THolder() {}

protected:
    X m_Object;
};

} // namespace Core
} // namespace Veltis
