#pragma once

#include <cstring>

// Growable arrays held by value inside their owners. SetSize is the one resize operation; within the
// capacity it only stores the count, which the audio path relies on (no allocation, construction or
// destruction). Elements past the count stay alive until the next reallocation.

namespace Veltis {
namespace Core {

// Exact-fit growth by a fixed step; every vector in the system uses step 1.
class CStepGrowthStrategy {
public:
    explicit CStepGrowthStrategy(int step = 1) : m_Step(step) {}

    int GetStep() const { return m_Step; }

    int GetTargetCapacity(int newCount, int capacity) const
    {
        if (newCount > capacity)
            return newCount > capacity + m_Step ? newCount : capacity + m_Step;
        if (newCount >= capacity - m_Step)
            return capacity;
        return newCount;
    }

private:
    int m_Step;
};

// Geometric growth (x1.5 in multiples of 4) with shrinking hysteresis below two thirds.
class CExpGrowthStrategy {
public:
    static int RoundUp4(int x) { return x > 0 ? ((x - 1) / 4) * 4 + 4 : 0; }

    int GetTargetCapacity(int newCount, int capacity) const
    {
        if (newCount > capacity) {
            const int grown = capacity * 3 / 2;
            return RoundUp4(newCount > grown ? newCount : grown);
        }
        if (newCount >= (2 * capacity) / 3)
            return capacity;
        return RoundUp4(newCount);
    }
};

// Moves kept elements as one block of raw memory; for plain data (characters, samples).
template <class T>
struct TMemoryCopier {
    static void Copy(T* destination, const T* source, int count)
    {
        if (count > 0)
            std::memcpy(static_cast<void*>(destination), static_cast<const void*>(source),
                        static_cast<size_t>(count) * sizeof(T));
    }
};

// Assigns kept elements one by one, in ascending order, into fresh elements of the new buffer.
template <class T>
struct TEqualOperatorCopier {
    static void Copy(T* destination, const T* source, int count)
    {
        for (int i = 0; i < count; ++i)
            destination[i] = source[i];
    }
};

// Non-copying vector: a reallocation leaves every element fresh, including those below the old count.
template <class T, class Growth = CStepGrowthStrategy>
class TNCDynamicVector {
public:
    explicit TNCDynamicVector(int count = 0)
        : m_Data(count > 0 ? new T[count]() : nullptr), m_Count(count > 0 ? count : 0),
          m_Capacity(count > 0 ? count : 0)
    {
    }

    TNCDynamicVector(const TNCDynamicVector&) = delete;
    TNCDynamicVector& operator=(const TNCDynamicVector&) = delete;

    virtual ~TNCDynamicVector()
    {
        delete[] m_Data;
        m_Data = nullptr;
        m_Count = 0;
        m_Capacity = 0;
    }

    virtual void SetSize(int count, bool freeMemory = true) { Resize(count, freeMemory, false); }

    int GetCount() const { return m_Count; }
    int GetCapacity() const { return m_Capacity; }
    T* GetData() { return m_Data; }
    const T* GetData() const { return m_Data; }
    T& operator[](int index) { return m_Data[index]; }
    const T& operator[](int index) const { return m_Data[index]; }
    T& GetAt(int index) { return m_Data[index]; }
    const T& GetAt(int index) const { return m_Data[index]; }
    const Growth& GetGrowthStrategy() const { return m_Growth; }

protected:
    virtual void CopyKept(T* /*destination*/, const T* /*source*/, int /*count*/) {}

    void Resize(int count, bool freeMemory, bool keepElements)
    {
        const int oldCount = m_Count;
        m_Count = count;
        const int target = m_Growth.GetTargetCapacity(count, m_Capacity);
        if (target == m_Capacity || (target < m_Capacity && !freeMemory))
            return;

        T* fresh = target > 0 ? new T[target]() : nullptr;
        if (keepElements && m_Data && fresh)
            CopyKept(fresh, m_Data, oldCount < target ? oldCount : target);
        delete[] m_Data;
        m_Data = fresh;
        m_Capacity = target;
    }

    T* m_Data;
    int m_Count;
    int m_Capacity;
    Growth m_Growth;
};

// Copying vector: kept elements survive a reallocation through the copier.
template <class T, class Growth = CStepGrowthStrategy, class Copier = TEqualOperatorCopier<T>>
class TDynamicVector : public TNCDynamicVector<T, Growth> {
    typedef TNCDynamicVector<T, Growth> Base;

public:
    explicit TDynamicVector(int count = 0) : Base(count) {}

    // The copy is sized to the source's count, not its capacity.
    TDynamicVector(const TDynamicVector& other) : Base(other.m_Count)
    {
        Copier::Copy(this->m_Data, other.m_Data, other.m_Count);
    }

    TDynamicVector& operator=(const TDynamicVector& other)
    {
        if (this != &other) {
            this->Resize(other.m_Count, false, false);
            Copier::Copy(this->m_Data, other.m_Data, other.m_Count);
        }
        return *this;
    }

    void SetSize(int count, bool freeMemory = true) override { this->Resize(count, freeMemory, true); }

protected:
    void CopyKept(T* destination, const T* source, int count) override
    {
        Copier::Copy(destination, source, count);
    }
};

} // namespace Core
} // namespace Veltis
