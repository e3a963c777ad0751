#pragma once

#include <stdint.h>

#include <vector>

// The bytes posted to one private-data field of the render context; owned by the dispatcher.
struct AAX_CFieldPacket {
    explicit AAX_CFieldPacket(int32_t fieldIndex) : m_FieldIndex(fieldIndex), m_Data(8, 0) {}

    // The packet holds size bytes, new ones zero.
    void Resize(int32_t size)
    {
        m_Size = size;
        m_Data.resize(static_cast<size_t>(size), 0);
    }

    int32_t m_FieldIndex;
    bool m_Dirty = true;
    int32_t m_Size = 0;
    std::vector<unsigned char> m_Data;
};
