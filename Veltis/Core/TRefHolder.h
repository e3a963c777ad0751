#pragma once

#include <type_traits>
#include <utility>

namespace Veltis {
namespace Core {

// The public form of THolder for widgets whose other bases are built on a reference to the held X: X is
// constructed before those bases and destroyed after them. N tells several holders of the same X apart.
template <class X, int N = 0>
class TRefHolder {
    // Keeps the forwarding constructor from standing in for the copy constructor.
    template <class... Args>
    struct IsCopy : std::false_type {};
    template <class A>
    struct IsCopy<A> : std::is_base_of<TRefHolder, typename std::decay<A>::type> {};

public:
    template <class... Args, class = typename std::enable_if<!IsCopy<Args...>::value>::type>
    explicit TRefHolder(Args&&... args) : m_Object(std::forward<Args>(args)...)
    {
    }

    TRefHolder(const TRefHolder&) = default;
    TRefHolder& operator=(const TRefHolder&) = default;

    virtual ~TRefHolder() {}

protected:
    X m_Object;
};

} // namespace Core
} // namespace Veltis
