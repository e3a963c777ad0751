#pragma once

#include "Veltis/Serialization/IReadWriteDataStream.h"

#include <string>
#include <unordered_map>

namespace Veltis {
namespace Serialization {

class CIncrementalDataBuffer;
class CSharedBufferCell;

// A snapshot of an object's serialized state that shares every value equal to the previous
// snapshot's value of the same name, and records whether anything written differed. Each snapshot
// reads on its own; the previous one is only consulted while writing.
class CIncrementalMemDataObject : public virtual IReadWriteDataStream {
public:
    explicit CIncrementalMemDataObject(const CIncrementalMemDataObject* previous = nullptr);

    bool ReadBool(const char* name, bool& value) const override;
    bool ReadInt(const char* name, int& value) const override;
    bool ReadFloat(const char* name, float& value) const override;
    bool ReadDouble(const char* name, double& value) const override;
    bool ReadString(const char* name, char*& value) const override;
    bool ReadData(const char* name, void*& data, int& size) const override;
    bool ReadObject(const char* name, IDeSerialize& object) const override;
    ~CIncrementalMemDataObject() override;
    virtual bool Exists(const char* name) const;
    bool WriteBool(const char* name, const bool& value) override;
    bool WriteInt(const char* name, const int& value) override;
    bool WriteFloat(const char* name, const float& value) override;
    bool WriteDouble(const char* name, const double& value) override;
    bool WriteString(const char* name, const char* value) override;
    bool WriteData(const char* name, const void* data, int size) override;
    bool WriteObject(const char* name, const ISerialize& object) override;
    virtual void Clear();
    virtual bool Remove(const char* name);

    int GetValueCount() const override;

    // True while there is a previous snapshot and every value written so far equalled its value there.
    bool IsUnchanged() const { return m_Unchanged; }
    void SetPrevious(const CIncrementalMemDataObject* previous);
    // Before the snapshot is written again from scratch.
    void ResetUnchanged() { m_Unchanged = m_Previous != nullptr; }

    // The shared cell stored under a name, or null.
    const CSharedBufferCell* GetCell(const char* name) const;

private:
    template <class Value>
    bool WritePlain(const char* name, const Value& value);
    bool Insert(const char* name, CSharedBufferCell* cell);

    const CIncrementalMemDataObject* m_Previous;
    std::unordered_map<std::string, CSharedBufferCell*> m_Cells;
    bool m_Unchanged;
};

} // namespace Serialization
} // namespace Veltis
