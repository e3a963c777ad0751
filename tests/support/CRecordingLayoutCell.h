#pragma once

#include "Veltis/Layout/CLayoutCell.h"

#include <vector>

namespace VeltisTest {

// A leaf layout cell of a given size that counts its UpdateSize calls, records the positions it is
// arranged at and, when given a counter, counts its destruction.
class CRecordingLayoutCell : public Veltis::Layout::CLayoutCell {
public:
    explicit CRecordingLayoutCell(int width = 0, int height = 0, int* destroyed = nullptr) : m_Destroyed(destroyed)
    {
        SetSize(Veltis::Core::C2DSize(width, height));
    }
    ~CRecordingLayoutCell() override
    {
        if (m_Destroyed)
            ++*m_Destroyed;
    }

    void Clear() override { ++m_Clears; }
    void UpdateSize() override
    {
        ++m_Updates;
        m_Dirty.ClearDirty();
    }
    void Arrange(const Veltis::Core::C2DRectangle& rectangle) override
    {
        m_Position = Veltis::Core::C2DPoint(rectangle.x, rectangle.y);
        m_Arranged.push_back(m_Position);
    }

    bool IsDirty() { return m_Dirty.IsDirty(); }
    int GetUpdateCount() const { return m_Updates; }
    int GetClearCount() const { return m_Clears; }
    const std::vector<Veltis::Core::C2DPoint>& GetArranged() const { return m_Arranged; }
    // The last position it was arranged at; (-1, -1) before the first.
    Veltis::Core::C2DPoint GetLastArranged() const
    {
        return m_Arranged.empty() ? Veltis::Core::C2DPoint(-1, -1) : m_Arranged.back();
    }
    void ForgetArranged() { m_Arranged.clear(); }

private:
    int* m_Destroyed;
    int m_Updates = 0;
    int m_Clears = 0;
    std::vector<Veltis::Core::C2DPoint> m_Arranged;
};

} // namespace VeltisTest
