#pragma once

#include <utility>

namespace Veltis {
namespace Containers {

// The position of the standard-container iterators: the live container (not owned) and a place in it,
// the container's end meaning "at the end". Moving past either end stays at, or goes to, the end, so
// that no call walks off the container. Container may be const-qualified.
template <class Container>
class TStdPosition {
public:
    typedef decltype(std::declval<Container&>().begin()) Iterator;

    explicit TStdPosition(Container& container) : m_Container(&container), m_Position(container.end()) {}

    bool IsEnd() const { return m_Position == m_Container->end(); }
    void GoToEnd() { m_Position = m_Container->end(); }
    void First() { m_Position = m_Container->begin(); }

    void Next()
    {
        if (!IsEnd())
            ++m_Position;
    }

    // Needs a bidirectional container.
    void Last()
    {
        GoToEnd();
        if (m_Position != m_Container->begin())
            --m_Position;
    }

    void Previous()
    {
        if (m_Position == m_Container->begin())
            GoToEnd();
        else
            --m_Position;
    }

    const Iterator& Get() const { return m_Position; }

private:
    Container* m_Container;
    Iterator m_Position;
};

} // namespace Containers
} // namespace Veltis
