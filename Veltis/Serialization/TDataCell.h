#pragma once

#include <cstdint>
#include <cstring>

namespace Veltis {
namespace Serialization {

// The typed value model shared by the memory data object's cells and the snapshot cells: a type tag,
// a byte count and either a new[] byte buffer (in machine byte order) or an owned sub-object O.
template <class O>
class TDataCell {
public:
    enum EType { kEmpty = -1, kObject = 0, kBool = 1, kInt = 2, kFloat = 3, kDouble = 4, kString = 5, kBinary = 6 };
    // The size recorded for a sub-object; only its being non-zero matters.
    static constexpr int64_t kObjectMarker = 1;

    explicit TDataCell(int size)
        : m_Size(size > 0 ? size : 0), m_Type(kEmpty), m_Bytes(size > 0 ? new unsigned char[size]() : nullptr),
          m_Object(nullptr)
    {
    }
    ~TDataCell() { Release(); }

    TDataCell(const TDataCell&) = delete;
    TDataCell& operator=(const TDataCell&) = delete;

    // Frees the value; the tag stays.
    void Release()
    {
        delete[] m_Bytes;
        m_Bytes = nullptr;
        delete m_Object;
        m_Object = nullptr;
        m_Size = 0;
    }

    int GetType() const { return m_Type; }
    void SetType(int type) { m_Type = type; }
    int64_t GetSize() const { return m_Size; }
    const unsigned char* GetBytes() const { return m_Bytes; }

    bool GetBool(bool& value) const
    {
        if (!HasFixed(kBool, 1))
            return false;
        value = m_Bytes[0] != 0;
        return true;
    }
    bool GetInt(int& value) const { return GetFixed(kInt, value); }
    bool GetFloat(float& value) const { return GetFixed(kFloat, value); }
    bool GetDouble(double& value) const { return GetFixed(kDouble, value); }

    // A string read from a stream may lack its terminator; the copy always has one.
    bool GetString(char*& value) const
    {
        if (m_Type != kString)
            return false;
        if (m_Size == 0 || !m_Bytes) {
            value = nullptr;
            return true;
        }
        value = new char[m_Size + 1];
        std::memcpy(value, m_Bytes, static_cast<size_t>(m_Size));
        value[m_Size] = '\0';
        return true;
    }

    bool GetData(void*& data, int& size) const
    {
        if (m_Type != kBinary)
            return false;
        if (m_Size == 0 || !m_Bytes) {
            data = nullptr;
            size = 0;
            return true;
        }
        unsigned char* copy = new unsigned char[m_Size];
        std::memcpy(copy, m_Bytes, static_cast<size_t>(m_Size));
        data = copy;
        size = static_cast<int>(m_Size);
        return true;
    }

    // The sub-object when the cell holds one.
    O* GetObject() const { return m_Type == kObject && m_Size != 0 ? m_Object : nullptr; }

    bool SetBool(const bool& value)
    {
        const unsigned char byte = value ? 1 : 0;
        SetBytes(kBool, &byte, 1);
        return true;
    }
    bool SetInt(const int& value) { SetBytes(kInt, &value, sizeof value); return true; }
    bool SetFloat(const float& value) { SetBytes(kFloat, &value, sizeof value); return true; }
    bool SetDouble(const double& value) { SetBytes(kDouble, &value, sizeof value); return true; }

    // A null text is kept as a string without a buffer.
    bool SetString(const char* value)
    {
        SetBytes(kString, value, value ? static_cast<int>(std::strlen(value)) + 1 : 0);
        return true;
    }

    // A negative size cannot be stored: the cell is emptied and the write fails.
    bool SetData(const void* data, int size)
    {
        if (size < 0 || (size > 0 && !data)) {
            Release();
            m_Type = kBinary;
            return false;
        }
        SetBytes(kBinary, data, size);
        return true;
    }

    // Takes the sub-object over.
    void SetObject(O* object)
    {
        Release();
        m_Object = object;
        m_Size = kObjectMarker;
        m_Type = kObject;
    }

    // Takes a new[] block read from a stream over, as it is.
    void AdoptBytes(unsigned char* bytes, int size)
    {
        Release();
        m_Bytes = bytes;
        m_Size = bytes && size > 0 ? size : 0;
    }

    bool IsEqual(const bool& value) const
    {
        bool held = false;
        return GetBool(held) && held == value;
    }
    bool IsEqual(const int& value) const
    {
        int held = 0;
        return GetInt(held) && held == value;
    }
    bool IsEqual(const float& value) const
    {
        float held = 0;
        return GetFloat(held) && held == value;
    }
    bool IsEqual(const double& value) const
    {
        double held = 0;
        return GetDouble(held) && held == value;
    }
    bool IsEqual(const char* value) const
    {
        if (m_Type != kString)
            return false;
        if (!value && !m_Bytes)
            return true;
        if (m_Size == 0 || !value || !m_Bytes)
            return false;
        const size_t length = std::strlen(value) + 1;
        return static_cast<int64_t>(length) == m_Size && std::memcmp(m_Bytes, value, length) == 0;
    }
    bool IsEqual(const void* data, int size) const
    {
        if (m_Type != kBinary)
            return false;
        if (!data && !m_Bytes)
            return true;
        return data && m_Bytes && size == m_Size && std::memcmp(m_Bytes, data, static_cast<size_t>(size)) == 0;
    }

private:
    bool HasFixed(int type, int64_t size) const { return m_Type == type && m_Size == size && m_Bytes; }

    template <class T>
    bool GetFixed(int type, T& value) const
    {
        if (!HasFixed(type, sizeof(T)))
            return false;
        std::memcpy(&value, m_Bytes, sizeof(T));
        return true;
    }

    void SetBytes(int type, const void* data, int size)
    {
        Release();
        if (size > 0) {
            m_Bytes = new unsigned char[size];
            std::memcpy(m_Bytes, data, static_cast<size_t>(size));
            m_Size = size;
        }
        m_Type = type;
    }

    int64_t m_Size;
    int m_Type;
    unsigned char* m_Bytes;
    O* m_Object;
};

} // namespace Serialization
} // namespace Veltis
