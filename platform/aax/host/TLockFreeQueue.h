#pragma once

#include <stddef.h>
#include <stdint.h>

#include <atomic>
#include <memory>

namespace Veltis {
namespace Platform {
namespace AAXHost {

// A bounded queue that any number of threads fill and drain without locks or allocation (Vyukov's
// sequence-numbered cells), so the audio thread can record into it. A full queue refuses and counts.
template <class T> class TLockFreeQueue {
public:
    // capacity is rounded up to a power of two.
    explicit TLockFreeQueue(size_t capacity)
    {
        size_t size = 2;
        while (size < capacity)
            size *= 2;
        m_Mask = size - 1;
        m_Cells.reset(new Cell[size]);
        for (size_t i = 0; i < size; ++i)
            m_Cells[i].m_Sequence.store(i, std::memory_order_relaxed);
    }
    TLockFreeQueue(const TLockFreeQueue&) = delete;
    TLockFreeQueue& operator=(const TLockFreeQueue&) = delete;

    bool Push(const T& value)
    {
        size_t position = m_PushPosition.load(std::memory_order_relaxed);
        Cell* cell;
        for (;;) {
            cell = &m_Cells[position & m_Mask];
            const size_t sequence = cell->m_Sequence.load(std::memory_order_acquire);
            const intptr_t difference = static_cast<intptr_t>(sequence) - static_cast<intptr_t>(position);
            if (difference == 0) {
                if (m_PushPosition.compare_exchange_weak(position, position + 1, std::memory_order_relaxed))
                    break;
            } else if (difference < 0) {
                m_Dropped.fetch_add(1, std::memory_order_relaxed);
                return false;
            } else {
                position = m_PushPosition.load(std::memory_order_relaxed);
            }
        }
        cell->m_Value = value;
        cell->m_Sequence.store(position + 1, std::memory_order_release);
        return true;
    }

    bool Pop(T& value)
    {
        size_t position = m_PopPosition.load(std::memory_order_relaxed);
        Cell* cell;
        for (;;) {
            cell = &m_Cells[position & m_Mask];
            const size_t sequence = cell->m_Sequence.load(std::memory_order_acquire);
            const intptr_t difference = static_cast<intptr_t>(sequence) - static_cast<intptr_t>(position + 1);
            if (difference == 0) {
                if (m_PopPosition.compare_exchange_weak(position, position + 1, std::memory_order_relaxed))
                    break;
            } else if (difference < 0) {
                return false;
            } else {
                position = m_PopPosition.load(std::memory_order_relaxed);
            }
        }
        value = cell->m_Value;
        cell->m_Sequence.store(position + m_Mask + 1, std::memory_order_release);
        return true;
    }

    // Values refused because the queue was full.
    size_t GetDropped() const { return m_Dropped.load(std::memory_order_relaxed); }

private:
    struct Cell {
        std::atomic<size_t> m_Sequence;
        T m_Value;
    };

    std::unique_ptr<Cell[]> m_Cells;
    size_t m_Mask = 0;
    std::atomic<size_t> m_PushPosition{0};
    std::atomic<size_t> m_PopPosition{0};
    std::atomic<size_t> m_Dropped{0};
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
