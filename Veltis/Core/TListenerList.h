#pragma once

namespace Veltis {
namespace Core {

// The ordered listener list behind every event provider. A pass skips nodes whose listener is
// running further up the stack (busy). Nodes removed during a pass are only marked and are unlinked
// when the outermost pass ends, so the node a pass stands on, and the successor it reads after the
// listener returned, stay valid even when a listener removes itself or others.
template <class L>
class TListenerList {
public:
    TListenerList() : m_First(nullptr), m_Last(nullptr), m_Depth(0) {}

    ~TListenerList()
    {
        CNode* node = m_First;
        while (node) {
            CNode* next = node->m_Next;
            delete node;
            node = next;
        }
    }

    TListenerList(const TListenerList&) = delete;
    TListenerList& operator=(const TListenerList&) = delete;

    void Add(L* listener)
    {
        if (!listener)
            return;
        CNode* node = new CNode(listener, m_Last);
        if (m_Last)
            m_Last->m_Next = node;
        else
            m_First = node;
        m_Last = node;
    }

    void Remove(const L* listener)
    {
        if (!listener)
            return;
        CNode* node = m_First;
        while (node) {
            CNode* next = node->m_Next;
            if (node->m_Listener == listener) {
                node->m_Listener = nullptr;
                if (m_Depth == 0)
                    Unlink(node);
            }
            node = next;
        }
    }

    // Removes the listener and, when asked, deletes it and clears the caller's pointer to it.
    void Remove(L*& listener, bool deleteIt)
    {
        if (!listener)
            return;
        Remove(static_cast<const L*>(listener));
        if (deleteIt) {
            delete listener;
            listener = nullptr;
        }
    }

    // Run is called with a reference to each listener that is registered, not running, and reached.
    template <class Run>
    void Notify(Run run)
    {
        ++m_Depth;
        for (CNode* node = m_First; node; node = node->m_Next) {
            if (node->m_Busy || !node->m_Listener)
                continue;
            node->m_Busy = true;
            run(*node->m_Listener);
            node->m_Busy = false;
        }
        if (--m_Depth == 0)
            UnlinkRemoved();
    }

    int GetCount() const
    {
        int count = 0;
        for (const CNode* node = m_First; node; node = node->m_Next)
            if (node->m_Listener)
                ++count;
        return count;
    }

private:
    struct CNode {
        CNode(L* listener, CNode* previous)
            : m_Listener(listener), m_Busy(false), m_Previous(previous), m_Next(nullptr)
        {
        }
        L* m_Listener; // null once removed
        bool m_Busy;
        CNode* m_Previous;
        CNode* m_Next;
    };

    void Unlink(CNode* node)
    {
        if (node->m_Previous)
            node->m_Previous->m_Next = node->m_Next;
        else
            m_First = node->m_Next;
        if (node->m_Next)
            node->m_Next->m_Previous = node->m_Previous;
        else
            m_Last = node->m_Previous;
        delete node;
    }

    void UnlinkRemoved()
    {
        CNode* node = m_First;
        while (node) {
            CNode* next = node->m_Next;
            if (!node->m_Listener)
                Unlink(node);
            node = next;
        }
    }

    CNode* m_First;
    CNode* m_Last;
    int m_Depth;
};

} // namespace Core
} // namespace Veltis
