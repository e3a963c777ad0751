#pragma once

#include "Veltis/Serialization/TDataCell.h"

#include <cstdint>

namespace Veltis {
namespace Serialization {

class CIncrementalMemDataObject;
class IDeSerialize;
class ISerialize;

// One typed value of a snapshot, with the memory data object's value model; a sub-object is itself a
// snapshot built against the previous snapshot's sub-object.
class CIncrementalDataBuffer {
public:
    explicit CIncrementalDataBuffer(int size = 0);
    ~CIncrementalDataBuffer();

    CIncrementalDataBuffer(const CIncrementalDataBuffer&) = delete;
    CIncrementalDataBuffer& operator=(const CIncrementalDataBuffer&) = delete;

    bool GetBool(bool& value) const { return m_Cell.GetBool(value); }
    bool GetInt(int& value) const { return m_Cell.GetInt(value); }
    bool GetFloat(float& value) const { return m_Cell.GetFloat(value); }
    bool GetDouble(double& value) const { return m_Cell.GetDouble(value); }
    bool GetString(char*& value) const { return m_Cell.GetString(value); }
    bool GetData(void*& data, int& size) const { return m_Cell.GetData(data, size); }
    bool GetObject(IDeSerialize& object) const;
    bool SetBool(const bool& value) { return m_Cell.SetBool(value); }
    bool SetInt(const int& value) { return m_Cell.SetInt(value); }
    bool SetFloat(const float& value) { return m_Cell.SetFloat(value); }
    bool SetDouble(const double& value) { return m_Cell.SetDouble(value); }
    bool SetString(const char* value) { return m_Cell.SetString(value); }
    bool SetData(const void* data, int size) { return m_Cell.SetData(data, size); }
    // Lets the object serialize into a new sub-snapshot over previous's sub-snapshot (when previous
    // holds one); unchanged tells whether everything written there equalled the previous values.
    bool SetObject(const ISerialize& object, const CIncrementalDataBuffer* previous, bool& unchanged);
    bool IsEqual(const bool& value) const { return m_Cell.IsEqual(value); }
    bool IsEqual(const int& value) const { return m_Cell.IsEqual(value); }
    bool IsEqual(const float& value) const { return m_Cell.IsEqual(value); }
    bool IsEqual(const double& value) const { return m_Cell.IsEqual(value); }
    bool IsEqual(const char* value) const { return m_Cell.IsEqual(value); }
    bool IsEqual(const void* data, int size) const { return m_Cell.IsEqual(data, size); }

    int GetType() const { return m_Cell.GetType(); }
    int64_t GetSize() const { return m_Cell.GetSize(); }
    // The sub-snapshot when the cell holds one.
    const CIncrementalMemDataObject* GetSnapshot() const { return m_Cell.GetObject(); }

private:
    TDataCell<CIncrementalMemDataObject> m_Cell;
};

// A buffer shared by every snapshot whose table holds it; the last release deletes both.
class CSharedBufferCell {
public:
    explicit CSharedBufferCell(CIncrementalDataBuffer* buffer) : m_Buffer(buffer), m_References(1) {}

    CSharedBufferCell(const CSharedBufferCell&) = delete;
    CSharedBufferCell& operator=(const CSharedBufferCell&) = delete;

    CIncrementalDataBuffer* GetBuffer() const { return m_Buffer; }
    int GetReferenceCount() const { return m_References; }
    void AddReference() { ++m_References; }
    void Release()
    {
        if (--m_References == 0)
            delete this;
    }

private:
    ~CSharedBufferCell() { delete m_Buffer; }

    CIncrementalDataBuffer* m_Buffer;
    int m_References;
};

} // namespace Serialization
} // namespace Veltis
